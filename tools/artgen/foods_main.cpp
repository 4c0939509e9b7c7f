// Fish, meat and egg dishes.
#include <QtMath>

#include "dish_paint.h"

namespace art {

namespace {

void grilledFish(QPainter& p, Rng& rng, QPointF c, double len) {
  const double h = len * 0.26;
  QPainterPath body;
  body.moveTo(c.x() - len * 0.5, c.y());
  body.cubicTo(c.x() - len * 0.4, c.y() - h, c.x() + len * 0.15, c.y() - h * 1.05,
               c.x() + len * 0.32, c.y() - h * 0.2);
  body.lineTo(c.x() + len * 0.5, c.y() - h * 0.75);
  body.lineTo(c.x() + len * 0.46, c.y());
  body.lineTo(c.x() + len * 0.5, c.y() + h * 0.75);
  body.lineTo(c.x() + len * 0.32, c.y() + h * 0.2);
  body.cubicTo(c.x() + len * 0.15, c.y() + h * 1.05, c.x() - len * 0.4, c.y() + h,
               c.x() - len * 0.5, c.y());
  const QColor skin = rng.chance(0.5) ? QColor(170, 176, 186) : QColor(196, 160, 120);
  shape(p, body, skin, 1.8);
  p.save();
  p.setClipPath(body);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(236, 232, 222));
  p.drawEllipse(QPointF(c.x() - len * 0.05, c.y() + h * 0.7), len * 0.4, h * 0.5);
  p.setPen(QPen(QColor(96, 70, 52), 2.2));
  for (int i = 0; i < 3; ++i) {
    const double x = c.x() - len * 0.15 + i * len * 0.14;
    p.drawLine(QPointF(x - 3, c.y() - h * 0.6), QPointF(x + 3, c.y() + h * 0.3));
  }
  p.restore();
  shapeEllipse(p, QPointF(c.x() - len * 0.36, c.y() - h * 0.2), 2.8, 2.8, QColor(250, 248, 240),
               1.2);
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawEllipse(QPointF(c.x() - len * 0.36, c.y() - h * 0.2), 1.3, 1.3);
  p.setPen(QPen(darker(skin, 130), 1.4));
  p.drawArc(QRectF(c.x() - len * 0.33, c.y() - h * 0.6, len * 0.1, h * 1.2), -60 * 16, 120 * 16);
}

void fillet(QPainter& p, QPointF c, double w, QColor flesh, QColor skin) {
  QPainterPath f;
  f.moveTo(c.x() - w * 0.5, c.y() + w * 0.12);
  f.cubicTo(c.x() - w * 0.45, c.y() - w * 0.3, c.x() + w * 0.3, c.y() - w * 0.35, c.x() + w * 0.5,
            c.y() - w * 0.05);
  f.cubicTo(c.x() + w * 0.45, c.y() + w * 0.22, c.x() - w * 0.2, c.y() + w * 0.3, c.x() - w * 0.5,
            c.y() + w * 0.12);
  shape(p, f, flesh, 1.8);
  p.save();
  p.setClipPath(f);
  p.setPen(QPen(skin, 3.2));
  p.drawPath(f.translated(0, -w * 0.06));
  p.setPen(QPen(lighter(flesh, 118), 1.4));
  for (int i = -1; i <= 1; ++i)
    p.drawArc(QRectF(c.x() + i * w * 0.2 - w * 0.12, c.y() - w * 0.2, w * 0.24, w * 0.35), 200 * 16,
              100 * 16);
  p.restore();
}

void cutletSlices(QPainter& p, Rng& rng, QPointF c, double w) {
  for (int i = 0; i < 4; ++i) {
    const QPointF s(c.x() - w * 0.36 + i * w * 0.24, c.y() - (i % 2) * 1.5);
    QPainterPath slice;
    slice.addRoundedRect(QRectF(s.x() - w * 0.12, s.y() - w * 0.22, w * 0.22, w * 0.36), 4, 4);
    shape(p, slice, QColor(214, 150, 60), 1.8);
    QPainterPath meat;
    meat.addRoundedRect(QRectF(s.x() - w * 0.12 + 2, s.y() - w * 0.22 + 2, 4, w * 0.36 - 4), 2, 2);
    shape(p, meat, QColor(246, 226, 200), 0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 190, 100));
    for (int k = 0; k < 6; ++k)
      p.drawEllipse(
          QPointF(s.x() + rng.uniform(-2, w * 0.09), s.y() + rng.uniform(-w * 0.18, w * 0.12)), 1.1,
          1.1);
  }
}

void friedEgg(QPainter& p, Rng& rng, QPointF c, double r) {
  shape(p, blobPath(c, r, r * 0.72, 0.08, 5, rng.uniform(0, 6)), QColor(252, 250, 244), 1.8);
  shapeEllipse(p, QPointF(c.x() + r * 0.1, c.y() - r * 0.1), r * 0.36, r * 0.3,
               QColor(250, 176, 30), 1.6);
  shapeEllipse(p, QPointF(c.x() + r * 0.02, c.y() - r * 0.2), r * 0.1, r * 0.07,
               QColor(255, 226, 150), 0);
}

void tamagoyaki(QPainter& p, QPointF c, double w, int slices) {
  for (int i = 0; i < slices; ++i) {
    const QPointF s(c.x() - (slices - 1) * w * 0.16 + i * w * 0.32, c.y() - (i % 2) * 2);
    QPainterPath face;
    face.addRoundedRect(QRectF(s.x() - w * 0.16, s.y() - w * 0.22, w * 0.3, w * 0.38), 5, 5);
    shape(p, face, QColor(250, 214, 80), 1.8);
    p.setPen(QPen(QColor(232, 170, 50), 1.3));
    p.setBrush(Qt::NoBrush);
    QPainterPath spiral;
    spiral.moveTo(s.x() - w * 0.01, s.y() - w * 0.03);
    spiral.cubicTo(s.x() + w * 0.08, s.y() - w * 0.1, s.x() + w * 0.09, s.y() + w * 0.08,
                   s.x() - w * 0.01, s.y() + w * 0.07);
    spiral.cubicTo(s.x() - w * 0.12, s.y() + w * 0.06, s.x() - w * 0.11, s.y() - w * 0.14,
                   s.x() + w * 0.02, s.y() - w * 0.15);
    p.drawPath(spiral);
  }
}

void sausage(QPainter& p, QPointF c, double len, double angle, bool octopus) {
  p.save();
  p.translate(c);
  p.rotate(angle);
  QPainterPath s;
  s.addRoundedRect(QRectF(-len / 2, -len * 0.18, len, len * 0.36), len * 0.18, len * 0.18);
  shape(p, s, QColor(206, 84, 64), 1.8);
  if (octopus) {
    p.setPen(QPen(QColor(206, 84, 64), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i)
      p.drawLine(QPointF(len / 2 - 2, -len * 0.12 + i * len * 0.08),
                 QPointF(len / 2 + 5, -len * 0.2 + i * len * 0.13));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(-len * 0.15, -len * 0.04), 1.2, 1.2);
  } else {
    p.setPen(QPen(QColor(250, 200, 180), 1.3));
    for (int i = -1; i <= 1; ++i)
      p.drawLine(QPointF(i * len * 0.2 - 2, -len * 0.1), QPointF(i * len * 0.2 + 2, len * 0.1));
  }
  p.restore();
}

void drawGrilledFish(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  grilledFish(p, rng, QPointF(bed.c.x() - 2, bed.c.y() - 6), bed.rx * 2.0);
  if (!ctx.plan.bento)
    shapeEllipse(p, QPointF(bed.c.x() + bed.rx * 0.78, bed.c.y() + 3), 6, 4, QColor(248, 246, 236),
                 1.4);
}

void drawFishFillet(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  const QPointF top(bed.c.x(), bed.c.y() - 6);
  const bool salmon = ctx.rng.chance(0.5);
  const QColor flesh = salmon ? QColor(246, 146, 110) : QColor(236, 214, 186);
  fillet(p, top, bed.rx * 1.5, flesh, QColor(150, 120, 110));
  if (rng.chance(0.5)) {
    p.setPen(QPen(QColor(150, 80, 40), 2.0));
    p.drawLine(QPointF(top.x() - 10, top.y() - 2), QPointF(top.x() + 10, top.y() - 6));
  }
}

void drawFriedShrimp(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  for (int i = 0; i < 2; ++i) {
    p.save();
    p.translate(bed.c.x() + (i ? 8 : -8), bed.c.y() - 8 - i * 3);
    p.rotate(i ? -18 : -8);
    QPainterPath body;
    body.addRoundedRect(QRectF(-20, -6, 36, 12), 6, 6);
    shape(p, body, QColor(222, 160, 70), 1.8);
    QPainterPath tail;
    tail.moveTo(15, 0);
    tail.lineTo(25, -7);
    tail.lineTo(23, 0);
    tail.lineTo(25, 7);
    tail.closeSubpath();
    shape(p, tail, QColor(230, 80, 60), 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(244, 200, 110));
    for (int k = 0; k < 8; ++k)
      p.drawEllipse(QPointF(rng.uniform(-17, 12), rng.uniform(-4, 4)), 1.1, 1.1);
    p.restore();
  }
}

void drawKaraage(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  const int n = rng.range(3, 5);
  const QColor fried(196, 118, 48);
  for (int i = 0; i < n; ++i) {
    const double a = -M_PI * (i + 0.5) / n;
    lump(p, rng,
         QPointF(bed.c.x() + std::cos(a) * bed.rx * 0.42,
                 bed.c.y() - 6 + std::sin(a) * -bed.ry * 0.4 - (i % 2) * 4),
         bed.rx * 0.38, mix(fried, QColor(170, 90, 30), rng.uniform(0, 0.5)));
  }
  if (!ctx.plan.bento || rng.chance(0.5))
    lemonWedge(p, QPointF(bed.c.x() + bed.rx * 0.7, bed.c.y() + 2), 6);
}

void drawCutlet(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  const QPointF top(bed.c.x(), bed.c.y() - 6);
  cutletSlices(p, rng, top, bed.rx * 1.5);
  p.setPen(QPen(QColor(110, 60, 30), 2.4));
  p.drawLine(QPointF(top.x() - 14, top.y() - 4), QPointF(top.x() + 14, top.y() - 7));
}

void drawHamburg(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  const QPointF top(bed.c.x(), bed.c.y() - 6);
  const QPainterPath patty = blobPath(top, bed.rx * 0.7, bed.ry * 1.2, 0.05, 5, rng.uniform(0, 6));
  shape(p, patty, QColor(140, 84, 50), 1.8);
  QPainterPath sauce =
      blobPath(QPointF(top.x(), top.y() - 3), bed.rx * 0.52, bed.ry * 0.8, 0.1, 6, 1);
  shape(p, sauce, QColor(110, 50, 34), 0);
  p.setPen(QPen(QColor(190, 110, 80), 1.6));
  p.drawArc(QRectF(top.x() - 10, top.y() - 8, 12, 6), 30 * 16, 100 * 16);
}

void drawMeatSlices(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  const QPointF top(bed.c.x(), bed.c.y() - 6);
  for (int i = 0; i < 3; ++i) {
    const QPointF c(bed.c.x() - bed.rx * 0.35 + i * bed.rx * 0.35, bed.c.y() - 6 - (i % 2) * 3);
    shape(p, blobPath(c, bed.rx * 0.36, bed.ry * 0.75, 0.1, 4, rng.uniform(0, 6)),
          QColor(176, 110, 72), 1.6);
    p.setPen(QPen(QColor(236, 200, 180), 1.4));
    p.drawArc(QRectF(c.x() - 6, c.y() - 3, 12, 6), 20 * 16, 140 * 16);
  }
  scatterBits(p, rng, Bed{top, bed.rx * 0.6, bed.ry * 0.6}, 4, QColor(250, 236, 200), 5, 3);
}

void drawSausage(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  const bool octopus = ctx.plan.bento || rng.chance(0.3);
  for (int i = 0; i < 3; ++i)
    sausage(p, QPointF(bed.c.x() - 12 + i * 12, bed.c.y() - 6 - (i % 2) * 5), 24, -20 + i * 12,
            octopus);
}

void drawMeatballs(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  for (int i = 0; i < 4; ++i) {
    const QPointF c(bed.c.x() - 14 + (i % 2) * 16 + (i / 2) * 6, bed.c.y() - 4 - (i / 2) * 9);
    shapeEllipse(p, c, 9, 8, QColor(150, 86, 46), 1.8);
    shapeEllipse(p, QPointF(c.x() - 2, c.y() - 3), 3.5, 2, QColor(190, 120, 80), 0);
  }
}

void drawGyoza(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  for (int i = 0; i < 3; ++i) {
    p.save();
    p.translate(bed.c.x() - 16 + i * 16, bed.c.y() - 6);
    QPainterPath g;
    g.moveTo(-10, 4);
    g.quadTo(-9, -10, 0, -11);
    g.quadTo(9, -10, 10, 4);
    g.quadTo(0, 8, -10, 4);
    shape(p, g, QColor(250, 236, 206), 1.8);
    p.setPen(QPen(QColor(220, 196, 160), 1.2));
    for (int k = -2; k <= 2; ++k) p.drawLine(QPointF(k * 3, -9), QPointF(k * 3.4, -5));
    QPainterPath crisp;
    crisp.moveTo(-10, 4);
    crisp.quadTo(0, 8, 10, 4);
    crisp.quadTo(0, 11, -10, 4);
    shape(p, crisp, QColor(200, 140, 70), 1.2);
    p.restore();
  }
}

void drawFriedEgg(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  friedEgg(p, rng, QPointF(bed.c.x(), bed.c.y() - 3), bed.rx * 0.8);
}

void drawTamagoyaki(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  tamagoyaki(p, QPointF(bed.c.x(), bed.c.y() - 8), bed.rx * 1.45, 3);
}

void drawBoiledEgg(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  for (int i = 0; i < 2; ++i) {
    const QPointF c(bed.c.x() + (i ? 13 : -13), bed.c.y() - 8);
    shapeEllipse(p, c, 13, 10.5, QColor(252, 250, 242), 1.8);
    shapeEllipse(p, c, 6.5, 5.2, QColor(250, 190, 40), 1.4);
  }
}

void drawOmelette(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  QPainterPath om;
  om.moveTo(bed.c.x() - bed.rx * 0.85, bed.c.y() - 4);
  om.cubicTo(bed.c.x() - bed.rx * 0.6, bed.c.y() - 24, bed.c.x() + bed.rx * 0.6, bed.c.y() - 24,
             bed.c.x() + bed.rx * 0.85, bed.c.y() - 4);
  om.cubicTo(bed.c.x() + bed.rx * 0.6, bed.c.y() + 6, bed.c.x() - bed.rx * 0.6, bed.c.y() + 6,
             bed.c.x() - bed.rx * 0.85, bed.c.y() - 4);
  shape(p, om, QColor(250, 206, 70), 1.8);
  QPainterPath ketchup;
  ketchup.moveTo(bed.c.x() - 12, bed.c.y() - 12);
  ketchup.cubicTo(bed.c.x() - 4, bed.c.y() - 18, bed.c.x() + 2, bed.c.y() - 6, bed.c.x() + 12,
                  bed.c.y() - 13);
  p.setPen(QPen(QColor(214, 50, 40), 3.4, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(ketchup);
}

void drawScrambled(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  for (int i = 0; i < 8; ++i)
    shape(p,
          blobPath(QPointF(bed.c.x() + rng.uniform(-bed.rx, bed.rx) * 0.55,
                           bed.c.y() - 5 + rng.uniform(-bed.ry, bed.ry) * 0.5),
                   7, 5, 0.18, 4, rng.uniform(0, 6)),
          QColor(250, 214, 90), 1.4);
}

// The foods of this family, each with the function that draws it.
const FoodPainter kFoods[] = {
    {Food::GrilledFish, drawGrilledFish}, {Food::FishFillet, drawFishFillet},
    {Food::FriedShrimp, drawFriedShrimp}, {Food::Karaage, drawKaraage},
    {Food::Cutlet, drawCutlet},           {Food::Hamburg, drawHamburg},
    {Food::MeatSlices, drawMeatSlices},   {Food::Sausage, drawSausage},
    {Food::Meatballs, drawMeatballs},     {Food::Gyoza, drawGyoza},
    {Food::FriedEgg, drawFriedEgg},       {Food::Tamagoyaki, drawTamagoyaki},
    {Food::BoiledEgg, drawBoiledEgg},     {Food::Omelette, drawOmelette},
    {Food::Scrambled, drawScrambled},
};

}  // namespace

std::span<const FoodPainter> mainFoods() { return kFoods; }

}  // namespace art
