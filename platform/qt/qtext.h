#pragma once
// The one door between CP932 bytes and Qt's QString.
#include <QString>
#include <string>
#include <string_view>

namespace nv {
QString toQ(std::string_view cp932);
std::string fromQ(const QString& text);
// A file-system path from Qt (a file dialog, the command line) as the program holds paths: a
// name CP932 cannot hold is kept, escaped (see platform/paths.h). toQ shows such a path.
std::string pathFromQ(const QString& path);
}  // namespace nv
