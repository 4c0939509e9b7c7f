// Rice, soups, noodles and bread.
#include <QtMath>

#include "dish_paint.h"

namespace art {

namespace {

const QColor kRice{252, 250, 243};

void onigiri(QPainter& p, Rng& rng, QPointF c, double r, bool nori, QColor filling) {
  QPainterPath tri;
  tri.moveTo(c.x(), c.y() - r);
  tri.cubicTo(c.x() + r * 0.35, c.y() - r, c.x() + r * 1.1, c.y() + r * 0.4, c.x() + r * 0.95,
              c.y() + r * 0.7);
  tri.cubicTo(c.x() + r * 0.8, c.y() + r * 0.95, c.x() - r * 0.8, c.y() + r * 0.95,
              c.x() - r * 0.95, c.y() + r * 0.7);
  tri.cubicTo(c.x() - r * 1.1, c.y() + r * 0.4, c.x() - r * 0.35, c.y() - r, c.x(), c.y() - r);
  shape(p, tri, kRice, 1.8);
  p.save();
  p.setClipPath(tri);
  p.setPen(QPen(QColor(222, 218, 206), 0.9));
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 14; ++i) {
    p.save();
    p.translate(c.x() + rng.uniform(-r, r) * 0.8, c.y() + rng.uniform(-r * 0.6, r * 0.5));
    p.rotate(rng.uniform(0, 180));
    p.drawEllipse(QPointF(0, 0), 2.4, 1.4);
    p.restore();
  }
  if (filling.isValid())
    shapeEllipse(p, QPointF(c.x(), c.y() - r * 0.15), r * 0.2, r * 0.16, filling, 1.2);
  if (nori) {
    QPainterPath band;
    band.addRect(QRectF(c.x() - r * 0.42, c.y() + r * 0.2, r * 0.84, r));
    shape(p, band, QColor(40, 62, 48), 1.4);
    p.setPen(QPen(QColor(70, 96, 76), 1.0));
    p.drawLine(QPointF(c.x() - r * 0.2, c.y() + r * 0.3), QPointF(c.x() - r * 0.2, c.y() + r));
  }
  p.restore();
  p.setPen(inkPen(1.8));
  p.setBrush(Qt::NoBrush);
  p.drawPath(tri);
}

// Soup surface inside a bowl, with the floating bits that its foods suggest.
void soup(DishContext& ctx, const Bed& bed, QColor broth, bool miso) {
  QPainter& p = ctx.p;
  shapeEllipse(p, bed.c, bed.rx, bed.ry, broth, 1.2);
  p.setPen(QPen(lighter(broth, 118), 1.4));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(bed.c.x() - bed.rx * 0.6, bed.c.y() - bed.ry * 0.5, bed.rx * 1.2, bed.ry),
            20 * 16, 120 * 16);
  const auto& ex = ctx.plan.extras;
  Rng& rng = ctx.rng;
  if (ex.contains(Extra::Wakame) || (miso && !ex.contains(Extra::Daikon)))
    scatterBits(p, rng, bed, 4, QColor(46, 110, 64), 7, 3);
  if (ex.contains(Extra::Tofu) || (miso && rng.chance(0.6)))
    scatterBits(p, rng, bed, 4, QColor(252, 248, 230), 6.5, 0);
  if (ex.contains(Extra::Daikon)) scatterBits(p, rng, bed, 4, QColor(246, 240, 222), 6, 0);
  if (ex.contains(Extra::Carrot)) scatterBits(p, rng, bed, 3, QColor(240, 140, 50), 4.5, 0);
  if (ex.contains(Extra::Mushroom)) scatterBits(p, rng, bed, 3, QColor(150, 110, 70), 5, 2);
  if (ex.contains(Extra::Pork)) scatterBits(p, rng, bed, 3, QColor(222, 176, 150), 6, 3);
  if (ex.contains(Extra::Egg)) scatterBits(p, rng, bed, 4, QColor(250, 214, 90), 5, 3);
  if (ex.contains(Extra::Corn)) scatterBits(p, rng, bed, 8, QColor(250, 210, 60), 3, 2);
  if (ex.contains(Extra::Negi) || rng.chance(0.5))
    scatterBits(p, rng, bed, 6, QColor(110, 180, 70), 3.2, 1);
}

void noodles(DishContext& ctx, const Bed& bed, QColor colour, double thickness, bool wavy,
             QColor broth) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  if (broth.isValid()) shapeEllipse(p, bed.c, bed.rx, bed.ry, broth, 1.2);
  p.save();
  p.setClipPath(ellipsePath(bed.c, bed.rx, bed.ry + 3));
  const QColor edge = darker(colour, 125);
  for (int i = 0; i < 9; ++i) {
    QPainterPath s;
    const double y0 = bed.c.y() - bed.ry + rng.uniform(0, bed.ry * 2);
    s.moveTo(bed.c.x() - bed.rx - 4, y0);
    const int waves = wavy ? 6 : 2;
    for (int k = 1; k <= waves; ++k) {
      const double x = bed.c.x() - bed.rx + 2 * bed.rx * k / waves;
      s.quadTo(x - bed.rx / waves, y0 + rng.uniform(-4, 4) + (wavy ? ((k % 2) ? 3 : -3) : 0),
               x + 4 * (k == waves), y0 + rng.uniform(-3, 3));
    }
    p.setPen(QPen(edge, thickness + 1.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(s);
    p.setPen(QPen(colour, thickness, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(s);
  }
  p.restore();
}

void breadSlice(QPainter& p, QPointF c, double w, double angle, bool toast) {
  p.save();
  p.translate(c);
  p.rotate(angle);
  QPainterPath s;
  s.moveTo(-w * 0.5, w * 0.55);
  s.lineTo(-w * 0.5, -w * 0.2);
  s.cubicTo(-w * 0.72, -w * 0.55, -w * 0.25, -w * 0.75, 0, -w * 0.55);
  s.cubicTo(w * 0.25, -w * 0.75, w * 0.72, -w * 0.55, w * 0.5, -w * 0.2);
  s.lineTo(w * 0.5, w * 0.55);
  s.closeSubpath();
  shape(p, s, QColor(196, 128, 64), 1.8);
  QTransform t;
  t.scale(0.84, 0.84);
  const QPainterPath inner = t.map(s).translated(0, w * 0.02);
  shape(p, inner, toast ? QColor(238, 190, 110) : QColor(252, 238, 204), 0);
  if (toast) {
    QPainterPath butter;
    butter.addRoundedRect(QRectF(-w * 0.14, -w * 0.1, w * 0.28, w * 0.2), 2, 2);
    shape(p, butter, QColor(255, 236, 140), 1.2);
  }
  p.restore();
}

void roll(QPainter& p, QPointF c, double r, double angle) {
  p.save();
  p.translate(c);
  p.rotate(angle);
  shapeEllipse(p, QPointF(0, 0), r, r * 0.62, QColor(214, 146, 70), 1.8);
  p.setPen(QPen(QColor(240, 190, 120), 1.8));
  for (int i = -1; i <= 1; ++i)
    p.drawArc(QRectF(i * r * 0.45 - r * 0.2, -r * 0.5, r * 0.4, r), 60 * 16, 60 * 16);
  p.restore();
}

void drawRice(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  const Food f = ctx.plan.food;
  const QColor rice = f == Food::FriedRice   ? QColor(246, 218, 150)
                      : f == Food::MixedRice ? QColor(236, 214, 176)
                                             : kRice;
  if (ctx.plan.vessel == Vessel::Bare) {
    // Packed rice block for the lunch box.
    QPainterPath block;
    block.addRoundedRect(QRectF(18, 40, 64, 42), 10, 10);
    shape(p, block, rice, 1.8);
    p.save();
    p.setClipPath(block);
    p.setPen(QPen(darker(rice, 112), 0.9));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 26; ++i) {
      p.save();
      p.translate(rng.uniform(20, 80), rng.uniform(42, 80));
      p.rotate(rng.uniform(0, 180));
      p.drawEllipse(QPointF(0, 0), 2.6, 1.5);
      p.restore();
    }
    p.restore();
    // Mixed-in foods show as bits; plain rice gets a pickled plum in the middle.
    const Bed top{QPointF(50, 61), 26, 15};
    for (const QColor& c : ctx.plan.colours)
      if (c != QColor(200, 40, 60)) scatterBits(p, rng, top, 9, c, 3.4, 2);
    const bool plain =
        ctx.plan.colours.isEmpty() || ctx.plan.colours == QVector<QColor>{QColor(200, 40, 60)};
    if (plain && f == Food::Rice) shapeEllipse(p, QPointF(50, 60), 7, 6, QColor(200, 40, 60), 1.4);
    return;
  } else {
    const double h = ctx.plan.vessel == Vessel::DeepPlate ? 22 : 20;
    riceMound(p, rng, bed.c, bed.rx * 0.92, h, rice, 34);
  }
  const auto& own = ctx.plan.colours;
  if (!own.isEmpty()) {
    const Bed top{QPointF(50, bed.c.y() - 11), 22, 8};
    for (const QColor& c : own) scatterBits(p, rng, top, own.size() > 2 ? 5 : 8, c, 3.4, 2);
  } else if (f != Food::Rice) {
    const Bed top{QPointF(50, bed.c.y() - 10), 22, 9};
    scatterBits(p, rng, top, 6, QColor(240, 140, 50), 3.4, 0);
    scatterBits(p, rng, top, 6, QColor(100, 170, 70), 3.2, 0);
    if (f == Food::FriedRice)
      scatterBits(p, rng, top, 6, QColor(250, 220, 80), 4, 3);
    else
      scatterBits(p, rng, top, 5, QColor(150, 100, 70), 3.6, 0);
  }
}

void drawCurryRice(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  riceMound(p, rng, QPointF(bed.c.x() - bed.rx * 0.3, bed.c.y()), bed.rx * 0.62, 17, kRice, 22);
  QPainterPath curry = blobPath(QPointF(bed.c.x() + bed.rx * 0.35, bed.c.y() + 1), bed.rx * 0.62,
                                bed.ry * 0.95, 0.06, 5, 1);
  shape(p, curry, QColor(176, 112, 40), 1.6);
  const Bed chunks{QPointF(bed.c.x() + bed.rx * 0.35, bed.c.y()), bed.rx * 0.5, bed.ry * 0.7};
  scatterBits(p, rng, chunks, 3, QColor(240, 140, 50), 5, 0);
  scatterBits(p, rng, chunks, 3, QColor(244, 214, 140), 6, 0);
}

void drawRiceBowlTopped(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  riceMound(p, rng, bed.c, bed.rx * 0.95, 10, kRice, 16);
  const bool egg = ctx.plan.extras.contains(Extra::Egg) || rng.chance(0.4);
  QPainterPath top = blobPath(QPointF(bed.c.x(), bed.c.y() - 4), bed.rx * 0.78, bed.ry * 0.9, 0.08,
                              6, rng.uniform(0, 6));
  shape(p, top, egg ? QColor(250, 210, 80) : QColor(160, 96, 60), 1.6);
  scatterBits(p, rng, Bed{QPointF(bed.c.x(), bed.c.y() - 4), bed.rx * 0.6, bed.ry * 0.6}, 5,
              egg ? QColor(200, 130, 80) : QColor(120, 70, 45), 6, 3);
  scatterBits(p, rng, Bed{QPointF(bed.c.x(), bed.c.y() - 4), bed.rx * 0.5, bed.ry * 0.5}, 5,
              QColor(110, 180, 70), 3, 1);
}

void drawOnigiri(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  const bool bento = ctx.plan.bento;
  const QColor fill = ctx.plan.extras.contains(Extra::Ume) ? QColor(200, 40, 60) : QColor();
  if (bento || ctx.plan.vessel == Vessel::Bare) {
    onigiri(p, rng, QPointF(50, 52), 34, true, fill);
  } else {
    onigiri(p, rng, QPointF(bed.c.x() - 14, bed.c.y() - 12), 20, true, fill);
    onigiri(p, rng, QPointF(bed.c.x() + 14, bed.c.y() - 10), 20, rng.chance(0.5), fill);
  }
}

void drawInari(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  for (int i = 0; i < 2; ++i) {
    const QPointF c(bed.c.x() + (i ? 13 : -13), bed.c.y() - 10 - i * 2);
    QPainterPath pouch;
    pouch.addRoundedRect(QRectF(c.x() - 14, c.y() - 12, 28, 24), 10, 10);
    shape(p, pouch, QColor(206, 146, 70), 1.8);
    shapeEllipse(p, QPointF(c.x(), c.y() - 9), 10, 3.6, kRice, 1.2);
    p.setPen(QPen(QColor(230, 180, 110), 1.4));
    p.drawLine(QPointF(c.x() - 8, c.y() + 2), QPointF(c.x() + 8, c.y() + 2));
  }
}

void drawSushi(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  const QColor centres[] = {QColor(230, 80, 80), QColor(250, 210, 80), QColor(90, 170, 80)};
  for (int i = 0; i < 3; ++i) {
    const QPointF c(bed.c.x() + (i - 1) * bed.rx * 0.62, bed.c.y() - 6 + (i == 1 ? -3 : 0));
    QPainterPath side;
    side.addRect(QRectF(c.x() - 9, c.y(), 18, 9));
    shape(p, side, QColor(40, 62, 48), 1.6);
    shapeEllipse(p, c, 9, 4.5, QColor(40, 62, 48), 1.6);
    shapeEllipse(p, c, 7.5, 3.6, kRice, 0);
    shapeEllipse(p, c, 3, 1.6, centres[(i + rng.range(0, 2)) % 3], 0.8);
  }
}

void drawMisoSoup(DishContext& ctx, const Bed& bed) { soup(ctx, bed, QColor(190, 128, 64), true); }

void drawPorkSoup(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  soup(ctx, bed, QColor(196, 140, 80), false);
  scatterBits(p, rng, bed, 4, QColor(222, 176, 150), 6, 3);
  scatterBits(p, rng, bed, 3, QColor(240, 140, 50), 4.5, 0);
}

void drawClearSoup(DishContext& ctx, const Bed& bed) {
  soup(ctx, bed, QColor(236, 200, 120), false);
}

void drawCreamSoup(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  const bool corn = ctx.plan.extras.contains(Extra::Corn);
  soup(ctx, bed, corn ? QColor(250, 220, 120) : QColor(250, 244, 228), false);
  if (!corn) {
    scatterBits(p, rng, bed, 3, QColor(240, 140, 50), 6, 0);
    scatterBits(p, rng, bed, 3, QColor(240, 220, 150), 7, 0);
  }
}

void drawUdon(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  noodles(ctx, bed, QColor(252, 248, 236), 5.2, false, QColor(206, 150, 80));
  scatterBits(p, rng, bed, 5, QColor(110, 180, 70), 3.2, 1);
  if (ctx.plan.extras.contains(Extra::Egg) || rng.chance(0.4))
    shapeEllipse(p, QPointF(bed.c.x() + bed.rx * 0.3, bed.c.y()), 8, 4, QColor(250, 200, 60), 1.4);
}

void drawSoba(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  noodles(ctx, bed, QColor(168, 136, 112), 3.4, false, QColor(100, 62, 36));
  scatterBits(p, rng, bed, 5, QColor(110, 180, 70), 3.2, 1);
}

void drawRamen(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  noodles(ctx, bed, QColor(248, 214, 100), 3.0, true, QColor(196, 136, 70));
  // Boiled egg half, pork slice and nori sheet on top.
  shapeEllipse(p, QPointF(bed.c.x() - bed.rx * 0.45, bed.c.y() - 1), 7, 5, QColor(252, 248, 236),
               1.4);
  shapeEllipse(p, QPointF(bed.c.x() - bed.rx * 0.45, bed.c.y() - 1), 3.4, 2.4, QColor(250, 180, 40),
               0);
  shapeEllipse(p, QPointF(bed.c.x() + bed.rx * 0.2, bed.c.y() + 1), 9, 5, QColor(214, 160, 130),
               1.4);
  QPainterPath nori;
  nori.addRect(QRectF(bed.c.x() + bed.rx * 0.5, bed.c.y() - 14, 10, 14));
  shape(p, nori, QColor(40, 62, 48), 1.4);
}

void drawSpaghetti(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  const bool yaki = ctx.plan.food == Food::Yakisoba;
  const QColor strand = yaki ? QColor(180, 120, 60) : QColor(244, 200, 110);
  QPainterPath heap =
      blobPath(QPointF(bed.c.x(), bed.c.y() - 5), bed.rx * 0.85, bed.ry * 1.3, 0.05, 7, 2);
  shape(p, heap, strand, 1.8);
  p.save();
  p.setClipPath(heap);
  p.setPen(QPen(darker(strand, 120), 1.2));
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 10; ++i)
    p.drawEllipse(QPointF(bed.c.x() + rng.uniform(-bed.rx, bed.rx) * 0.6,
                          bed.c.y() - 5 + rng.uniform(-bed.ry, bed.ry)),
                  rng.uniform(5, 12), rng.uniform(2, 5));
  p.restore();
  if (yaki) {
    scatterBits(p, rng, Bed{QPointF(bed.c.x(), bed.c.y() - 6), bed.rx * 0.6, bed.ry}, 5,
                QColor(150, 200, 90), 6, 3);
    scatterBits(p, rng, Bed{QPointF(bed.c.x(), bed.c.y() - 8), bed.rx * 0.5, bed.ry}, 6,
                QColor(230, 110, 130), 2.4, 2);
  } else {
    QPainterPath sauce =
        blobPath(QPointF(bed.c.x(), bed.c.y() - 9), bed.rx * 0.42, bed.ry * 0.6, 0.12, 5, 0.5);
    shape(p, sauce, QColor(200, 64, 40), 1.4);
    scatterBits(p, rng, Bed{QPointF(bed.c.x(), bed.c.y() - 9), bed.rx * 0.3, bed.ry * 0.4}, 4,
                QColor(140, 60, 40), 3, 2);
  }
}

void drawBread(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  breadSlice(p, QPointF(bed.c.x() - 4, bed.c.y() - 16), 44, -6, ctx.plan.food == Food::Toast);
}

void drawRoll(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  roll(p, QPointF(bed.c.x() - 12, bed.c.y() - 2), 15, -10);
  roll(p, QPointF(bed.c.x() + 12, bed.c.y() - 6), 15, 8);
}

void drawSandwich(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  // Two triangle halves standing on their cut edge, fillings showing.
  for (int i = 0; i < 2; ++i) {
    p.save();
    p.translate(bed.c.x() + (i ? 10 : -12), bed.c.y() - 12 + (i ? -3 : 2));
    QPainterPath tri;
    tri.moveTo(-18, 14);
    tri.lineTo(18, 14);
    tri.lineTo(0, -20);
    tri.closeSubpath();
    shape(p, tri, QColor(214, 160, 96), 1.8);
    QPainterPath cut;
    cut.moveTo(-13, 11);
    cut.lineTo(13, 11);
    cut.lineTo(0, -14);
    cut.closeSubpath();
    shape(p, cut, QColor(252, 240, 210), 0);
    p.setPen(QPen(QColor(120, 190, 70), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-9, 4), QPointF(9, 4));
    p.setPen(
        QPen(i ? QColor(250, 210, 90) : QColor(240, 150, 150), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-7, 0), QPointF(7, 0));
    p.restore();
  }
}

void drawCereal(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  Rng& rng = ctx.rng;
  shapeEllipse(p, bed.c, bed.rx, bed.ry, QColor(250, 246, 236), 1.2);
  scatterBits(p, rng, bed, 14, QColor(226, 170, 80), 6, 3);
}

void drawPancake(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  for (int i = 0; i < 3; ++i)
    shapeEllipse(p, QPointF(bed.c.x(), bed.c.y() - i * 6), bed.rx * 0.85, bed.ry * 1.1,
                 QColor(206, 140, 70), 1.8);
  shapeEllipse(p, QPointF(bed.c.x(), bed.c.y() - 13), bed.rx * 0.75, bed.ry * 0.85,
               QColor(236, 186, 110), 0);
  QPainterPath butter;
  butter.addRoundedRect(QRectF(bed.c.x() - 5, bed.c.y() - 17, 10, 6), 1.5, 1.5);
  shape(p, butter, QColor(255, 236, 140), 1.2);
}

// The foods of this family, each with the function that draws it.
const FoodPainter kFoods[] = {
    {Food::Rice, drawRice},
    {Food::MixedRice, drawRice},
    {Food::FriedRice, drawRice},
    {Food::CurryRice, drawCurryRice},
    {Food::RiceBowlTopped, drawRiceBowlTopped},
    {Food::Onigiri, drawOnigiri},
    {Food::Inari, drawInari},
    {Food::Sushi, drawSushi},
    {Food::MisoSoup, drawMisoSoup},
    {Food::PorkSoup, drawPorkSoup},
    {Food::ClearSoup, drawClearSoup},
    {Food::CreamSoup, drawCreamSoup},
    {Food::Udon, drawUdon},
    {Food::Soba, drawSoba},
    {Food::Ramen, drawRamen},
    {Food::Spaghetti, drawSpaghetti},
    {Food::Yakisoba, drawSpaghetti},
    {Food::Bread, drawBread},
    {Food::Toast, drawBread},
    {Food::Roll, drawRoll},
    {Food::Sandwich, drawSandwich},
    {Food::Cereal, drawCereal},
    {Food::Pancake, drawPancake},
};

}  // namespace

std::span<const FoodPainter> stapleFoods() { return kFoods; }

}  // namespace art
