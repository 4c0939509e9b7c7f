#pragma once
// Decoded dish pictures, kept in Qt's pixmap cache: a dish panel is rebuilt on every category
// change and the same pictures would otherwise be decoded again each time.
#include <QImage>
#include <string>

namespace nv {

// The picture at `path` (CP932); null when the file is missing or unreadable. A file that
// changed since it was cached (new time or size, as after a conversion) is read again.
QImage loadDishPicture(const std::string& path);

}  // namespace nv
