// Small food pieces shared by many dishes, and the garnish taken from a dish's foods.
#include <QtMath>

#include "dish_paint.h"

namespace art {

void riceMound(QPainter& p, Rng& rng, QPointF base, double rx, double height, QColor rice,
               int grains) {
  QPainterPath mound;
  mound.moveTo(base.x() - rx, base.y());
  mound.cubicTo(base.x() - rx, base.y() - height * 0.9, base.x() - rx * 0.45,
                base.y() - height * 1.05, base.x(), base.y() - height);
  mound.cubicTo(base.x() + rx * 0.45, base.y() - height * 1.05, base.x() + rx,
                base.y() - height * 0.9, base.x() + rx, base.y());
  mound.quadTo(base.x(), base.y() + height * 0.25, base.x() - rx, base.y());
  shape(p, mound, rice, 1.8);
  p.save();
  p.setClipPath(mound);
  p.setPen(QPen(darker(rice, 112), 0.9));
  p.setBrush(lighter(rice, 104));
  for (int i = 0; i < grains; ++i) {
    const double x = rng.uniform(-rx, rx), y = rng.uniform(-height, height * 0.15);
    p.save();
    p.translate(base.x() + x, base.y() + y);
    p.rotate(rng.uniform(0, 180));
    p.drawEllipse(QPointF(0, 0), 2.6, 1.5);
    p.restore();
  }
  p.restore();
}

void scatterBits(QPainter& p, Rng& rng, const Bed& bed, int n, QColor colour, double size,
                 int kind) {
  for (int i = 0; i < n; ++i) {
    const double a = rng.uniform(0, 2 * M_PI), r = std::sqrt(rng.uniform(0, 1)) * 0.8;
    const QPointF c(bed.c.x() + std::cos(a) * bed.rx * r, bed.c.y() + std::sin(a) * bed.ry * r);
    p.save();
    p.translate(c);
    p.rotate(rng.uniform(0, 360));
    if (kind == 0) {  // cube
      QPainterPath path;
      path.addRoundedRect(QRectF(-size / 2, -size / 2, size, size), size * 0.15, size * 0.15);
      shape(p, path, colour, 1.2);
    } else if (kind == 1) {  // ring (green onion)
      p.setPen(QPen(colour, size * 0.35));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(QPointF(0, 0), size * 0.45, size * 0.35);
    } else if (kind == 2) {  // dot
      p.setPen(Qt::NoPen);
      p.setBrush(colour);
      p.drawEllipse(QPointF(0, 0), size * 0.5, size * 0.4);
    } else {  // wavy strip (seaweed)
      QPainterPath w;
      w.moveTo(-size, 0);
      w.cubicTo(-size * 0.5, -size * 0.6, size * 0.2, size * 0.6, size, -size * 0.1);
      w.cubicTo(size * 0.4, size * 0.5, -size * 0.3, -size * 0.1, -size, 0);
      shape(p, w, colour, 1.0);
    }
    p.restore();
  }
}

void leaf(QPainter& p, QPointF c, double r, double angle, QColor colour) {
  p.save();
  p.translate(c);
  p.rotate(angle);
  QPainterPath path;
  path.moveTo(-r, 0);
  path.cubicTo(-r * 0.6, -r * 0.9, r * 0.2, -r * 0.85, r, -r * 0.15);
  path.cubicTo(r * 0.7, r * 0.2, r * 0.75, r * 0.55, r * 0.35, r * 0.6);
  path.cubicTo(0, r * 0.9, -r * 0.6, r * 0.6, -r, 0);
  shape(p, path, colour, 1.6);
  p.setPen(QPen(lighter(colour, 135), 1.2));
  p.drawLine(QPointF(-r * 0.8, 0), QPointF(r * 0.7, -r * 0.1));
  p.restore();
}

void tomatoWedge(QPainter& p, QPointF c, double r, double angle) {
  p.save();
  p.translate(c);
  p.rotate(angle);
  QPainterPath w;
  w.moveTo(-r, r * 0.3);
  w.quadTo(0, -r * 1.2, r, r * 0.3);
  w.quadTo(0, r * 0.6, -r, r * 0.3);
  shape(p, w, QColor(226, 58, 48), 1.6);
  QPainterPath flesh;
  flesh.moveTo(-r * 0.7, r * 0.2);
  flesh.quadTo(0, -r * 0.75, r * 0.7, r * 0.2);
  flesh.quadTo(0, r * 0.4, -r * 0.7, r * 0.2);
  shape(p, flesh, QColor(246, 120, 96), 0);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(250, 214, 120));
  for (int i = -1; i <= 1; ++i) p.drawEllipse(QPointF(i * r * 0.3, -r * 0.05), r * 0.1, r * 0.07);
  p.restore();
}

void broccoliFloret(QPainter& p, QPointF c, double r) {
  QPainterPath stem;
  stem.addRoundedRect(QRectF(c.x() - r * 0.25, c.y(), r * 0.5, r * 0.9), r * 0.2, r * 0.2);
  shape(p, stem, QColor(150, 196, 90), 1.4);
  const QColor g(66, 140, 60);
  shapeEllipse(p, QPointF(c.x() - r * 0.45, c.y() - r * 0.1), r * 0.5, r * 0.45, g, 1.4);
  shapeEllipse(p, QPointF(c.x() + r * 0.45, c.y() - r * 0.1), r * 0.5, r * 0.45, g, 1.4);
  shapeEllipse(p, QPointF(c.x(), c.y() - r * 0.45), r * 0.55, r * 0.5, lighter(g, 110), 1.4);
}

void lemonWedge(QPainter& p, QPointF c, double r) {
  QPainterPath w;
  w.moveTo(c.x() - r, c.y());
  w.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 180, -180);
  w.closeSubpath();
  shape(p, w, QColor(250, 222, 70), 1.5);
  p.setPen(QPen(QColor(255, 246, 190), 1.0));
  for (int i = 1; i < 4; ++i) {
    const double a = M_PI - i * M_PI / 4;
    p.drawLine(c, QPointF(c.x() + std::cos(a) * r * 0.75, c.y() - std::sin(a) * r * 0.75));
  }
}

void lump(QPainter& p, Rng& rng, QPointF c, double r, QColor colour) {
  const QPainterPath path = blobPath(c, r, r * 0.8, 0.12, rng.range(4, 6), rng.uniform(0, 6));
  shape(p, path, colour, 1.8);
  p.save();
  p.setClipPath(path);
  p.setPen(Qt::NoPen);
  p.setBrush(lighter(colour, 125));
  p.drawEllipse(QPointF(c.x() - r * 0.3, c.y() - r * 0.35), r * 0.35, r * 0.22);
  p.setBrush(darker(colour, 115));
  for (int i = 0; i < 4; ++i)
    p.drawEllipse(QPointF(c.x() + rng.uniform(-r, r) * 0.6, c.y() + rng.uniform(-r, r) * 0.5),
                  r * 0.09, r * 0.07);
  p.restore();
}

void drawGarnishUnder(DishContext& ctx, const Bed& bed) {
  const auto& ex = ctx.plan.extras;
  QPainter& p = ctx.p;
  const bool flat = ctx.plan.vessel == Vessel::Plate || ctx.plan.vessel == Vessel::LongPlate ||
                    (ctx.plan.vessel == Vessel::Bare && ctx.plan.food != Food::Onigiri &&
                     ctx.plan.food != Food::Rice && ctx.plan.food != Food::Banana);
  if (!flat) return;
  if (ex.contains(Extra::Cabbage)) {
    // Shredded cabbage heap at the back.
    p.setPen(QPen(QColor(190, 222, 130), 1.6));
    for (int i = 0; i < 26; ++i) {
      const double x = bed.c.x() + ctx.rng.uniform(-bed.rx, bed.rx * 0.2);
      const double y = bed.c.y() - ctx.rng.uniform(0, bed.ry * 1.4);
      p.drawLine(QPointF(x, y), QPointF(x + ctx.rng.uniform(4, 9), y + ctx.rng.uniform(-3, 3)));
    }
  } else if (ex.contains(Extra::Lettuce) ||
             (ctx.plan.bento && ctx.plan.vessel == Vessel::Bare && ctx.rng.chance(0.5))) {
    leaf(p, QPointF(bed.c.x() - bed.rx * 0.35, bed.c.y() - 2), bed.rx * 0.6, -15,
         QColor(140, 200, 80));
    leaf(p, QPointF(bed.c.x() + bed.rx * 0.35, bed.c.y() - 1), bed.rx * 0.55, 200,
         QColor(120, 186, 70));
  }
}

void drawGarnishOver(DishContext& ctx, const Bed& bed) {
  const auto& ex = ctx.plan.extras;
  QPainter& p = ctx.p;
  const bool flat = ctx.plan.vessel == Vessel::Plate || ctx.plan.vessel == Vessel::LongPlate ||
                    ctx.plan.vessel == Vessel::DeepPlate;
  if (!flat) return;
  const QPointF right(bed.c.x() + bed.rx * 0.72, bed.c.y() + bed.ry * 0.35);
  const QPointF left(bed.c.x() - bed.rx * 0.75, bed.c.y() + bed.ry * 0.4);
  int placed = 0;
  if (ex.contains(Extra::TomatoWedge) && ctx.plan.food != Food::Tomato) {
    tomatoWedge(p, right, 7, -10);
    ++placed;
  }
  if (ex.contains(Extra::Broccoli) && ctx.plan.food != Food::Broccoli) {
    broccoliFloret(p, placed ? left : right, 6);
    ++placed;
  }
  if (placed < 2 && ex.contains(Extra::Lemon)) {
    lemonWedge(p, placed ? left : right, 6);
    ++placed;
  }
  if (placed < 2 && ex.contains(Extra::Parsley)) {
    broccoliFloret(p, placed ? left : right, 4.5);
  }
}

}  // namespace art
