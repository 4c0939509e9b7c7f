#include "bento/kitchen_backdrop.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QRect>

namespace nv {

void drawWithEdges(QPainter& p, const QPixmap& picture, const QRect& at, const QRect& window) {
  if (picture.isNull()) {
    p.fillRect(window, Qt::white);
    return;
  }
  const QRect target(at.topLeft(), picture.size());
  p.drawPixmap(target.topLeft(), picture);
  const int w = picture.width(), h = picture.height();
  const int leftW = target.left() - window.left(), rightW = window.right() - target.right();
  const int topH = target.top() - window.top(), bottomH = window.bottom() - target.bottom();
  if (leftW > 0)
    p.drawPixmap(QRect(window.left(), target.top(), leftW, h), picture, QRect(0, 0, 1, h));
  if (rightW > 0)
    p.drawPixmap(QRect(target.right() + 1, target.top(), rightW, h), picture,
                 QRect(w - 1, 0, 1, h));
  if (topH > 0)
    p.drawPixmap(QRect(target.left(), window.top(), w, topH), picture, QRect(0, 0, w, 1));
  if (bottomH > 0)
    p.drawPixmap(QRect(target.left(), target.bottom() + 1, w, bottomH), picture,
                 QRect(0, h - 1, w, 1));
  const auto corner = [&](int x, int y, const QRect& r) {
    if (r.width() > 0 && r.height() > 0)
      p.fillRect(r, QColor(picture.copy(x, y, 1, 1).toImage().pixel(0, 0)));
  };
  corner(0, 0, QRect(window.left(), window.top(), leftW, topH));
  corner(w - 1, 0, QRect(target.right() + 1, window.top(), rightW, topH));
  corner(0, h - 1, QRect(window.left(), target.bottom() + 1, leftW, bottomH));
  corner(w - 1, h - 1, QRect(target.right() + 1, target.bottom() + 1, rightW, bottomH));
}

}  // namespace nv
