// The lunch box, its front rim (drawn over the dishes) and the coaster beside it.
#include "art.h"
#include "artgen.h"

namespace art {

namespace {

constexpr int kBoxW = 800, kBoxH = 400;
// The front wall: the lowest rows of the box picture; the front picture repeats them alone.
constexpr int kFrontH = 112;

const QColor kBoxColour{120, 186, 236};

void frontWall(QPainter& p) {
  const double top = kBoxH - kFrontH;
  QPainterPath wall;
  wall.moveTo(6, top);
  wall.lineTo(794, top);
  wall.lineTo(794, kBoxH - 34);
  wall.quadTo(794, kBoxH - 4, 764, kBoxH - 4);
  wall.lineTo(36, kBoxH - 4);
  wall.quadTo(6, kBoxH - 4, 6, kBoxH - 34);
  wall.closeSubpath();
  shape(p, wall, kBoxColour, 4);
  // Rim along the top edge of the wall.
  QPainterPath rim;
  rim.addRoundedRect(QRectF(6, top, 788, 16), 6, 6);
  shape(p, rim, lighter(kBoxColour, 118), 3);
  // Friendly pattern: polka dots and a little rice-ball face.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(250, 250, 240));
  for (int i = 0; i < 18; ++i)
    p.drawEllipse(QPointF(40 + i * 42 + (i % 2) * 8, top + 40 + (i % 2) * 30), 6, 6);
  const QPointF face(400, top + 60);
  shapeEllipse(p, face, 30, 26, QColor(252, 250, 242), 3);
  QPainterPath nori;
  nori.addRect(QRectF(face.x() - 14, face.y() + 8, 28, 18));
  p.save();
  p.setClipPath(ellipsePath(face, 30, 26));
  shape(p, nori, QColor(40, 62, 48), 2);
  p.restore();
  p.setBrush(kInk);
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(face.x() - 10, face.y() - 4), 3, 3.5);
  p.drawEllipse(QPointF(face.x() + 10, face.y() - 4), 3, 3.5);
  p.setBrush(QColor(250, 170, 170));
  p.drawEllipse(QPointF(face.x() - 19, face.y() + 3), 5, 3);
  p.drawEllipse(QPointF(face.x() + 19, face.y() + 3), 5, 3);
}

}  // namespace

QImage paintLunchBox() {
  QImage img = canvas(kBoxW, kBoxH);
  QPainter p(&img);
  prepare(p);
  // Outer body seen from the front and above: back rim, inside, front wall.
  QPainterPath outer;
  outer.addRoundedRect(QRectF(6, 8, 788, kBoxH - 12), 34, 34);
  shape(p, outer, kBoxColour, 4);
  QPainterPath inside;
  inside.addRoundedRect(QRectF(24, 22, 752, kBoxH - kFrontH - 10), 24, 24);
  shape(p, inside, QColor(246, 240, 226), 3);
  // Inner back wall, slightly shaded, so the box looks deep.
  QPainterPath back;
  back.addRoundedRect(QRectF(24, 22, 752, 44), 20, 20);
  shape(p, back, QColor(222, 232, 238), 0);
  p.setPen(inkPen(2));
  p.drawLine(QPointF(44, 66), QPointF(756, 66));
  frontWall(p);
  p.end();
  return flatten(img);
}

QImage paintLunchBoxFront() {
  QImage full = canvas(kBoxW, kBoxH);
  QPainter p(&full);
  prepare(p);
  frontWall(p);
  p.end();
  return flatten(full.copy(0, kBoxH - kFrontH, kBoxW, kFrontH));
}

QImage paintCoaster() {
  QImage img = canvas(240, 160);
  QPainter p(&img);
  prepare(p);
  // A round woven coaster lying on the table; drinks stand on its front half.
  shapeEllipse(p, QPointF(120, 116), 112, 40, QColor(214, 170, 110), 3);
  shapeEllipse(p, QPointF(120, 114), 96, 32, QColor(230, 196, 140), 2);
  p.setPen(QPen(QColor(200, 154, 96), 2.2));
  p.setBrush(Qt::NoBrush);
  for (int i = 1; i <= 3; ++i) p.drawEllipse(QPointF(120, 114), 96 - i * 22, 32 - i * 7.3);
  p.end();
  return flatten(img);
}

}  // namespace art
