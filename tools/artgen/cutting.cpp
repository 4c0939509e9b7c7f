// Cutting-method pictures of the recipe page: the vegetable with its cut lines above, the
// pieces it gives below, and the method's name.
#include <QtMath>

#include "art.h"
#include "artgen.h"

namespace art {

namespace {

const QColor kCarrot{244, 140, 50};
const QColor kCucumber{90, 160, 70};
const QColor kDaikon{248, 246, 236};
const QColor kTomato{226, 50, 44};
const QColor kOnion{246, 236, 200};
const QColor kBurdock{170, 130, 90};

void cutLine(QPainter& p, QPointF a, QPointF b) {
  QPen pen(QColor(220, 60, 60), 2.2, Qt::DashLine, Qt::RoundCap);
  p.setPen(pen);
  p.drawLine(a, b);
}

void rect(QPainter& p, QRectF r, QColor fill, double angle = 0, double pen = 2) {
  p.save();
  p.translate(r.center());
  p.rotate(angle);
  QPainterPath path;
  path.addRoundedRect(QRectF(-r.width() / 2, -r.height() / 2, r.width(), r.height()), 2, 2);
  shape(p, path, fill, pen);
  p.restore();
}

// A carrot lying across the upper half, from x0 to x1 at height y.
void carrotBody(QPainter& p, double x0, double x1, double y, double r, QColor colour) {
  QPainterPath body;
  body.moveTo(x0, y - r);
  body.lineTo(x1, y - r * 0.55);
  body.quadTo(x1 + r * 0.6, y, x1, y + r * 0.55);
  body.lineTo(x0, y + r);
  body.quadTo(x0 - r * 0.4, y, x0, y - r);
  shape(p, body, colour, 2.4);
}

void slices(QPainter& p, int n, QColor rim, QColor inside, double r, double y) {
  for (int i = 0; i < n; ++i) {
    const QPointF c(40 + i * (160.0 / qMax(1, n - 1)), y + (i % 2) * 6);
    shapeEllipse(p, c, r, r * 0.8, rim, 2);
    shapeEllipse(p, c, r * 0.8, r * 0.62, inside, 0);
  }
}

// くし形切り: tomato wedges
void wedges(QPainter& p) {
  shapeEllipse(p, QPointF(120, 62), 44, 40, kTomato, 2.6);
  for (int k = 0; k < 3; ++k) {
    const double a = k * M_PI / 3;
    cutLine(p, QPointF(120 + std::cos(a) * 46, 62 + std::sin(a) * 42),
            QPointF(120 - std::cos(a) * 46, 62 - std::sin(a) * 42));
  }
  for (int i = 0; i < 4; ++i) {
    p.save();
    p.translate(50 + i * 46, 150);
    QPainterPath w;
    w.moveTo(-18, 10);
    w.quadTo(0, -26, 18, 10);
    w.quadTo(0, 16, -18, 10);
    shape(p, w, kTomato, 2);
    p.restore();
  }
}

// さいの目切り: dice / みじん切り: tiny bits
void cubes(QPainter& p, int index) {
  const bool mince = index == 7;
  rect(p, QRectF(70, 36, 100, 50), mince ? kOnion : kCarrot);
  for (int k = 1; k < (mince ? 8 : 4); ++k)
    cutLine(p, QPointF(70 + k * 100.0 / (mince ? 8 : 4), 30),
            QPointF(70 + k * 100.0 / (mince ? 8 : 4), 92));
  Rng rng(static_cast<uint64_t>(index + 11));
  const int n = mince ? 40 : 10;
  const double s = mince ? 5 : 16;
  for (int i = 0; i < n; ++i)
    rect(p, QRectF(rng.uniform(30, 200), rng.uniform(120, 168), s, s), mince ? kOnion : kCarrot,
         rng.uniform(-20, 20), mince ? 1.2 : 2);
}

// 輪切り: rounds
void rounds(QPainter& p) {
  carrotBody(p, 30, 200, 60, 24, kCarrot);
  for (int k = 1; k < 6; ++k) cutLine(p, QPointF(30 + k * 28, 30), QPointF(30 + k * 28, 90));
  slices(p, 5, kCarrot, QColor(250, 176, 90), 18, 148);
}

// せん切り: thin strips
void strips(QPainter& p) {
  shapeEllipse(p, QPointF(120, 60), 60, 36, QColor(190, 222, 130), 2.4);
  p.setPen(QPen(QColor(150, 196, 90), 1.6));
  for (int k = -3; k <= 3; ++k) p.drawLine(QPointF(90 + k * 4, 30), QPointF(120 + k * 8, 92));
  p.setPen(QPen(QColor(170, 210, 110), 2.2, Qt::SolidLine, Qt::RoundCap));
  Rng rng(static_cast<uint64_t>(31));
  for (int i = 0; i < 40; ++i) {
    const QPointF a(rng.uniform(30, 200), rng.uniform(120, 170));
    p.drawLine(a, a + QPointF(rng.uniform(14, 30), rng.uniform(-4, 4)));
  }
}

// 小口切り: small green-onion rings
void rings(QPainter& p) {
  rect(p, QRectF(30, 52, 180, 16), kCucumber);
  for (int k = 1; k < 12; ++k) cutLine(p, QPointF(30 + k * 15, 40), QPointF(30 + k * 15, 80));
  Rng rng(static_cast<uint64_t>(41));
  for (int i = 0; i < 16; ++i) {
    const QPointF c(rng.uniform(40, 200), rng.uniform(125, 168));
    p.setPen(QPen(kCucumber, 3));
    p.setBrush(QColor(220, 240, 190));
    p.drawEllipse(c, 6, 5);
  }
}

// ささがき: shaved burdock slivers
void shavings(QPainter& p) {
  rect(p, QRectF(40, 50, 170, 18), kBurdock, -15);
  p.setPen(QPen(QColor(110, 110, 120), 3));
  p.drawLine(QPointF(40, 96), QPointF(80, 76));  // the knife shaving it
  Rng rng(static_cast<uint64_t>(51));
  for (int i = 0; i < 14; ++i) {
    p.save();
    p.translate(rng.uniform(40, 200), rng.uniform(125, 168));
    p.rotate(rng.uniform(0, 180));
    QPainterPath s;
    s.moveTo(-12, 0);
    s.quadTo(0, -5, 12, 0);
    s.quadTo(0, 3, -12, 0);
    shape(p, s, QColor(214, 190, 150), 1.4);
    p.restore();
  }
}

// 短冊切り: thin rectangles / 色紙切り: thin squares
void thinSlices(QPainter& p, int index) {
  const bool square = index == 11;
  rect(p, QRectF(60, 30, 120, 60), kDaikon);
  for (int k = 1; k < 6; ++k) cutLine(p, QPointF(60 + k * 20, 24), QPointF(60 + k * 20, 96));
  for (int i = 0; i < 5; ++i)
    rect(p, QRectF(30 + i * 40, 130 + (i % 2) * 10, square ? 28 : 16, 28),
         i % 2 ? kCarrot : kDaikon, -8 + i * 4);
}

// らん切り: rolling cut
void rollingCut(QPainter& p) {
  carrotBody(p, 30, 200, 60, 24, kCarrot);
  for (int k = 1; k < 5; ++k)
    cutLine(p, QPointF(30 + k * 34 - 10, 32), QPointF(30 + k * 34 + 10 * (k % 2 ? 1 : -1), 90));
  for (int i = 0; i < 5; ++i) {
    p.save();
    p.translate(40 + i * 40, 148);
    p.rotate(i * 30);
    QPainterPath c;
    c.moveTo(-14, -8);
    c.lineTo(12, -12);
    c.lineTo(14, 10);
    c.lineTo(-10, 12);
    c.closeSubpath();
    shape(p, c, kCarrot, 2);
    p.restore();
  }
}

// いちょう切り: quarter rounds
void quarterRounds(QPainter& p) {
  shapeEllipse(p, QPointF(120, 60), 40, 34, kDaikon, 2.4);
  cutLine(p, QPointF(74, 60), QPointF(166, 60));
  cutLine(p, QPointF(120, 20), QPointF(120, 100));
  for (int i = 0; i < 4; ++i) {
    p.save();
    p.translate(45 + i * 48, 160);
    p.rotate(i * 90);
    QPainterPath q;
    q.moveTo(0, 0);
    q.arcTo(QRectF(-20, -20, 40, 40), 0, 90);
    q.closeSubpath();
    shape(p, q, i % 2 ? kCarrot : kDaikon, 2);
    p.restore();
  }
}

// ひょうし木切り: sticks
void sticks(QPainter& p) {
  rect(p, QRectF(50, 40, 140, 40), kDaikon);
  for (int k = 1; k < 5; ++k) cutLine(p, QPointF(50 + k * 28, 34), QPointF(50 + k * 28, 86));
  for (int i = 0; i < 6; ++i)
    rect(p, QRectF(36 + i * 30, 120 + (i % 2) * 8, 12, 44), i % 2 ? kCarrot : kDaikon,
         -6 + (i % 3) * 6);
}

// きのこの石づき: cut off the hard end of a mushroom stem
void mushroomEnd(QPainter& p) {
  QPainterPath cap;
  cap.moveTo(60, 70);
  cap.cubicTo(60, 20, 180, 20, 180, 70);
  cap.closeSubpath();
  shape(p, cap, QColor(150, 100, 60), 2.6);
  rect(p, QRectF(104, 70, 32, 70), QColor(246, 236, 214));
  rect(p, QRectF(102, 136, 36, 22), QColor(190, 160, 120));
  cutLine(p, QPointF(86, 134), QPointF(154, 134));
  p.setPen(QPen(QColor(110, 110, 120), 3));
  p.drawLine(QPointF(160, 128), QPointF(210, 112));
}

// In the order the recipe pages list them.
const struct {
  const char16_t* name;
  void (*draw)(QPainter& p);
} kMethods[] = {
    {u"くし形切り", wedges},
    {u"さいの目切り", [](QPainter& p) { cubes(p, 1); }},
    {u"輪切り", rounds},
    {u"せん切り", strips},
    {u"小口切り", rings},
    {u"ささがき", shavings},
    {u"短冊切り", [](QPainter& p) { thinSlices(p, 6); }},
    {u"みじん切り", [](QPainter& p) { cubes(p, 7); }},
    {u"らん切り", rollingCut},
    {u"いちょう切り", quarterRounds},
    {u"ひょうし木切り", sticks},
    {u"色紙切り", [](QPainter& p) { thinSlices(p, 11); }},
    {u"きのこの石づき", mushroomEnd},
};

}  // namespace

QStringList cuttingMethods() {
  QStringList names;
  for (const auto& m : kMethods) names << QString::fromUtf16(m.name);
  return names;
}

QImage paintCuttingMethod(const QString& method) {
  QImage img = canvas(240, 240);
  QPainter p(&img);
  prepare(p);
  // A cutting board under everything.
  QPainterPath board;
  board.addRoundedRect(QRectF(8, 8, 224, 184), 16, 16);
  shape(p, board, QColor(240, 214, 170), 2.5);
  for (const auto& m : kMethods)
    if (method == QString::fromUtf16(m.name)) m.draw(p);
  p.setFont(jpFont(26, true));
  centredText(p, QPointF(120, 216), method, kInk);
  p.end();
  return flatten(img);
}

}  // namespace art
