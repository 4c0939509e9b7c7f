// Vegetable, potato, bean, dairy and seaweed side dishes.
#include <QtMath>

#include "dish_paint.h"

namespace art {

namespace {

QPointF spot(Rng& rng, const Bed& bed, double spread, double lift) {
  const double a = rng.uniform(0, 2 * M_PI), r = std::sqrt(rng.uniform(0, 1)) * spread;
  return QPointF(bed.c.x() + std::cos(a) * bed.rx * r, bed.c.y() - lift + std::sin(a) * bed.ry * r);
}

void chunk(QPainter& p, Rng& rng, QPointF c, double r, QColor colour) {
  p.save();
  p.translate(c);
  p.rotate(rng.uniform(-30, 30));
  QPainterPath path;
  path.moveTo(-r, r * 0.5);
  path.lineTo(-r * 0.7, -r * 0.6);
  path.lineTo(r * 0.6, -r * 0.7);
  path.lineTo(r, r * 0.4);
  path.closeSubpath();
  shape(p, path, colour, 1.5);
  p.setPen(QPen(lighter(colour, 120), 1.2));
  p.drawLine(QPointF(-r * 0.5, -r * 0.4), QPointF(r * 0.4, -r * 0.5));
  p.restore();
}

void stick(QPainter& p, QPointF c, double len, double w, double angle, QColor colour) {
  p.save();
  p.translate(c);
  p.rotate(angle);
  QPainterPath s;
  s.addRoundedRect(QRectF(-len / 2, -w / 2, len, w), w * 0.3, w * 0.3);
  shape(p, s, colour, 1.2);
  p.restore();
}

// A mound of mixed pieces in a bowl or cup.
void heap(DishContext& ctx, const Bed& bed, const QColor* colours, int kinds, int n, double r) {
  for (int i = 0; i < n; ++i)
    chunk(ctx.p, ctx.rng, spot(ctx.rng, bed, 0.75, 4 + (i % 3) * 2), r, colours[i % kinds]);
}

void cucumberSlice(QPainter& p, QPointF c, double r) {
  shapeEllipse(p, c, r, r * 0.7, QColor(70, 140, 60), 1.3);
  shapeEllipse(p, c, r * 0.78, r * 0.54, QColor(214, 238, 170), 0);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(170, 206, 130));
  p.drawEllipse(c, r * 0.3, r * 0.2);
}

void drawSalad(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  const auto& ex = ctx.plan.extras;
  const QColor greens[] = {QColor(150, 206, 90), QColor(110, 180, 70), QColor(176, 220, 110)};
  for (int i = 0; i < 7; ++i)
    leaf(p, spot(rng, bed, 0.6, 6), bed.rx * 0.42, rng.uniform(0, 360), greens[i % 3]);
  if (ex.contains(Extra::Cucumber) || rng.chance(0.5))
    for (int i = 0; i < 3; ++i) cucumberSlice(p, spot(rng, bed, 0.6, 8), 5);
  if (ex.contains(Extra::Corn))
    scatterBits(p, rng, Bed{QPointF(bed.c.x(), bed.c.y() - 8), bed.rx * 0.6, bed.ry}, 8,
                QColor(250, 210, 60), 3, 2);
  if (ex.contains(Extra::Carrot))
    for (int i = 0; i < 4; ++i)
      stick(p, spot(rng, bed, 0.6, 8), 10, 2.2, rng.uniform(0, 180), QColor(240, 140, 50));
  tomatoWedge(p, QPointF(bed.c.x() + bed.rx * 0.35, bed.c.y() - 8), 7, 10);
  tomatoWedge(p, QPointF(bed.c.x() - bed.rx * 0.3, bed.c.y() - 5), 6.5, -15);
}

void drawOhitashi(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  const auto& ex = ctx.plan.extras;
  const QPointF c(bed.c.x(), bed.c.y() - 5);
  QPainterPath log;
  log.addRoundedRect(QRectF(c.x() - bed.rx * 0.6, c.y() - 7, bed.rx * 1.2, 14), 6, 6);
  shape(p, log, QColor(52, 122, 56), 1.8);
  p.setPen(QPen(QColor(90, 160, 80), 1.3));
  for (int i = 1; i < 4; ++i)
    p.drawLine(QPointF(c.x() - bed.rx * 0.6 + i * bed.rx * 0.3, c.y() - 6),
               QPointF(c.x() - bed.rx * 0.6 + i * bed.rx * 0.3, c.y() + 6));
  const QColor top = ex.contains(Extra::Sesame) ? QColor(236, 220, 180) : QColor(236, 180, 150);
  scatterBits(p, rng, Bed{QPointF(c.x(), c.y() - 5), bed.rx * 0.4, 3}, 7, top, 3.4, 3);
}

void drawNimono(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  const QColor colours[] = {QColor(240, 140, 50), QColor(238, 206, 130), QColor(150, 110, 80),
                            QColor(120, 120, 120), QColor(100, 170, 70)};
  shapeEllipse(p, bed.c, bed.rx, bed.ry, QColor(190, 140, 90), 0);
  if (ctx.plan.colours.size() >= 2)
    heap(ctx, bed, ctx.plan.colours.constData(), ctx.plan.colours.size(), 9, bed.rx * 0.24);
  else
    heap(ctx, bed, colours, 5, 9, bed.rx * 0.24);
}

void drawStirFry(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  const QColor colours[] = {QColor(160, 210, 100), QColor(240, 140, 50), QColor(222, 176, 150),
                            QColor(246, 236, 206), QColor(90, 160, 70)};
  const bool own = ctx.plan.colours.size() >= 1;
  for (int i = 0; i < 14; ++i)
    scatterBits(p, rng, Bed{QPointF(bed.c.x(), bed.c.y() - 5), bed.rx * 0.8, bed.ry}, 1,
                own ? ctx.plan.colours[i % ctx.plan.colours.size()] : colours[i % 5], 8, 3);
}

void drawKinpira(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  for (int i = 0; i < 16; ++i)
    stick(p, spot(rng, bed, 0.7, 5), 14, 2.4, rng.uniform(-40, 40),
          (i % 3) ? QColor(150, 100, 60) : QColor(240, 140, 50));
  scatterBits(p, rng, Bed{QPointF(bed.c.x(), bed.c.y() - 6), bed.rx * 0.6, bed.ry * 0.6}, 8,
              QColor(250, 246, 230), 1.6, 2);
}

void drawBroccoli(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  for (int i = 0; i < 3; ++i)
    broccoliFloret(p, QPointF(bed.c.x() - 12 + i * 12, bed.c.y() - 10 - (i % 2) * 4), 10);
}

void drawTomato(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  const auto& ex = ctx.plan.extras;
  if (ex.contains(Extra::TomatoWedge) && !ctx.plan.bento && rng.chance(0.3)) {
    for (int i = 0; i < 4; ++i) tomatoWedge(p, spot(rng, bed, 0.5, 6), 9, rng.uniform(-30, 30));
  } else {
    for (int i = 0; i < 3; ++i) {
      const QPointF c(bed.c.x() - 12 + i * 12, bed.c.y() - 8 - (i % 2) * 5);
      shapeEllipse(p, c, 9, 8.5, QColor(226, 50, 44), 1.8);
      shapeEllipse(p, QPointF(c.x() - 3, c.y() - 3), 2.5, 1.6, QColor(250, 150, 130), 0);
      leaf(p, QPointF(c.x(), c.y() - 8), 3.2, -90, QColor(80, 150, 60));
    }
  }
}

void drawPotato(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  const auto& ex = ctx.plan.extras;
  for (int i = 0; i < 6; ++i)
    chunk(p, rng, spot(rng, bed, 0.65, 5 + (i % 2) * 3), bed.rx * 0.28, QColor(244, 220, 140));
  if (ex.contains(Extra::Parsley) || rng.chance(0.4))
    scatterBits(p, rng, Bed{QPointF(bed.c.x(), bed.c.y() - 7), bed.rx * 0.5, bed.ry * 0.5}, 6,
                QColor(80, 150, 60), 2, 2);
}

void drawFries(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  for (int i = 0; i < 11; ++i)
    stick(p, spot(rng, bed, 0.55, 8), 26, 5, rng.uniform(-70, 70), QColor(246, 206, 90));
}

void drawPotatoSalad(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  const QPainterPath m = blobPath(QPointF(bed.c.x(), bed.c.y() - 6), bed.rx * 0.8, bed.ry * 1.5,
                                  0.08, 6, rng.uniform(0, 6));
  shape(p, m, QColor(250, 238, 190), 1.8);
  scatterBits(p, rng, Bed{QPointF(bed.c.x(), bed.c.y() - 7), bed.rx * 0.6, bed.ry}, 5,
              QColor(240, 140, 50), 3.6, 0);
  for (int i = 0; i < 3; ++i) cucumberSlice(p, spot(rng, bed, 0.5, 8), 3.6);
}

void drawSweetPotato(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  for (int i = 0; i < 5; ++i) {
    const QPointF c = spot(rng, bed, 0.6, 6 + (i % 2) * 3);
    chunk(p, rng, c, bed.rx * 0.27, QColor(250, 200, 70));
    p.setPen(QPen(QColor(150, 50, 110), 2.6));
    p.drawLine(QPointF(c.x() - bed.rx * 0.2, c.y() + bed.rx * 0.12),
               QPointF(c.x() + bed.rx * 0.22, c.y() + bed.rx * 0.08));
  }
}

void drawNatto(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  const auto& ex = ctx.plan.extras;
  shapeEllipse(p, bed.c, bed.rx * 0.9, bed.ry * 0.9, QColor(170, 120, 60), 0);
  for (int i = 0; i < 18; ++i)
    shapeEllipse(p, spot(rng, bed, 0.75, 2), 3.6, 2.8, QColor(176, 120, 56), 1.1);
  p.setPen(QPen(QColor(246, 240, 220), 0.9));
  for (int i = 0; i < 6; ++i) p.drawLine(spot(rng, bed, 0.7, 3), spot(rng, bed, 0.7, 3));
  if (ex.contains(Extra::Negi) || rng.chance(0.5))
    scatterBits(p, rng, bed, 5, QColor(110, 180, 70), 3, 1);
}

void drawBeans(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  const auto& ex = ctx.plan.extras;
  const QColor bean = rng.chance(0.5) ? QColor(236, 206, 140) : QColor(190, 120, 80);
  for (int i = 0; i < 16; ++i)
    shapeEllipse(p, spot(rng, bed, 0.7, 4 + (i % 3)), 4.4, 3.4, bean, 1.2);
  if (ex.contains(Extra::Carrot)) scatterBits(p, rng, bed, 5, QColor(240, 140, 50), 3.6, 0);
  if (ex.contains(Extra::Wakame)) scatterBits(p, rng, bed, 5, QColor(40, 40, 40), 5, 3);
}

void drawTofu(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  const QPointF c(bed.c.x(), bed.c.y() - 10);
  QPainterPath front, topFace;
  front.addRoundedRect(QRectF(c.x() - 16, c.y() - 2, 32, 14), 2, 2);
  topFace.moveTo(c.x() - 16, c.y() - 2);
  topFace.lineTo(c.x() - 9, c.y() - 11);
  topFace.lineTo(c.x() + 21, c.y() - 11);
  topFace.lineTo(c.x() + 16, c.y() - 2);
  topFace.closeSubpath();
  QPainterPath side;
  side.moveTo(c.x() + 16, c.y() - 2);
  side.lineTo(c.x() + 21, c.y() - 11);
  side.lineTo(c.x() + 21, c.y() + 3);
  side.lineTo(c.x() + 16, c.y() + 12);
  side.closeSubpath();
  shape(p, side, QColor(226, 222, 204), 1.6);
  shape(p, front, QColor(248, 246, 232), 1.6);
  shape(p, topFace, QColor(252, 251, 242), 1.6);
  scatterBits(p, rng, Bed{QPointF(c.x() + 2, c.y() - 7), 8, 2.5}, 5, QColor(110, 180, 70), 3, 1);
  shapeEllipse(p, QPointF(c.x() + 6, c.y() - 7), 3, 2, QColor(246, 196, 90), 1.0);
}

void drawEdamame(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  for (int i = 0; i < 7; ++i) {
    p.save();
    p.translate(spot(rng, bed, 0.6, 6));
    p.rotate(rng.uniform(-60, 60));
    QPainterPath pod;
    pod.addRoundedRect(QRectF(-10, -3.6, 20, 7.2), 3.6, 3.6);
    shape(p, pod, QColor(110, 176, 70), 1.4);
    p.setPen(QPen(QColor(150, 206, 100), 1.2));
    for (int k = -1; k <= 1; ++k) p.drawEllipse(QPointF(k * 6, 0), 2.4, 2.0);
    p.restore();
  }
}

void drawCheese(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  const QPointF c(bed.c.x(), bed.c.y() - 8);
  QPainterPath w;
  w.moveTo(c.x() - 20, c.y() + 8);
  w.lineTo(c.x() + 20, c.y() + 8);
  w.lineTo(c.x() + 20, c.y() - 4);
  w.lineTo(c.x() - 20, c.y() - 2);
  w.closeSubpath();
  shape(p, w, QColor(250, 204, 70), 1.8);
  QPainterPath t;
  t.moveTo(c.x() - 20, c.y() - 2);
  t.lineTo(c.x() + 20, c.y() - 4);
  t.lineTo(c.x() + 10, c.y() - 14);
  t.closeSubpath();
  shape(p, t, QColor(252, 222, 110), 1.8);
  for (int i = 0; i < 3; ++i)
    shapeEllipse(p, QPointF(c.x() - 10 + i * 9, c.y() + 2 + (i % 2) * 2), 2.6, 2.2,
                 QColor(226, 170, 50), 0);
}

void drawYogurt(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  shapeEllipse(p, bed.c, bed.rx, bed.ry, QColor(252, 250, 246), 1.2);
  shapeEllipse(p, QPointF(bed.c.x() + 4, bed.c.y()), bed.rx * 0.35, bed.ry * 0.45,
               QColor(220, 60, 90), 1.2);
}

void drawHijiki(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  shapeEllipse(p, QPointF(bed.c.x(), bed.c.y() - 3), bed.rx * 0.8, bed.ry * 1.1, QColor(60, 50, 46),
               1.4);
  p.setPen(QPen(QColor(30, 26, 24), 1.6, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 20; ++i) {
    const QPointF a = spot(rng, bed, 0.7, 4);
    p.drawLine(a, QPointF(a.x() + rng.uniform(-5, 5), a.y() + rng.uniform(-2, 2)));
  }
  scatterBits(p, rng, Bed{QPointF(bed.c.x(), bed.c.y() - 4), bed.rx * 0.6, bed.ry * 0.8}, 5,
              QColor(240, 140, 50), 3.4, 0);
  scatterBits(p, rng, Bed{QPointF(bed.c.x(), bed.c.y() - 4), bed.rx * 0.6, bed.ry * 0.8}, 5,
              QColor(236, 210, 150), 3.4, 2);
}

void drawSmallFish(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  shapeEllipse(p, QPointF(bed.c.x(), bed.c.y() - 3), bed.rx * 0.8, bed.ry * 1.1,
               QColor(250, 246, 236), 1.4);
  for (int i = 0; i < 12; ++i) {
    p.save();
    p.translate(spot(rng, bed, 0.6, 4));
    p.rotate(rng.uniform(0, 360));
    QPainterPath f;
    f.moveTo(-5, 0);
    f.quadTo(0, -2, 4, 0);
    f.lineTo(6, -1.5);
    f.lineTo(6, 1.5);
    f.lineTo(4, 0);
    f.quadTo(0, 2, -5, 0);
    shape(p, f, QColor(214, 214, 220), 0.9);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(-3.5, -0.3), 0.6, 0.6);
    p.restore();
  }
}

void drawGeneric(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  const QColor colours[] = {QColor(240, 140, 50), QColor(120, 180, 70), QColor(236, 206, 150),
                            QColor(200, 110, 80), QColor(250, 210, 80)};
  const int start = rng.range(0, 4);
  for (int i = 0; i < 7; ++i)
    lump(p, rng, spot(rng, bed, 0.6, 6 + (i % 2) * 3), bed.rx * 0.25, colours[(start + i) % 5]);
}

// The foods of this family, each with the function that draws it.
const FoodPainter kFoods[] = {
    {Food::Salad, drawSalad},
    {Food::Ohitashi, drawOhitashi},
    {Food::Nimono, drawNimono},
    {Food::StirFry, drawStirFry},
    {Food::Kinpira, drawKinpira},
    {Food::Broccoli, drawBroccoli},
    {Food::Tomato, drawTomato},
    {Food::Potato, drawPotato},
    {Food::Fries, drawFries},
    {Food::PotatoSalad, drawPotatoSalad},
    {Food::SweetPotato, drawSweetPotato},
    {Food::Natto, drawNatto},
    {Food::Beans, drawBeans},
    {Food::Tofu, drawTofu},
    {Food::Edamame, drawEdamame},
    {Food::Cheese, drawCheese},
    {Food::Yogurt, drawYogurt},
    {Food::Hijiki, drawHijiki},
    {Food::SmallFish, drawSmallFish},
    {Food::Generic, drawGeneric},
};

}  // namespace

std::span<const FoodPainter> sideFoods() { return kFoods; }

}  // namespace art
