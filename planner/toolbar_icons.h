#pragma once
// The tool bar's pictures: the desktop's icon theme where it has the picture, else the
// program's own, drawn into BMP/tool/ of the program folder.
#include <QIcon>

namespace nv {

// `name` is a theme icon name; BMP/tool/<name>.png is the fallback.
QIcon toolBarIcon(const QString& name);

}  // namespace nv
