// Table ware and lunch-box cups seen slightly from above.
#include <QtMath>

#include "dish_paint.h"

namespace art {

namespace {

const QColor kPorcelain{247, 244, 236};
const QColor kPorcelainShade{226, 221, 210};

// A bowl body: from the rim's ends down to a foot.
QPainterPath bowlBody(QPointF rim, double rx, double ry, double bottom, double footRx) {
  QPainterPath path;
  path.moveTo(rim.x() - rx, rim.y());
  path.cubicTo(rim.x() - rx, rim.y() + (bottom - rim.y()) * 0.7, rim.x() - footRx - 6, bottom,
               rim.x() - footRx, bottom);
  path.lineTo(rim.x() + footRx, bottom);
  path.cubicTo(rim.x() + footRx + 6, bottom, rim.x() + rx, rim.y() + (bottom - rim.y()) * 0.7,
               rim.x() + rx, rim.y());
  path.arcTo(QRectF(rim.x() - rx, rim.y() - ry, 2 * rx, 2 * ry), 0, -180);
  path.closeSubpath();
  return path;
}

void foot(QPainter& p, QPointF c, double rx, double h, QColor colour) {
  QPainterPath path;
  path.addRoundedRect(QRectF(c.x() - rx, c.y() - 1, 2 * rx, h), 2, 2);
  shape(p, path, colour, 1.6);
}

// Pattern on a bowl's outside: stripes, dots or a wave band, in the accent colour.
void bowlPattern(DishContext& ctx, QPointF rim, double rx, double bottom) {
  QPainter& p = ctx.p;
  const int kind = ctx.rng.range(0, 3);
  p.save();
  QPainterPath clip = bowlBody(rim, rx - 1, 1, bottom - 1, rx * 0.45);
  p.setClipPath(clip);
  p.setPen(Qt::NoPen);
  p.setBrush(ctx.accent);
  const double mid = rim.y() + (bottom - rim.y()) * 0.45;
  if (kind == 0) {
    p.drawRect(QRectF(rim.x() - rx, mid - 2.5, 2 * rx, 5));
  } else if (kind == 1) {
    for (int i = -3; i <= 3; ++i) p.drawEllipse(QPointF(rim.x() + i * rx * 0.28, mid), 2.6, 2.2);
  } else if (kind == 2) {
    QPen pen(ctx.accent, 2.2);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    QPainterPath wave;
    wave.moveTo(rim.x() - rx, mid);
    for (double x = -rx; x <= rx; x += 6)
      wave.quadTo(rim.x() + x + 3, mid + ((int(x / 6) % 2) ? 4 : -4), rim.x() + x + 6, mid);
    p.drawPath(wave);
  } else {
    p.drawRect(QRectF(rim.x() - rx, rim.y() + 3, 2 * rx, 3));
    p.drawRect(QRectF(rim.x() - rx, bottom - 9, 2 * rx, 3));
  }
  p.restore();
}

Bed bowl(DishContext& ctx, QPointF rim, double rx, double ry, double bottom, QColor outside,
         QColor inside, bool pattern) {
  QPainter& p = ctx.p;
  foot(p, QPointF(rim.x(), bottom - 1), rx * 0.42, 6, darker(outside, 108));
  shape(p, bowlBody(rim, rx, ry, bottom, rx * 0.45), outside);
  if (pattern) bowlPattern(ctx, rim, rx, bottom);
  p.setPen(inkPen(2.0));
  p.setBrush(Qt::NoBrush);
  p.drawPath(bowlBody(rim, rx, ry, bottom, rx * 0.45));
  shapeEllipse(p, rim, rx, ry, inside);
  return Bed{QPointF(rim.x(), rim.y() + 1), rx - 4, ry - 2.5};
}

void fluteCup(DishContext& ctx, QPointF rim, double rx, double ry, double bottom) {
  QPainter& p = ctx.p;
  const QColor cup = ctx.accent;
  QPainterPath body;
  const int pleats = 9;
  body.moveTo(rim.x() - rx, rim.y());
  body.lineTo(rim.x() - rx * 0.62, bottom);
  body.quadTo(rim.x(), bottom + ry * 0.55, rim.x() + rx * 0.62, bottom);
  body.lineTo(rim.x() + rx, rim.y());
  body.arcTo(QRectF(rim.x() - rx, rim.y() - ry, 2 * rx, 2 * ry), 0, -180);
  shape(p, body, cup);
  p.setPen(QPen(darker(cup, 118), 1.4));
  for (int i = 1; i < pleats; ++i) {
    const double t = -1 + 2.0 * i / pleats;
    const double topY = rim.y() + ry * std::sqrt(qMax(0.0, 1 - t * t));
    p.drawLine(QPointF(rim.x() + t * rx, topY), QPointF(rim.x() + t * rx * 0.62, bottom + 2));
  }
  // Scalloped rim.
  QPainterPath scallop;
  const int n = 18;
  for (int i = 0; i <= n; ++i) {
    const double a = 2 * M_PI * i / n;
    const double r = 1.0 + 0.05 * ((i % 2) ? 1 : -1);
    const QPointF pt(rim.x() + rx * r * std::cos(a), rim.y() + ry * r * std::sin(a));
    if (i == 0)
      scallop.moveTo(pt);
    else
      scallop.lineTo(pt);
  }
  shape(p, scallop, lighter(cup, 112), 1.8);
  shapeEllipse(p, QPointF(rim.x(), rim.y() + 1), rx - 4, ry - 3, darker(cup, 112), 0);
}

}  // namespace

Bed drawVesselBack(DishContext& ctx) {
  QPainter& p = ctx.p;
  switch (ctx.plan.vessel) {
    case Vessel::RiceBowl:
      return bowl(ctx, QPointF(50, 54), 33, 10, 86, kPorcelain, kPorcelainShade, true);
    case Vessel::SoupBowl: {
      const bool lacquer = ctx.rng.chance(0.7);
      const QColor out = lacquer ? QColor(168, 42, 38) : ctx.accent;
      const QColor in = lacquer ? QColor(70, 32, 30) : darker(ctx.accent, 140);
      return bowl(ctx, QPointF(50, 50), 38, 12, 86, out, in, false);
    }
    case Vessel::Donburi:
      return bowl(ctx, QPointF(50, 46), 43, 13, 90, kPorcelain, kPorcelainShade, true);
    case Vessel::SmallBowl:
      return bowl(ctx, QPointF(50, 56), 31, 9, 84, ctx.accent, lighter(ctx.accent, 115), false);
    case Vessel::DessertCup: {
      const QColor glass(214, 234, 242);
      return bowl(ctx, QPointF(50, 50), 28, 8, 84, glass, lighter(glass, 106), false);
    }
    case Vessel::Plate:
    case Vessel::DeepPlate: {
      const bool deep = ctx.plan.vessel == Vessel::DeepPlate;
      const QPointF c(50, deep ? 64 : 68);
      if (deep) {
        QPainterPath side;
        side.addEllipse(QPointF(c.x(), c.y() + 5), 44, 18);
        shape(p, side, kPorcelainShade);
      }
      shapeEllipse(p, c, 46, 19, kPorcelain);
      // Rim band in the accent colour, and the well.
      p.setPen(QPen(ctx.accent, 2.4));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(c, 42.5, 16.5);
      shapeEllipse(p, QPointF(c.x(), c.y() + 1), 33, 12, kPorcelainShade, 1.2);
      shapeEllipse(p, QPointF(c.x(), c.y() + 0.5), 32, 11.2, QColor(240, 236, 226), 0);
      return Bed{QPointF(c.x(), c.y() - 1), 32, 11};
    }
    case Vessel::LongPlate: {
      QPainterPath plate;
      plate.moveTo(14, 56);
      plate.quadTo(50, 50, 86, 56);
      plate.quadTo(98, 57, 95, 70);
      plate.quadTo(93, 82, 82, 84);
      plate.quadTo(50, 88, 18, 84);
      plate.quadTo(7, 82, 5, 70);
      plate.quadTo(3, 57, 14, 56);
      shape(p, plate, ctx.accent.lightness() > 200 ? kPorcelain : lighter(ctx.accent, 150));
      QPainterPath well;
      well.addRoundedRect(QRectF(14, 60, 72, 19), 8, 8);
      shape(p, well, QColor(240, 236, 226), 1.2);
      return Bed{QPointF(50, 68), 36, 8};
    }
    case Vessel::Glass: {
      QPainterPath glass;
      glass.moveTo(29, 18);
      glass.lineTo(35, 88);
      glass.quadTo(50, 92, 65, 88);
      glass.lineTo(71, 18);
      glass.closeSubpath();
      shape(p, glass, QColor(226, 240, 246));
      return Bed{QPointF(50, 32), 19, 4};
    }
    case Vessel::TeaCup: {
      QPainterPath cup;
      cup.moveTo(28, 34);
      cup.lineTo(31, 84);
      cup.quadTo(50, 90, 69, 84);
      cup.lineTo(72, 34);
      cup.closeSubpath();
      shape(p, cup, ctx.accent);
      p.setPen(QPen(lighter(ctx.accent, 130), 3));
      p.drawLine(QPointF(30, 56), QPointF(70, 56));
      shapeEllipse(p, QPointF(50, 34), 22, 6.5, QColor(236, 232, 222));
      return Bed{QPointF(50, 35), 19, 5};
    }
    case Vessel::Carton:
      return Bed{QPointF(50, 50), 20, 6};
    case Vessel::Bare: {
      if (!ctx.plan.bento) shapeEllipse(p, QPointF(50, 84), 38, 7, QColor(232, 228, 220), 0);
      return Bed{QPointF(50, 72), 32, 11};
    }
    case Vessel::FoodCup:
      fluteCup(ctx, QPointF(50, 54), 38, 12, 86);
      return Bed{QPointF(50, 55), 33, 9.5};
    case Vessel::Basket: {
      QPainterPath b;
      b.addRoundedRect(QRectF(12, 56, 76, 30), 8, 8);
      shape(p, b, QColor(200, 150, 90));
      return Bed{QPointF(50, 58), 34, 10};
    }
  }
  return Bed{QPointF(50, 60), 30, 10};
}

void drawVesselFront(DishContext& ctx, const Bed& bed) {
  QPainter& p = ctx.p;
  switch (ctx.plan.vessel) {
    case Vessel::RiceBowl:
    case Vessel::SoupBowl:
    case Vessel::Donburi:
    case Vessel::SmallBowl:
    case Vessel::DessertCup: {
      // Front half of the rim over the food, so it sits inside.
      const double rx = bed.rx + 4, ry = bed.ry + 2.5;
      const QPointF c(bed.c.x(), bed.c.y() - 1);
      p.setPen(inkPen(2.0));
      p.setBrush(Qt::NoBrush);
      p.drawArc(QRectF(c.x() - rx, c.y() - ry, 2 * rx, 2 * ry), 180 * 16, 180 * 16);
      if (ctx.plan.vessel == Vessel::DessertCup) {
        p.setPen(QPen(QColor(250, 253, 255), 2.2));
        p.drawLine(QPointF(c.x() - rx + 6, c.y() + 8), QPointF(c.x() - rx + 9, c.y() + 24));
      }
      break;
    }
    case Vessel::Glass: {
      p.setPen(QPen(QColor(250, 253, 255), 2.6));
      p.drawLine(QPointF(35, 26), QPointF(39, 80));
      QPainterPath glass;
      glass.moveTo(29, 18);
      glass.lineTo(35, 88);
      glass.quadTo(50, 92, 65, 88);
      glass.lineTo(71, 18);
      p.setPen(inkPen(2.0));
      p.setBrush(Qt::NoBrush);
      p.drawPath(glass);
      p.drawEllipse(QPointF(50, 18), 21, 4.5);
      break;
    }
    case Vessel::TeaCup: {
      QPainterPath cup;
      cup.moveTo(28, 34);
      cup.lineTo(31, 84);
      cup.quadTo(50, 90, 69, 84);
      cup.lineTo(72, 34);
      p.setPen(inkPen(2.0));
      p.setBrush(Qt::NoBrush);
      p.drawPath(cup);
      break;
    }
    default:
      break;
  }
}

}  // namespace art
