#include "teacher/dialog_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace nv {

QRect onVisibleScreen(const QRect& wanted) {
  const QList<QScreen*> screens = QGuiApplication::screens();
  if (screens.isEmpty()) return wanted;
  QRect area = QGuiApplication::primaryScreen()
                   ? QGuiApplication::primaryScreen()->availableGeometry()
                   : screens.front()->availableGeometry();
  qint64 best = 0;
  for (const QScreen* s : screens) {
    const QRect common = s->availableGeometry().intersected(wanted);
    const qint64 overlap = qint64(common.width()) * common.height();
    if (overlap > best) best = overlap, area = s->availableGeometry();
  }
  QRect r(wanted.topLeft(), wanted.size().boundedTo(area.size()));
  r.moveLeft(std::clamp(r.left(), area.left(), area.right() + 1 - r.width()));
  r.moveTop(std::clamp(r.top(), area.top(), area.bottom() + 1 - r.height()));
  return r;
}

}  // namespace nv
