// The opened appliances, each at the size of its default layout, with its dish area (where
// the cells of dishes lie) drawn as a calm, light inside.
#include <QtMath>

#include "art.h"
#include "artgen.h"

namespace art {

namespace {

void box(QPainter& p, QRectF r, QColor fill, double pen = 3, double radius = 8) {
  QPainterPath path;
  path.addRoundedRect(r, radius, radius);
  shape(p, path, fill, pen);
}

void shelfLines(QPainter& p, QRectF area, int rows, QColor colour) {
  for (int i = 1; i < rows; ++i) {
    const double y = area.top() + area.height() * i / rows;
    box(p, QRectF(area.left(), y - 3, area.width(), 6), colour, 1.6, 2);
  }
}

QImage refrigerator() {
  // Dish area 98,7 - 315,378; the open door's shelves 2,26 - 100,348.
  QImage img = canvas(424, 484);
  QPainter p(&img);
  prepare(p);
  const QColor body(226, 240, 250), inside(244, 250, 254);
  box(p, QRectF(86, 0, 244, 480), body, 3.5, 14);
  box(p, QRectF(96, 4, 222, 378), inside, 2.5, 6);
  shelfLines(p, QRectF(96, 4, 222, 378), 6, QColor(200, 226, 242));
  // Vegetable drawer below.
  box(p, QRectF(96, 390, 222, 82), QColor(200, 236, 200), 2.5, 8);
  box(p, QRectF(170, 404, 74, 12), QColor(170, 210, 170), 1.8, 5);
  for (int i = 0; i < 3; ++i)
    shapeEllipse(p, QPointF(130 + i * 70, 446), 20, 12, QColor(130, 196, 90), 2);
  // The door, swung open to the left, with its shelves.
  QPainterPath door;
  door.moveTo(86, 0);
  door.lineTo(0, 18);
  door.lineTo(0, 470);
  door.lineTo(86, 480);
  door.closeSubpath();
  shape(p, door, body, 3.5);
  box(p, QRectF(2, 24, 98 - 6, 326), inside, 2.2, 4);
  for (int i = 1; i <= 4; ++i)
    box(p, QRectF(4, 24 + i * 80.5 - 8, 88, 10), QColor(180, 214, 236), 1.8, 3);
  box(p, QRectF(330, 60, 12, 160), QColor(190, 204, 220), 2.2, 5);
  p.end();
  return flatten(img);
}

QImage freezer() {
  // Dish area 5,13 - 252,219: a drawer pulled out, seen from above.
  QImage img = canvas(278, 327);
  QPainter p(&img);
  prepare(p);
  box(p, QRectF(2, 4, 266, 226), QColor(190, 220, 244), 3.5, 12);
  box(p, QRectF(8, 12, 250, 210), QColor(236, 246, 252), 2.5, 8);
  // Frost sparkles in the corners.
  p.setPen(QPen(QColor(170, 210, 240), 2));
  for (const QPointF c : {QPointF(24, 30), QPointF(240, 204)}) {
    for (int k = 0; k < 3; ++k) {
      const double a = k * M_PI / 3;
      p.drawLine(c + QPointF(std::cos(a) * 8, std::sin(a) * 8),
                 c - QPointF(std::cos(a) * 8, std::sin(a) * 8));
    }
  }
  // The drawer front below.
  box(p, QRectF(0, 228, 272, 96), QColor(226, 240, 250), 3.5, 12);
  box(p, QRectF(86, 250, 100, 14), QColor(190, 204, 220), 2.2, 6);
  p.setFont(jpFont(22, true));
  centredText(p, QPointF(136, 294), u"れいとう"_s, QColor(110, 160, 210));
  p.end();
  return flatten(img);
}

QImage riceCooker() {
  // Dish area 52,34 - 281,428: the inside of the big pot.
  QImage img = canvas(347, 448);
  QPainter p(&img);
  prepare(p);
  box(p, QRectF(14, 10, 319, 434), QColor(252, 246, 236), 3.5, 40);
  box(p, QRectF(44, 24, 245, 414), QColor(200, 204, 212), 3, 30);
  box(p, QRectF(52, 32, 229, 398), QColor(246, 246, 240), 2, 24);
  // Steam rising from the rice.
  p.setPen(QPen(QColor(226, 226, 226), 3, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 3; ++i) {
    QPainterPath s;
    s.moveTo(120 + i * 50, 30);
    s.cubicTo(112 + i * 50, 22, 128 + i * 50, 14, 120 + i * 50, 4);
    p.drawPath(s);
  }
  // Control panel on the side.
  box(p, QRectF(292, 180, 34, 80), QColor(250, 200, 206), 2.2, 8);
  shapeEllipse(p, QPointF(309, 204), 8, 8, QColor(120, 180, 220), 1.8);
  shapeEllipse(p, QPointF(309, 236), 8, 8, QColor(240, 120, 120), 1.8);
  p.end();
  return flatten(img);
}

QImage cupboard() {
  // Dish area 18,17 - 480,288 with doors open.
  QImage img = canvas(490, 349);
  QPainter p(&img);
  prepare(p);
  const QColor wood(214, 164, 112);
  box(p, QRectF(2, 2, 486, 345), wood, 3.5, 10);
  box(p, QRectF(14, 13, 470, 280), QColor(250, 236, 210), 2.5, 6);
  shelfLines(p, QRectF(14, 13, 470, 280), 3, QColor(226, 180, 130));
  box(p, QRectF(14, 300, 470, 40), QColor(226, 180, 130), 2.5, 6);
  for (int i = 0; i < 2; ++i)
    box(p, QRectF(110 + i * 220, 314, 50, 10), QColor(250, 220, 120), 1.8, 4);
  p.end();
  return flatten(img);
}

QImage pot() {
  // Dish area 37,111 - 329,343: the inside of a big pot seen from above.
  QImage img = canvas(376, 408);
  QPainter p(&img);
  prepare(p);
  const QColor red(226, 84, 70);
  for (int side = 0; side < 2; ++side)
    box(p, QRectF(side ? 338 : 2, 180, 36, 40), QColor(90, 90, 96), 3, 10);
  QPainterPath body;
  body.moveTo(20, 226);
  body.lineTo(26, 380);
  body.quadTo(188, 420, 350, 380);
  body.lineTo(356, 226);
  body.closeSubpath();
  shape(p, body, red, 3.5);
  shapeEllipse(p, QPointF(188, 226), 170, 130, lighter(red, 112), 3.5);
  shapeEllipse(p, QPointF(188, 228), 156, 118, QColor(246, 232, 206), 2.5);
  // A lid leaning at the back.
  shapeEllipse(p, QPointF(188, 40), 110, 30, QColor(200, 204, 212), 3);
  shapeEllipse(p, QPointF(188, 30), 18, 8, QColor(90, 90, 96), 2);
  p.end();
  return flatten(img);
}

QImage fryingPan() {
  // Dish area 20,120 - 210,354: the pan's round bottom; the handle to the right.
  QImage img = canvas(394, 398);
  QPainter p(&img);
  prepare(p);
  QPainterPath handle;
  handle.moveTo(222, 222);
  handle.lineTo(384, 168);
  handle.quadTo(392, 176, 388, 186);
  handle.lineTo(232, 252);
  handle.closeSubpath();
  shape(p, handle, QColor(120, 76, 44), 3.5);
  shapeEllipse(p, QPointF(116, 238), 112, 132, QColor(70, 70, 78), 3.5);
  shapeEllipse(p, QPointF(116, 238), 100, 120, QColor(226, 226, 230), 2.5);
  p.end();
  return flatten(img);
}

QImage oven() {
  // Dish area 60,78 - 417,326 inside, door folded down below, controls at the right.
  QImage img = canvas(506, 422);
  QPainter p(&img);
  prepare(p);
  box(p, QRectF(2, 10, 500, 340), QColor(246, 244, 238), 3.5, 16);
  box(p, QRectF(50, 66, 378, 272), QColor(120, 110, 110), 3, 10);
  box(p, QRectF(58, 74, 362, 256), QColor(252, 236, 206), 2, 6);
  // Glowing heater lines and a rack.
  p.setPen(QPen(QColor(250, 150, 90), 4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(80, 84), QPointF(400, 84));
  p.setPen(QPen(QColor(200, 190, 180), 2.5));
  p.drawLine(QPointF(62, 200), QPointF(416, 200));
  box(p, QRectF(440, 80, 50, 220), QColor(226, 226, 230), 2.5, 10);
  for (int i = 0; i < 3; ++i)
    shapeEllipse(p, QPointF(465, 120 + i * 64), 14, 14, QColor(200, 204, 210), 2.2);
  QPainterPath door;
  door.moveTo(40, 344);
  door.lineTo(440, 344);
  door.lineTo(470, 414);
  door.lineTo(10, 414);
  door.closeSubpath();
  shape(p, door, QColor(230, 228, 222), 3.5);
  box(p, QRectF(160, 390, 160, 12), QColor(190, 190, 196), 2, 6);
  p.end();
  return flatten(img);
}

}  // namespace

QImage paintAppliance(Appliance which) {
  switch (which) {
    case Appliance::Refrigerator:
      return refrigerator();
    case Appliance::Freezer:
      return freezer();
    case Appliance::RiceCooker:
      return riceCooker();
    case Appliance::Cupboard:
      return cupboard();
    case Appliance::Pot:
      return pot();
    case Appliance::FryingPan:
      return fryingPan();
    case Appliance::Oven:
      return oven();
  }
  return QImage();
}

}  // namespace art
