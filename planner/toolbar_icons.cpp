#include "planner/toolbar_icons.h"

#include "platform/paths.h"
#include "platform/qt/qtext.h"

namespace nv {

QIcon toolBarIcon(const QString& name) {
  const QString own = toQ(joinPath(programFolder(), "BMP/tool/")) + name + QStringLiteral(".png");
  return QIcon::fromTheme(name, QIcon(own));
}

}  // namespace nv
