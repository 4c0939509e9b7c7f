// Fruit, desserts and drinks.
#include <QtMath>

#include "dish_paint.h"

namespace art {

namespace {

void apple(QPainter& p, QPointF c, double r, bool rabbit) {
  if (rabbit) {
    // Rabbit-cut apple slices, a lunch-box favourite.
    for (int i = 0; i < 2; ++i) {
      p.save();
      p.translate(c.x() + (i ? r * 0.55 : -r * 0.55), c.y());
      p.rotate(i ? 12 : -12);
      QPainterPath w;
      w.moveTo(-r * 0.6, 0);
      w.quadTo(0, -r * 0.9, r * 0.6, 0);
      w.quadTo(0, r * 0.5, -r * 0.6, 0);
      shape(p, w, QColor(252, 244, 210), 1.6);
      QPainterPath skin;
      skin.moveTo(-r * 0.6, 0);
      skin.quadTo(0, r * 0.5, r * 0.6, 0);
      skin.lineTo(r * 0.75, r * 0.32);
      skin.lineTo(r * 0.2, r * 0.2);
      skin.quadTo(0, r * 0.55, -r * 0.6, 0);
      shape(p, skin, QColor(214, 40, 50), 1.4);
      p.restore();
    }
    return;
  }
  QPainterPath a;
  a.moveTo(c.x(), c.y() - r * 0.7);
  a.cubicTo(c.x() + r * 0.5, c.y() - r * 1.1, c.x() + r * 1.1, c.y() - r * 0.6, c.x() + r,
            c.y() + r * 0.1);
  a.cubicTo(c.x() + r * 0.9, c.y() + r * 0.8, c.x() + r * 0.3, c.y() + r, c.x(), c.y() + r * 0.85);
  a.cubicTo(c.x() - r * 0.3, c.y() + r, c.x() - r * 0.9, c.y() + r * 0.8, c.x() - r,
            c.y() + r * 0.1);
  a.cubicTo(c.x() - r * 1.1, c.y() - r * 0.6, c.x() - r * 0.5, c.y() - r * 1.1, c.x(),
            c.y() - r * 0.7);
  shape(p, a, QColor(220, 44, 50), 1.8);
  shapeEllipse(p, QPointF(c.x() - r * 0.45, c.y() - r * 0.3), r * 0.18, r * 0.12,
               QColor(250, 150, 140), 0);
  p.setPen(QPen(QColor(110, 70, 40), 2.2));
  p.drawLine(QPointF(c.x(), c.y() - r * 0.7), QPointF(c.x() + r * 0.1, c.y() - r * 1.05));
  leaf(p, QPointF(c.x() + r * 0.35, c.y() - r * 0.95), r * 0.28, -20, QColor(90, 170, 70));
}

void banana(QPainter& p, QPointF c, double len) {
  QPainterPath b;
  b.moveTo(c.x() - len * 0.5, c.y() - len * 0.2);
  b.cubicTo(c.x() - len * 0.3, c.y() + len * 0.2, c.x() + len * 0.3, c.y() + len * 0.2,
            c.x() + len * 0.5, c.y() - len * 0.25);
  b.cubicTo(c.x() + len * 0.3, c.y() + len * 0.02, c.x() - len * 0.3, c.y() + len * 0.02,
            c.x() - len * 0.5, c.y() - len * 0.2);
  shape(p, b, QColor(250, 214, 60), 1.8);
  p.setPen(QPen(QColor(110, 80, 40), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawPoint(QPointF(c.x() + len * 0.5, c.y() - len * 0.25));
  p.drawPoint(QPointF(c.x() - len * 0.5, c.y() - len * 0.2));
}

void mikan(QPainter& p, QPointF c, double r, bool peeled) {
  if (peeled) {
    for (int i = 0; i < 7; ++i) {
      const double a = 2 * M_PI * i / 7;
      p.save();
      p.translate(c.x() + std::cos(a) * r * 0.45, c.y() + std::sin(a) * r * 0.35);
      p.rotate(a * 180 / M_PI + 90);
      shapeEllipse(p, QPointF(0, 0), r * 0.28, r * 0.5, QColor(250, 170, 50), 1.3);
      p.restore();
    }
    return;
  }
  shapeEllipse(p, c, r, r * 0.85, QColor(250, 150, 30), 1.8);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(252, 190, 100));
  p.drawEllipse(QPointF(c.x() - r * 0.35, c.y() - r * 0.3), r * 0.22, r * 0.14);
  leaf(p, QPointF(c.x() + r * 0.2, c.y() - r * 0.85), r * 0.3, -10, QColor(80, 150, 60));
}

void strawberry(QPainter& p, QPointF c, double r) {
  QPainterPath s;
  s.moveTo(c.x(), c.y() + r);
  s.cubicTo(c.x() - r * 1.1, c.y() + r * 0.1, c.x() - r * 0.9, c.y() - r * 0.8, c.x(),
            c.y() - r * 0.7);
  s.cubicTo(c.x() + r * 0.9, c.y() - r * 0.8, c.x() + r * 1.1, c.y() + r * 0.1, c.x(), c.y() + r);
  shape(p, s, QColor(226, 40, 56), 1.6);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(252, 226, 140));
  for (int i = 0; i < 6; ++i)
    p.drawEllipse(QPointF(c.x() + ((i % 3) - 1) * r * 0.4, c.y() - r * 0.15 + (i / 3) * r * 0.45),
                  r * 0.07, r * 0.1);
  for (int i = -1; i <= 1; ++i)
    leaf(p, QPointF(c.x() + i * r * 0.3, c.y() - r * 0.75), r * 0.3, -90 + i * 50,
         QColor(80, 160, 60));
}

void grapes(QPainter& p, QPointF c, double r) {
  const QColor g(128, 60, 150);
  const int rows[] = {4, 3, 2, 1};
  for (int row = 0; row < 4; ++row)
    for (int i = 0; i < rows[row]; ++i) {
      const QPointF q(c.x() + (i - (rows[row] - 1) / 2.0) * r * 0.5,
                      c.y() - r * 0.5 + row * r * 0.42);
      shapeEllipse(p, q, r * 0.26, r * 0.26, g, 1.3);
      shapeEllipse(p, QPointF(q.x() - r * 0.08, q.y() - r * 0.08), r * 0.07, r * 0.05,
                   QColor(196, 150, 210), 0);
    }
  p.setPen(QPen(QColor(110, 80, 40), 2.4));
  p.drawLine(QPointF(c.x(), c.y() - r * 0.75), QPointF(c.x() + r * 0.1, c.y() - r));
}

void slice(QPainter& p, QPointF c, double r, QColor rind, QColor flesh, QColor seeds,
           double angle) {
  p.save();
  p.translate(c);
  p.rotate(angle);
  QPainterPath w;
  w.moveTo(-r, 0);
  w.arcTo(QRectF(-r, -r, 2 * r, 2 * r), 180, -180);
  w.closeSubpath();
  shape(p, w, rind, 1.8);
  QPainterPath in;
  in.moveTo(-r * 0.82, 0);
  in.arcTo(QRectF(-r * 0.82, -r * 0.82, 1.64 * r, 1.64 * r), 180, -180);
  in.closeSubpath();
  shape(p, in, flesh, 0);
  if (seeds.isValid()) {
    p.setPen(Qt::NoPen);
    p.setBrush(seeds);
    for (int i = 0; i < 5; ++i)
      p.drawEllipse(QPointF(-r * 0.45 + i * r * 0.22, -r * 0.35 - (i % 2) * r * 0.15), r * 0.05,
                    r * 0.08);
  }
  p.restore();
}

void liquidInGlass(QPainter& p, QColor colour, double level) {
  QPainterPath glass;
  glass.moveTo(29, 18);
  glass.lineTo(35, 88);
  glass.quadTo(50, 92, 65, 88);
  glass.lineTo(71, 18);
  glass.closeSubpath();
  p.save();
  p.setClipPath(glass);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawRect(QRectF(20, level, 60, 80));
  p.setBrush(lighter(colour, 112));
  p.drawEllipse(QPointF(50, level), 20, 4);
  p.restore();
}

void drawApple(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  const QPointF top(bed.c.x(), bed.c.y() - 8);
  apple(p, top, bed.rx * 0.55, false);
}

void drawBanana(DishContext& ctx, const Bed&) {
  QPainter& p = ctx.p;
  banana(p, QPointF(50, 60), 70);
  banana(p, QPointF(52, 68), 66);
}

void drawMikan(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  mikan(p, QPointF(bed.c.x(), bed.c.y() - 10), bed.rx * 0.62, rng.chance(0.4));
}

void drawStrawberry(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  strawberry(p, QPointF(bed.c.x() - 10, bed.c.y() - 8), 10);
  strawberry(p, QPointF(bed.c.x() + 10, bed.c.y() - 10), 10);
  strawberry(p, QPointF(bed.c.x(), bed.c.y() - 2), 10);
}

void drawGrapes(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  grapes(p, QPointF(bed.c.x(), bed.c.y() - 14), 26);
}

void drawMelon(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  const QPointF top(bed.c.x(), bed.c.y() - 8);
  slice(p, top, bed.rx * 0.8, QColor(120, 170, 80), QColor(200, 236, 150), QColor(), 0);
}

void drawWatermelon(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  const QPointF top(bed.c.x(), bed.c.y() - 8);
  slice(p, top, bed.rx * 0.8, QColor(70, 150, 70), QColor(236, 70, 80), QColor(40, 30, 30), 0);
}

void drawKiwi(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  for (int i = 0; i < 2; ++i) {
    const QPointF c(bed.c.x() + (i ? 11 : -11), bed.c.y() - 8);
    shapeEllipse(p, c, 12, 10, QColor(150, 110, 60), 1.6);
    shapeEllipse(p, c, 10, 8.4, QColor(140, 196, 70), 0);
    shapeEllipse(p, c, 3.4, 2.8, QColor(236, 240, 200), 0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 20));
    for (int k = 0; k < 8; ++k) {
      const double a = 2 * M_PI * k / 8;
      p.drawEllipse(QPointF(c.x() + std::cos(a) * 5.6, c.y() + std::sin(a) * 4.6), 0.8, 0.8);
    }
  }
}

void drawPineapple(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  for (int i = 0; i < 3; ++i) {
    p.save();
    p.translate(bed.c.x() - 12 + i * 12, bed.c.y() - 8 - (i % 2) * 3);
    p.rotate(-10 + i * 10);
    QPainterPath w;
    w.moveTo(-8, 8);
    w.lineTo(0, -12);
    w.lineTo(8, 8);
    w.closeSubpath();
    shape(p, w, QColor(252, 220, 80), 1.6);
    p.restore();
  }
}

void drawPeach(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  const QPointF top(bed.c.x(), bed.c.y() - 8);
  shapeEllipse(p, top, bed.rx * 0.55, bed.rx * 0.5, QColor(250, 190, 170), 1.8);
  p.setPen(QPen(QColor(226, 130, 120), 1.6));
  p.drawArc(QRectF(top.x() - 4, top.y() - bed.rx * 0.45, 10, bed.rx * 0.9), 100 * 16, 160 * 16);
  leaf(p, QPointF(top.x() + 6, top.y() - bed.rx * 0.5), 6, -30, QColor(90, 170, 70));
}

void drawCherry(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  for (int i = 0; i < 2; ++i) {
    const QPointF c(bed.c.x() + (i ? 9 : -9), bed.c.y() - 6);
    p.setPen(QPen(QColor(110, 140, 60), 1.8));
    p.drawLine(c, QPointF(bed.c.x() + 2, bed.c.y() - 30));
    shapeEllipse(p, c, 8, 7.5, QColor(200, 20, 50), 1.6);
  }
}

void drawFruitMix(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  mikan(p, QPointF(bed.c.x() - 10, bed.c.y() - 8), 9, false);
  strawberry(p, QPointF(bed.c.x() + 10, bed.c.y() - 8), 8);
  grapes(p, QPointF(bed.c.x(), bed.c.y() - 4), 12);
}

void drawPudding(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  const QPointF c(bed.c.x(), bed.c.y());
  QPainterPath body;
  body.moveTo(c.x() - 18, c.y());
  body.lineTo(c.x() - 12, c.y() - 26);
  body.quadTo(c.x(), c.y() - 30, c.x() + 12, c.y() - 26);
  body.lineTo(c.x() + 18, c.y());
  body.quadTo(c.x(), c.y() + 5, c.x() - 18, c.y());
  shape(p, body, QColor(252, 218, 120), 1.8);
  QPainterPath caramel;
  caramel.moveTo(c.x() - 12, c.y() - 26);
  caramel.quadTo(c.x(), c.y() - 30, c.x() + 12, c.y() - 26);
  caramel.lineTo(c.x() + 13, c.y() - 20);
  caramel.quadTo(c.x(), c.y() - 16, c.x() - 13, c.y() - 20);
  caramel.closeSubpath();
  shape(p, caramel, QColor(150, 80, 30), 1.4);
  shapeEllipse(p, QPointF(c.x(), c.y() - 31), 4.2, 4, QColor(214, 30, 50), 1.3);
}

void drawCake(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  const QPointF c(bed.c.x(), bed.c.y() - 4);
  QPainterPath front;
  front.addRect(QRectF(c.x() - 20, c.y() - 14, 34, 20));
  shape(p, front, QColor(252, 236, 200), 1.8);
  p.setPen(QPen(QColor(236, 80, 90), 2.4));
  p.drawLine(QPointF(c.x() - 19, c.y() - 4), QPointF(c.x() + 13, c.y() - 4));
  QPainterPath top;
  top.moveTo(c.x() - 20, c.y() - 14);
  top.lineTo(c.x() + 14, c.y() - 14);
  top.lineTo(c.x() + 24, c.y() - 24);
  top.closeSubpath();
  shape(p, top, QColor(252, 250, 242), 1.8);
  QPainterPath side;
  side.moveTo(c.x() + 14, c.y() - 14);
  side.lineTo(c.x() + 24, c.y() - 24);
  side.lineTo(c.x() + 24, c.y() - 4);
  side.lineTo(c.x() + 14, c.y() + 6);
  side.closeSubpath();
  shape(p, side, QColor(246, 240, 230), 1.8);
  strawberry(p, QPointF(c.x() + 12, c.y() - 24), 6);
}

void drawJelly(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  const QColor jellies[] = {QColor(240, 110, 130), QColor(250, 170, 60), QColor(140, 200, 90),
                            QColor(150, 120, 210)};
  const QColor j = ctx.plan.colours.isEmpty() ? rng.pick(jellies) : ctx.plan.colours.first();
  const QPainterPath dome =
      blobPath(QPointF(bed.c.x(), bed.c.y() - 8), bed.rx * 0.8, 14, 0.02, 3, 0);
  shape(p, dome, j, 1.6);
  shapeEllipse(p, QPointF(bed.c.x() - 7, bed.c.y() - 14), 4, 2.4, lighter(j, 130), 0);
}

void drawIceCream(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  const QColor scoops[] = {QColor(252, 246, 226), QColor(250, 190, 200), QColor(140, 90, 60)};
  for (int i = 0; i < 2; ++i)
    shape(p, blobPath(QPointF(bed.c.x() + (i ? 8 : -8), bed.c.y() - 8 - i * 6), 12, 10, 0.05, 8, i),
          scoops[(i + rng.range(0, 2)) % 3], 1.6);
}

void drawCookie(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  for (int i = 0; i < 3; ++i) {
    const QPointF c(bed.c.x() - 14 + i * 14, bed.c.y() - 4 - (i % 2) * 6);
    shapeEllipse(p, c, 11, 8, QColor(214, 160, 90), 1.6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 60, 40));
    p.drawEllipse(QPointF(c.x() - 3, c.y() - 2), 1.6, 1.4);
    p.drawEllipse(QPointF(c.x() + 4, c.y() + 1), 1.6, 1.4);
  }
}

void drawDango(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  const QColor balls[] = {QColor(250, 180, 196), QColor(252, 248, 236), QColor(140, 196, 110)};
  p.setPen(QPen(QColor(200, 160, 100), 2.4));
  p.drawLine(QPointF(bed.c.x() - 30, bed.c.y() + 2), QPointF(bed.c.x() + 30, bed.c.y() - 20));
  for (int i = 0; i < 3; ++i)
    shapeEllipse(p, QPointF(bed.c.x() - 16 + i * 15, bed.c.y() - 4 - i * 5.5), 8.5, 8, balls[i],
                 1.6);
}

void drawMilk(DishContext& ctx, const Bed&) {
  QPainter& p = ctx.p;
  QPainterPath front, side, gable;
  front.addRect(QRectF(30, 36, 28, 52));
  side.moveTo(58, 36);
  side.lineTo(72, 30);
  side.lineTo(72, 82);
  side.lineTo(58, 88);
  side.closeSubpath();
  gable.moveTo(30, 36);
  gable.lineTo(44, 16);
  gable.lineTo(58, 36);
  gable.closeSubpath();
  QPainterPath roof;
  roof.moveTo(44, 16);
  roof.lineTo(58, 10);
  roof.lineTo(72, 30);
  roof.lineTo(58, 36);
  roof.closeSubpath();
  shape(p, side, QColor(226, 232, 240));
  shape(p, front, QColor(248, 250, 252));
  shape(p, gable, QColor(236, 242, 248));
  shape(p, roof, QColor(212, 220, 232));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 120, 210));
  p.drawRect(QRectF(31, 66, 26.5, 10));
  p.setBrush(kInk);
  p.drawEllipse(QPointF(38, 48), 4, 3);
  p.drawEllipse(QPointF(50, 56), 3, 2.4);
}

void drawJuice(DishContext& ctx, const Bed&) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  const QColor juices[] = {QColor(250, 160, 40), QColor(240, 200, 60), QColor(230, 90, 90),
                           QColor(150, 200, 80)};
  QColor c = ctx.plan.food == Food::Cocoa ? QColor(150, 96, 64) : rng.pick(juices);
  if (ctx.plan.food == Food::Juice && !ctx.plan.colours.isEmpty()) c = ctx.plan.colours.first();
  if (ctx.plan.extras.contains(Extra::TomatoWedge)) c = QColor(214, 50, 40);
  liquidInGlass(p, c, 30);
  p.setPen(QPen(QColor(240, 80, 100), 3.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(56, 60), QPointF(64, 8));
  if (ctx.plan.food == Food::Juice) {
    QPainterPath ice;
    ice.addRoundedRect(QRectF(38, 30, 10, 9), 2, 2);
    shape(p, ice, QColor(236, 246, 250), 1.2);
  }
}

void drawTea(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  shapeEllipse(p, bed.c, bed.rx, bed.ry,
               ctx.plan.colours.isEmpty() ? QColor(150, 186, 70) : ctx.plan.colours.first(), 1.2);
  p.setPen(QPen(QColor(210, 210, 200), 1.8, Qt::SolidLine, Qt::RoundCap));
  for (int i = -1; i <= 1; ++i) {
    QPainterPath steam;
    steam.moveTo(50 + i * 9, 26);
    steam.cubicTo(46 + i * 9, 20, 54 + i * 9, 16, 50 + i * 9, 8);
    p.drawPath(steam);
  }
}

// The foods of this family, each with the function that draws it.
const FoodPainter kFoods[] = {
    {Food::Apple, drawApple},
    {Food::Banana, drawBanana},
    {Food::Mikan, drawMikan},
    {Food::Strawberry, drawStrawberry},
    {Food::Grapes, drawGrapes},
    {Food::Melon, drawMelon},
    {Food::Watermelon, drawWatermelon},
    {Food::Kiwi, drawKiwi},
    {Food::Pineapple, drawPineapple},
    {Food::Peach, drawPeach},
    {Food::Cherry, drawCherry},
    {Food::FruitMix, drawFruitMix},
    {Food::Pudding, drawPudding},
    {Food::Cake, drawCake},
    {Food::Jelly, drawJelly},
    {Food::IceCream, drawIceCream},
    {Food::Cookie, drawCookie},
    {Food::Dango, drawDango},
    {Food::Milk, drawMilk},
    {Food::Juice, drawJuice},
    {Food::Cocoa, drawJuice},
    {Food::Tea, drawTea},
};

}  // namespace

std::span<const FoodPainter> sweetFoods() { return kFoods; }

}  // namespace art
