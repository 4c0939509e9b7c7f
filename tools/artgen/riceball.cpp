// The rice-ball character: four moods from happy (grade 0) to sad (grade 3) and "full", two
// frames each that differ by a small movement. Its window is cut to the pixels that differ
// from the top-left colour, so the background is a sky blue the character never uses.
#include <QtMath>

#include "art.h"
#include "artgen.h"

namespace art {

namespace {

const QColor kSky{204, 232, 255};
const QColor kRice{252, 250, 243};
const QColor kNori{40, 62, 48};
const QColor kCheek{250, 168, 168};

void eye(QPainter& p, QPointF c, int kind) {
  p.setPen(QPen(kInk, 3.2, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  if (kind == 0) {  // happy arcs ^ ^
    p.drawArc(QRectF(c.x() - 7, c.y() - 4, 14, 12), 20 * 16, 140 * 16);
  } else if (kind == 1) {  // open round eyes with a shine
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(c, 4.5, 5.5);
    p.setBrush(QColor(250, 250, 250));
    p.drawEllipse(QPointF(c.x() - 1.5, c.y() - 2), 1.6, 1.6);
  } else if (kind == 2) {  // worried: round eye under a slanted brow
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(c, 4, 5);
  } else {  // closed, content
    p.drawLine(QPointF(c.x() - 6, c.y()), QPointF(c.x() + 6, c.y()));
  }
}

void paintBall(QPainter& p, int mood, int frame) {
  const bool full = mood == 10;
  const double bounce = frame ? -6 : 0;
  const double sway = (mood == 1 && frame) ? 4 : 0;
  p.translate(90 + sway, 96 + bounce);
  p.rotate(mood == 1 ? (frame ? 4 : -2) : 0);
  const double w = full ? 74 : 66;  // the full one has a round tummy

  // Arms and feet behind the body.
  p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
  const QColor limb = kRice;
  auto arm = [&](double side, double lift) {
    QPainterPath a;
    a.moveTo(side * (w - 18), 20);
    a.quadTo(side * (w + 4), 20 - lift * 0.5, side * (w + 10), 20 - lift);
    p.setPen(QPen(kInk, 13, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(a);
    p.setPen(QPen(limb, 8, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(a);
  };
  if (mood == 0) {
    arm(-1, frame ? 46 : 36);
    arm(1, frame ? 46 : 36);
  } else if (mood == 3) {
    arm(-1, -14);
    arm(1, -14);
  } else if (!full) {
    arm(-1, frame && mood == 1 ? 26 : 6);
    arm(1, 6);
  }
  for (int side = -1; side <= 1; side += 2)
    shapeEllipse(p, QPointF(side * 20, 66), 13, 8, QColor(236, 226, 206), 2.6);

  // Body: a rounded triangle of rice.
  QPainterPath body;
  body.moveTo(0, -78);
  body.cubicTo(w * 0.4, -78, w * 1.1, 20, w, 44);
  body.cubicTo(w * 0.95, 66, -w * 0.95, 66, -w, 44);
  body.cubicTo(-w * 1.1, 20, -w * 0.4, -78, 0, -78);
  shape(p, body, kRice, 3.2);
  p.save();
  p.setClipPath(body);
  p.setPen(QPen(QColor(228, 224, 212), 1.4));
  p.setBrush(Qt::NoBrush);
  Rng rng(static_cast<uint64_t>(7));
  for (int i = 0; i < 22; ++i) {
    p.save();
    p.translate(rng.uniform(-w, w) * 0.8, rng.uniform(-60, 20));
    p.rotate(rng.uniform(0, 180));
    p.drawEllipse(QPointF(0, 0), 4.5, 2.4);
    p.restore();
  }
  QPainterPath nori;
  nori.addRect(QRectF(-30, 26, 60, 50));
  shape(p, nori, kNori, 2.6);
  p.restore();
  p.setPen(inkPen(3.2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(body);

  // Face.
  const double ey = -8;
  const int eyeKind = mood == 0 ? 0 : mood == 1 ? 1 : mood == 2 ? 2 : full ? 3 : 1;
  eye(p, QPointF(-20, ey), eyeKind);
  eye(p, QPointF(20, ey), eyeKind);
  p.setPen(Qt::NoPen);
  p.setBrush(kCheek);
  const double cheek = full ? 9 : 7;
  p.drawEllipse(QPointF(-33, ey + 12), cheek, cheek * 0.6);
  p.drawEllipse(QPointF(33, ey + 12), cheek, cheek * 0.6);
  p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  if (mood == 0) {
    QPainterPath m;
    m.moveTo(-12, ey + 12);
    m.quadTo(0, ey + 32, 12, ey + 12);
    m.closeSubpath();
    shape(p, m, QColor(230, 90, 90), 2.6);
  } else if (mood == 1) {
    p.drawArc(QRectF(-9, ey + 6, 18, 12), 200 * 16, 140 * 16);
  } else if (mood == 2) {
    QPainterPath m;
    m.moveTo(-9, ey + 16);
    m.quadTo(-4, ey + 12, 0, ey + 16);
    m.quadTo(4, ey + 20, 9, ey + 16);
    p.drawPath(m);
    // Worried brows and a sweat drop that slides down.
    p.drawLine(QPointF(-27, ey - 14), QPointF(-14, ey - 11));
    p.drawLine(QPointF(27, ey - 14), QPointF(14, ey - 11));
    QPainterPath drop;
    const double dy = frame ? 8 : 0;
    drop.moveTo(44, -34 + dy);
    drop.quadTo(52, -20 + dy, 44, -16 + dy);
    drop.quadTo(36, -20 + dy, 44, -34 + dy);
    shape(p, drop, QColor(150, 200, 250), 2);
  } else if (mood == 3) {
    p.drawArc(QRectF(-9, ey + 12, 18, 12), 20 * 16, 140 * 16);
    p.drawLine(QPointF(-28, ey - 10), QPointF(-14, ey - 15));
    p.drawLine(QPointF(28, ey - 10), QPointF(14, ey - 15));
    const double t = frame ? 12 : 4;
    for (int side = -1; side <= 1; side += 2) {
      QPainterPath tear;
      tear.moveTo(side * 22, ey + 4 + t);
      tear.quadTo(side * 27, ey + 14 + t, side * 22, ey + 17 + t);
      tear.quadTo(side * 17, ey + 14 + t, side * 22, ey + 4 + t);
      shape(p, tear, QColor(120, 180, 250), 2);
    }
  } else {
    // Full: a wobbly satisfied mouth, hands on the tummy, a "puff".
    QPainterPath m;
    m.moveTo(-8, ey + 14);
    m.quadTo(0, ey + 20, 8, ey + 14);
    p.drawPath(m);
    for (int side = -1; side <= 1; side += 2)
      shapeEllipse(p, QPointF(side * 30, 34), 10, 9, kRice, 2.6);
    p.setPen(QPen(QColor(150, 170, 190), 2.6, Qt::SolidLine, Qt::RoundCap));
    const double px = frame ? 6 : 0;
    p.drawArc(QRectF(54 + px, -48, 16, 12), 0, 180 * 16);
    p.drawArc(QRectF(64 + px, -60, 12, 9), 0, 180 * 16);
  }
  if (mood == 0) {
    // Sparkles that twinkle between the frames.
    p.resetTransform();
    const QColor star(250, 200, 60);
    const QPointF spots[] = {QPointF(24, 30), QPointF(156, 40), QPointF(150, 120)};
    for (int i = 0; i < 3; ++i) {
      const double r = ((i + frame) % 2) ? 9 : 6;
      QPainterPath s;
      for (int k = 0; k < 8; ++k) {
        const double a = k * M_PI / 4;
        const double rr = (k % 2) ? r * 0.35 : r;
        const QPointF pt = spots[i] + QPointF(std::cos(a) * rr, std::sin(a) * rr);
        if (k == 0)
          s.moveTo(pt);
        else
          s.lineTo(pt);
      }
      s.closeSubpath();
      shape(p, s, star, 1.6);
    }
  }
}

}  // namespace

QImage paintRiceBall(int mood, int frame) {
  QImage img = canvas(180, 180);
  QPainter p(&img);
  prepare(p);
  paintBall(p, mood, frame);
  p.end();
  return flatten(img, kSky);
}

}  // namespace art
