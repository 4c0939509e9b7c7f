// The kitchen background (1024 x 768 design space) and the exit sign. The appliances sit
// exactly on the rectangles the kitchen window makes clickable.
#include <QLinearGradient>
#include <QtMath>

#include "art.h"
#include "artgen.h"

namespace art {

namespace {

const QColor kWall{252, 240, 216};
const QColor kWood{214, 164, 112};
const QColor kWoodDark{176, 124, 80};
const QColor kCounter{238, 232, 222};

void rect(QPainter& p, QRectF r, QColor fill, double pen = 2.5, double radius = 0) {
  QPainterPath path;
  path.addRoundedRect(r, radius, radius);
  shape(p, path, fill, pen);
}

void window(QPainter& p) {
  const QRectF frame(50, 50, 250, 220);
  rect(p, frame.adjusted(-8, -8, 8, 8), kWood, 2.5, 6);
  QLinearGradient sky(frame.topLeft(), frame.bottomLeft());
  sky.setColorAt(0, QColor(150, 206, 246));
  sky.setColorAt(1, QColor(214, 238, 252));
  p.setBrush(sky);
  p.setPen(inkPen(2.5));
  p.drawRect(frame);
  p.save();
  p.setClipRect(frame);
  shapeEllipse(p, QPointF(240, 95), 26, 26, QColor(255, 220, 90), 2);
  for (const QPointF c : {QPointF(110, 110), QPointF(190, 170)}) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(252, 252, 250));
    p.drawEllipse(c, 34, 16);
    p.drawEllipse(c + QPointF(-18, -8), 18, 14);
    p.drawEllipse(c + QPointF(14, -12), 20, 16);
  }
  // Green hills far away.
  QPainterPath hills;
  hills.moveTo(frame.left(), 250);
  hills.quadTo(110, 200, 180, 240);
  hills.quadTo(240, 210, frame.right(), 235);
  hills.lineTo(frame.right(), frame.bottom());
  hills.lineTo(frame.left(), frame.bottom());
  shape(p, hills, QColor(150, 206, 120), 2);
  p.restore();
  p.setPen(QPen(kWood, 8));
  p.drawLine(QPointF(175, 50), QPointF(175, 270));
  p.drawLine(QPointF(50, 160), QPointF(300, 160));
  // Curtains.
  for (int side = 0; side < 2; ++side) {
    QPainterPath c;
    const double x = side ? 312 : 38;
    const double dir = side ? -1 : 1;
    c.moveTo(x, 36);
    c.lineTo(x + dir * 52, 36);
    c.cubicTo(x + dir * 40, 120, x + dir * 24, 170, x + dir * 14, 290);
    c.lineTo(x - dir * 6, 290);
    c.closeSubpath();
    shape(p, c, QColor(250, 176, 176), 2.2);
    p.setPen(QPen(QColor(252, 214, 214), 3));
    p.drawLine(QPointF(x + dir * 24, 50), QPointF(x + dir * 10, 270));
  }
  rect(p, QRectF(30, 28, 290, 10), kWoodDark, 2, 4);
  // Window sill with a little plant.
  rect(p, QRectF(36, 278, 278, 12), kWood, 2.2, 3);
  QPainterPath pot;
  pot.moveTo(240, 254);
  pot.lineTo(274, 254);
  pot.lineTo(268, 278);
  pot.lineTo(246, 278);
  pot.closeSubpath();
  for (int i = 0; i < 5; ++i) {
    p.save();
    p.translate(257, 254);
    p.rotate(-60 + i * 30);
    QPainterPath leafPath;
    leafPath.moveTo(0, 0);
    leafPath.cubicTo(-7, -12, -4, -26, 0, -30);
    leafPath.cubicTo(4, -26, 7, -12, 0, 0);
    shape(p, leafPath, QColor(100, 180, 90), 1.6);
    p.restore();
  }
  shape(p, pot, QColor(214, 110, 70), 2);
}

void cupboard(QPainter& p) {
  // Wall cupboard: 368, 70 - 542, 242.
  rect(p, QRectF(368, 70, 174, 172), kWood, 2.8, 6);
  for (int d = 0; d < 2; ++d) {
    const QRectF door(378 + d * 80, 80, 74, 152);
    rect(p, door, QColor(226, 180, 130), 2.2, 4);
    const QRectF glass = door.adjusted(9, 9, -9, -9);
    rect(p, glass, QColor(222, 238, 240), 1.8, 3);
    p.save();
    p.setClipRect(glass);
    // Plates and cups on two shelves.
    p.setPen(QPen(kWoodDark, 3));
    p.drawLine(QPointF(glass.left(), glass.center().y()),
               QPointF(glass.right(), glass.center().y()));
    for (int i = 0; i < 3; ++i)
      shapeEllipse(p, QPointF(glass.left() + 12 + i * 7, glass.top() + 40), 5, 18,
                   QColor(248, 246, 240), 1.6);
    QPainterPath cup;
    cup.addRoundedRect(QRectF(glass.left() + 14, glass.bottom() - 30, 22, 26), 4, 4);
    shape(p, cup, d ? QColor(140, 190, 240) : QColor(250, 170, 170), 1.8);
    p.restore();
    shapeEllipse(p, QPointF(d ? door.left() + 8 : door.right() - 8, door.center().y()), 4, 4,
                 QColor(250, 220, 120), 1.6);
  }
}

void clock(QPainter& p) {
  const QPointF c(700, 120);
  shapeEllipse(p, c, 40, 40, QColor(250, 176, 80), 2.6);
  shapeEllipse(p, c, 32, 32, QColor(254, 252, 244), 2);
  p.setPen(inkPen(2));
  for (int i = 0; i < 12; ++i) {
    const double a = i * M_PI / 6;
    p.drawLine(QPointF(c.x() + 26 * std::cos(a), c.y() + 26 * std::sin(a)),
               QPointF(c.x() + 29 * std::cos(a), c.y() + 29 * std::sin(a)));
  }
  p.setPen(inkPen(3.2));
  p.drawLine(c, QPointF(c.x(), c.y() - 20));  // twelve o'clock: lunch time
  p.drawLine(c, QPointF(c.x() + 1, c.y() - 14));
  shapeEllipse(p, c, 3, 3, kInk, 0);
}

void utensils(QPainter& p) {
  rect(p, QRectF(14, 330, 190, 8), QColor(200, 200, 204), 2, 3);
  const QColor steel(206, 210, 216);
  for (int i = 0; i < 4; ++i) {
    const double x = 40 + i * 44;
    p.setPen(inkPen(2));
    p.drawLine(QPointF(x, 338), QPointF(x, 344));
    QPainterPath handle;
    handle.addRoundedRect(QRectF(x - 4, 344, 8, 44), 4, 4);
    shape(p, handle, i % 2 ? QColor(230, 120, 90) : QColor(120, 170, 220), 2);
    if (i == 0) shapeEllipse(p, QPointF(x, 398), 12, 9, steel, 2);                  // ladle
    if (i == 1) rect(p, QRectF(x - 10, 386, 20, 22), QColor(240, 210, 150), 2, 4);  // turner
    if (i == 2) shapeEllipse(p, QPointF(x, 394), 6, 9, steel, 2);                   // spoon
    if (i == 3) {                                                                   // whisk
      for (int k = -1; k <= 1; ++k)
        shapeEllipse(p, QPointF(x + k * 2, 398), 6 - qAbs(k) * 2, 12, Qt::transparent, 1.6);
    }
  }
}

void counter(QPainter& p) {
  // Counter top from the wall (y 455) to the front edge (y 530), cabinets down to the floor.
  QPainterPath top;
  top.addRect(QRectF(-4, 452, 866, 80));
  shape(p, top, kCounter, 2.8);
  p.setPen(QPen(QColor(250, 248, 242), 3));
  p.drawLine(QPointF(0, 462), QPointF(860, 462));
  rect(p, QRectF(-4, 532, 866, 70), kWood, 2.8);
  for (int i = 0; i < 6; ++i) {
    const QRectF door(14 + i * 142, 542, 128, 50);
    rect(p, door, QColor(226, 180, 130), 2.2, 5);
    rect(p, QRectF(door.center().x() - 16, door.top() + 8, 32, 6), QColor(250, 226, 150), 1.6, 3);
  }
  rect(p, QRectF(-4, 600, 866, 12), kWoodDark, 2.4);
}

void stove(QPainter& p) {
  rect(p, QRectF(6, 466, 190, 60), QColor(96, 96, 104), 2.6, 6);
  for (const QPointF c : {QPointF(54, 512), QPointF(142, 506)}) {
    shapeEllipse(p, c, 30, 10, QColor(60, 60, 66), 2);
    p.setPen(QPen(QColor(120, 180, 250), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 18, 5);
  }
  for (int i = 0; i < 2; ++i)
    shapeEllipse(p, QPointF(60 + i * 80, 566), 9, 9, QColor(236, 236, 240), 2);
}

void pot(QPainter& p) {
  // 108, 468 - 175, 512.
  const QColor red(226, 84, 70);
  QPainterPath body;
  body.moveTo(112, 482);
  body.lineTo(114, 506);
  body.quadTo(141, 514, 168, 506);
  body.lineTo(170, 482);
  body.closeSubpath();
  shape(p, body, red, 2.4);
  for (int side = 0; side < 2; ++side)
    rect(p, QRectF(side ? 168 : 106, 484, 8, 6), QColor(80, 80, 86), 1.8, 2);
  shapeEllipse(p, QPointF(141, 482), 30, 7, lighter(red, 115), 2.2);
  shapeEllipse(p, QPointF(141, 474), 6, 4, QColor(80, 80, 86), 1.8);
  p.setPen(QPen(QColor(240, 240, 240), 2, Qt::SolidLine, Qt::RoundCap));
  for (int i = -1; i <= 1; ++i) {
    QPainterPath steam;
    steam.moveTo(141 + i * 12, 468);
    steam.cubicTo(137 + i * 12, 460, 145 + i * 12, 452, 141 + i * 12, 444);
    p.drawPath(steam);
  }
}

void fryingPan(QPainter& p) {
  // 17, 492 - 90, 523.
  QPainterPath handle;
  handle.addRoundedRect(QRectF(66, 497, 26, 7), 3, 3);
  shape(p, handle, QColor(110, 70, 40), 2);
  shapeEllipse(p, QPointF(44, 510), 27, 11, QColor(70, 70, 76), 2.4);
  shapeEllipse(p, QPointF(44, 508), 22, 8, QColor(110, 110, 118), 0);
  // A fried egg in the pan.
  shapeEllipse(p, QPointF(42, 508), 10, 5, QColor(252, 250, 244), 1.4);
  shapeEllipse(p, QPointF(43, 507), 4, 2.5, QColor(250, 180, 30), 1.2);
}

void sink(QPainter& p) {
  rect(p, QRectF(330, 470, 190, 46), QColor(206, 212, 220), 2.4, 10);
  rect(p, QRectF(342, 476, 166, 34), QColor(180, 188, 198), 1.8, 8);
  QPainterPath tap;
  tap.moveTo(425, 470);
  tap.lineTo(425, 420);
  tap.quadTo(425, 408, 440, 408);
  tap.lineTo(456, 408);
  tap.lineTo(456, 418);
  p.setPen(QPen(kInk, 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(tap);
  p.setPen(QPen(QColor(214, 218, 226), 5.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(tap);
  // A cutting board with a carrot beside the sink.
  rect(p, QRectF(540, 476, 70, 30), QColor(236, 200, 140), 2, 5);
  QPainterPath carrot;
  carrot.moveTo(552, 490);
  carrot.lineTo(596, 484);
  carrot.lineTo(596, 496);
  carrot.closeSubpath();
  shape(p, carrot, QColor(244, 140, 50), 1.6);
}

void recipeBook(QPainter& p) {
  // 180, 406 - 283, 453: an open book standing on a little stand.
  rect(p, QRectF(186, 440, 92, 13), kWoodDark, 2, 3);
  QPainterPath cover;
  cover.moveTo(182, 412);
  cover.quadTo(231, 402, 281, 412);
  cover.lineTo(281, 448);
  cover.quadTo(231, 440, 182, 448);
  cover.closeSubpath();
  shape(p, cover, QColor(220, 80, 70), 2.4);
  for (int side = 0; side < 2; ++side) {
    QPainterPath page;
    const double x0 = side ? 231 : 187, x1 = side ? 276 : 231;
    page.moveTo(x0, 410);
    page.quadTo((x0 + x1) / 2, side ? 404 : 412, x1, 408);
    page.lineTo(x1, 442);
    page.quadTo((x0 + x1) / 2, side ? 438 : 446, x0, 444);
    page.closeSubpath();
    shape(p, page, QColor(254, 250, 236), 1.8);
  }
  shapeEllipse(p, QPointF(209, 424), 11, 7, QColor(250, 200, 80), 1.4);  // a little dish
  shapeEllipse(p, QPointF(209, 422), 5, 3, QColor(230, 80, 60), 0);
  p.setPen(QPen(QColor(170, 150, 130), 1.6));
  for (int i = 0; i < 4; ++i) p.drawLine(QPointF(238, 416 + i * 7), QPointF(270, 415 + i * 7));
}

void riceCooker(QPainter& p) {
  // 623, 411 - 696, 463.
  QPainterPath body;
  body.addRoundedRect(QRectF(625, 422, 69, 40), 12, 12);
  shape(p, body, QColor(252, 246, 236), 2.4);
  QPainterPath lid;
  lid.moveTo(627, 430);
  lid.quadTo(659, 404, 692, 430);
  lid.closeSubpath();
  shape(p, lid, QColor(250, 200, 206), 2.2);
  rect(p, QRectF(649, 438, 22, 12), QColor(120, 180, 220), 1.6, 3);
  shapeEllipse(p, QPointF(660, 413), 6, 3, QColor(240, 150, 160), 1.4);
}

void oven(QPainter& p) {
  // 755, 413 - 863, 490.
  rect(p, QRectF(756, 414, 106, 75), QColor(246, 244, 238), 2.6, 8);
  rect(p, QRectF(764, 422, 66, 58), QColor(80, 70, 70), 2.2, 5);
  rect(p, QRectF(770, 428, 54, 46), QColor(250, 200, 120), 0, 4);
  p.setPen(QPen(QColor(255, 232, 180), 3));
  p.drawLine(QPointF(776, 470), QPointF(790, 434));
  for (int i = 0; i < 2; ++i)
    shapeEllipse(p, QPointF(846, 436 + i * 24), 7, 7, QColor(200, 204, 210), 1.8);
}

void refrigerator(QPainter& p) {
  // Refrigerator 862, 186 - 1023, 430 and freezer 862, 430 - 1023, 552.
  const QColor body(226, 240, 250);
  QPainterPath shell;
  shell.addRoundedRect(QRectF(863, 187, 160, 365), 12, 12);
  shape(p, shell, body, 3);
  rect(p, QRectF(867, 191, 152, 236), lighter(body, 103), 2.4, 9);
  rect(p, QRectF(867, 433, 152, 115), lighter(body, 103), 2.4, 9);
  rect(p, QRectF(878, 250, 9, 110), QColor(190, 204, 220), 2, 4);
  rect(p, QRectF(900, 446, 90, 9), QColor(190, 204, 220), 2, 4);
  // A child's drawing held by a magnet, and a heart magnet.
  rect(p, QRectF(920, 220, 72, 60), QColor(254, 252, 240), 2, 2);
  shapeEllipse(p, QPointF(944, 254), 12, 12, QColor(250, 210, 80), 1.6);
  p.setPen(QPen(QColor(240, 120, 120), 2));
  p.drawLine(QPointF(960, 266), QPointF(982, 244));
  shapeEllipse(p, QPointF(956, 220), 6, 6, QColor(90, 170, 230), 1.6);
  QPainterPath heart;
  heart.moveTo(950, 320);
  heart.cubicTo(938, 308, 946, 296, 956, 306);
  heart.cubicTo(966, 296, 974, 308, 962, 320);
  heart.lineTo(956, 326);
  heart.closeSubpath();
  shape(p, heart, QColor(240, 110, 130), 1.8);
}

void table(QPainter& p) {
  QPainterPath floor;
  floor.addRect(QRectF(-4, 552, 1032, 110));
  shape(p, floor, QColor(224, 196, 160), 0);
  p.setPen(QPen(QColor(204, 174, 136), 2));
  for (int i = 0; i < 5; ++i) p.drawLine(QPointF(0, 570 + i * 20), QPointF(1024, 570 + i * 20));
  QPainterPath top;
  top.addRect(QRectF(-4, 652, 1032, 120));
  QLinearGradient g(0, 652, 0, 768);
  g.setColorAt(0, QColor(236, 196, 150));
  g.setColorAt(1, QColor(220, 176, 126));
  p.setBrush(g);
  p.setPen(inkPen(3));
  p.drawPath(top);
  p.setPen(QPen(QColor(246, 214, 172), 3));
  p.drawLine(QPointF(0, 660), QPointF(1024, 660));
  // A checked place mat under the lunch box.
  QPainterPath mat;
  mat.moveTo(300, 690);
  mat.lineTo(724, 690);
  mat.lineTo(760, 772);
  mat.lineTo(264, 772);
  mat.closeSubpath();
  shape(p, mat, QColor(250, 214, 214), 2.4);
  p.save();
  p.setClipPath(mat);
  p.setPen(QPen(QColor(244, 170, 170), 8));
  for (int i = 0; i < 14; ++i) {
    const double x = 280 + i * 36;
    p.drawLine(QPointF(x, 690), QPointF(x + (x - 512) * 0.2, 772));
  }
  for (int y = 700; y < 772; y += 22) p.drawLine(QPointF(250, y), QPointF(780, y));
  p.restore();
}

}  // namespace

QImage paintKitchen() {
  QImage img = solid(1024, 768, kWall);
  QPainter p(&img);
  prepare(p);
  // Soft tiles behind the counter.
  QPainterPath tiles;
  tiles.addRect(QRectF(-4, 300, 868, 156));
  shape(p, tiles, QColor(236, 246, 244), 0);
  p.setPen(QPen(QColor(214, 230, 228), 1.5));
  for (int y = 300; y < 456; y += 26) p.drawLine(QPointF(0, y), QPointF(862, y));
  for (int x = 0; x < 862; x += 26) p.drawLine(QPointF(x, 300), QPointF(x, 452));
  p.setPen(QPen(QColor(246, 226, 196), 6));
  p.drawLine(QPointF(0, 298), QPointF(862, 298));
  window(p);
  cupboard(p);
  clock(p);
  utensils(p);
  table(p);
  counter(p);
  stove(p);
  sink(p);
  recipeBook(p);
  riceCooker(p);
  oven(p);
  pot(p);
  fryingPan(p);
  refrigerator(p);
  return img;
}

QImage paintExitSign() {
  QImage img = solid(104, 104, QColor(252, 240, 216));
  QPainter p(&img);
  prepare(p);
  rect(p, QRectF(4, 4, 96, 96), QColor(60, 170, 100), 3, 14);
  // A door and a child walking out of it.
  rect(p, QRectF(56, 16, 32, 54), QColor(250, 246, 230), 2.4, 3);
  shapeEllipse(p, QPointF(34, 26), 8, 8, QColor(250, 246, 230), 2.2);
  p.setPen(QPen(QColor(250, 246, 230), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawLine(QPointF(34, 36), QPointF(30, 52));
  p.drawLine(QPointF(30, 52), QPointF(22, 66));
  p.drawLine(QPointF(30, 52), QPointF(40, 64));
  p.drawLine(QPointF(33, 40), QPointF(46, 46));
  p.drawLine(QPointF(33, 40), QPointF(22, 46));
  p.setFont(jpFont(20, true));
  centredText(p, QPointF(52, 86), u"でぐち"_s, QColor(255, 255, 250));
  return img;
}

}  // namespace art
