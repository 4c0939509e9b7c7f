// The tool bar's pictures, used where the desktop's icon theme has none: flat pictograms in the
// soft outline style of the other pictures, drawn in a 48 x 48 design space at any size.
#include <functional>

#include "art.h"
#include "artgen.h"

namespace art {

namespace {

const QColor kPaper{255, 253, 244};
const QColor kBlue{90, 160, 220};
const QColor kGreen{96, 176, 90};
const QColor kRed{236, 96, 86};
const QColor kYellow{246, 190, 50};
const QColor kOrange{240, 150, 60};
const QColor kWood{200, 140, 90};

void rect(QPainter& p, const QRectF& r, QColor fill, double radius = 3) {
  QPainterPath path;
  path.addRoundedRect(r, radius, radius);
  shape(p, path, fill);
}

void line(QPainter& p, QPointF a, QPointF b, QColor colour, double width = 2.5) {
  QPen pen(colour, width);
  pen.setCapStyle(Qt::RoundCap);
  p.setPen(pen);
  p.drawLine(a, b);
}

// A sheet with a folded corner.
void page(QPainter& p, const QRectF& r) {
  const double fold = r.width() * 0.3;
  QPainterPath sheet;
  sheet.moveTo(r.topLeft());
  sheet.lineTo(r.right() - fold, r.top());
  sheet.lineTo(r.right(), r.top() + fold);
  sheet.lineTo(r.bottomRight());
  sheet.lineTo(r.bottomLeft());
  sheet.closeSubpath();
  shape(p, sheet, kPaper);
  QPainterPath corner;
  corner.moveTo(r.right() - fold, r.top());
  corner.lineTo(r.right() - fold, r.top() + fold);
  corner.lineTo(r.right(), r.top() + fold);
  shape(p, corner, QColor(226, 220, 200));
}

void textIn(QPainter& p, QPointF centre, const QString& text, double size, QColor colour) {
  p.setFont(jpFont(size, true));
  centredText(p, centre, text, colour);
}

void magnifier(QPainter& p, QPointF c, double r) {
  line(p, c + QPointF(r * 0.7, r * 0.7), c + QPointF(r * 1.7, r * 1.7), kInk, 5);
  shapeEllipse(p, c, r, r, QColor(210, 236, 250), 2.5);
}

void sun(QPainter& p, QPointF c, double r, int rays) {
  for (int i = 0; i < rays; ++i) {
    QLineF ray(c, c + QPointF(r * 1.7, 0));
    ray.setAngle(i * 360.0 / rays + (rays == 5 ? 0 : 15));
    QLineF outer(ray.pointAt(0.7), ray.p2());
    line(p, outer.p1(), outer.p2(), kOrange, 3);
  }
  shapeEllipse(p, c, r, r, kYellow);
}

void paintExit(QPainter& p) {
  rect(p, QRectF(8, 6, 22, 36), kWood, 2);
  shapeEllipse(p, QPointF(25, 25), 1.8, 1.8, kYellow, 1);
  QPainterPath arrow;
  arrow.moveTo(24, 20);
  arrow.lineTo(34, 20);
  arrow.lineTo(34, 13);
  arrow.lineTo(44, 24);
  arrow.lineTo(34, 35);
  arrow.lineTo(34, 28);
  arrow.lineTo(24, 28);
  arrow.closeSubpath();
  shape(p, arrow, kGreen);
}

void paintNew(QPainter& p) {
  page(p, QRectF(10, 5, 28, 38));
  shapeEllipse(p, QPointF(34, 36), 8, 8, kYellow);
  line(p, QPointF(34, 31), QPointF(34, 41), kInk);
  line(p, QPointF(29, 36), QPointF(39, 36), kInk);
}

void paintOpen(QPainter& p) {
  QPainterPath back;
  back.moveTo(5, 12);
  back.lineTo(17, 12);
  back.lineTo(21, 16);
  back.lineTo(40, 16);
  back.lineTo(40, 40);
  back.lineTo(5, 40);
  back.closeSubpath();
  shape(p, back, darker(kYellow, 115));
  page(p, QRectF(12, 9, 22, 22));
  QPainterPath front;
  front.moveTo(5, 40);
  front.lineTo(11, 22);
  front.lineTo(45, 22);
  front.lineTo(40, 40);
  front.closeSubpath();
  shape(p, front, kYellow);
}

void paintSave(QPainter& p) {
  rect(p, QRectF(7, 7, 34, 34), kBlue, 4);
  rect(p, QRectF(14, 7, 20, 12), QColor(220, 226, 232), 1);
  rect(p, QRectF(27, 9, 4, 8), QColor(110, 120, 130), 1);
  rect(p, QRectF(12, 25, 24, 16), kPaper, 1);
  line(p, QPointF(16, 30), QPointF(32, 30), QColor(170, 170, 170), 1.5);
  line(p, QPointF(16, 35), QPointF(32, 35), QColor(170, 170, 170), 1.5);
}

void paintPrint(QPainter& p) {
  rect(p, QRectF(14, 5, 20, 16), kPaper, 1);
  rect(p, QRectF(5, 17, 38, 18), QColor(176, 184, 192), 4);
  shapeEllipse(p, QPointF(37, 23), 1.8, 1.8, kGreen, 1);
  rect(p, QRectF(13, 29, 22, 15), kPaper, 1);
  line(p, QPointF(17, 35), QPointF(31, 35), QColor(150, 150, 150), 1.5);
  line(p, QPointF(17, 39), QPointF(28, 39), QColor(150, 150, 150), 1.5);
}

void paintPageSetup(QPainter& p) {
  page(p, QRectF(9, 5, 30, 38));
  QPen dash(kBlue, 1.5, Qt::DashLine);
  p.setPen(dash);
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(14, 13, 19, 24));
  line(p, QPointF(4, 46), QPointF(44, 46), kRed, 2);
}

void paintAdd(QPainter& p) {
  // A bowl of rice with a plus: a dish joins the data.
  QPainterPath rice;
  rice.moveTo(6, 28);
  rice.cubicTo(8, 12, 32, 12, 34, 28);
  rice.closeSubpath();
  shape(p, rice, kPaper);
  QPainterPath bowl;
  bowl.moveTo(4, 27);
  bowl.lineTo(36, 27);
  bowl.cubicTo(35, 40, 27, 44, 20, 44);
  bowl.cubicTo(13, 44, 5, 40, 4, 27);
  shape(p, bowl, kRed);
  shapeEllipse(p, QPointF(36, 14), 9, 9, kGreen);
  line(p, QPointF(36, 9), QPointF(36, 19), Qt::white, 3);
  line(p, QPointF(31, 14), QPointF(41, 14), Qt::white, 3);
}

void paintFind(QPainter& p) { magnifier(p, QPointF(20, 20), 12); }

void paintName(QPainter& p) {
  // A name tag with a face.
  rect(p, QRectF(4, 12, 40, 26), kPaper, 4);
  shapeEllipse(p, QPointF(15, 25), 6, 6, QColor(250, 214, 180));
  line(p, QPointF(25, 21), QPointF(39, 21), kInk, 2);
  line(p, QPointF(25, 28), QPointF(35, 28), kInk, 2);
  rect(p, QRectF(19, 7, 10, 7), kRed, 2);
}

void paintGraph(QPainter& p) {
  const QColor bars[] = {kRed, kYellow, kGreen, kBlue};
  const double heights[] = {22, 32, 18, 28};
  for (int i = 0; i < 4; ++i)
    rect(p, QRectF(7 + i * 9.5, 42 - heights[i], 7, heights[i]), bars[i], 1.5);
  line(p, QPointF(4, 14), QPointF(44, 14), QColor(220, 40, 40), 2);
  line(p, QPointF(4, 42), QPointF(44, 42), kInk, 2);
}

void paintBreakfast(QPainter& p) {
  p.save();
  p.setClipRect(QRectF(0, 0, 48, 34));
  sun(p, QPointF(24, 34), 11, 5);
  p.restore();
  line(p, QPointF(4, 34), QPointF(44, 34), kBlue, 3);
  line(p, QPointF(10, 40), QPointF(38, 40), kBlue, 2.5);
}

void paintLunch(QPainter& p) { sun(p, QPointF(24, 24), 10, 8); }

void paintDinner(QPainter& p) {
  QPainterPath moon = ellipsePath(QPointF(24, 24), 17, 17);
  moon = moon.subtracted(ellipsePath(QPointF(33, 17), 15, 15));
  shape(p, moon, kYellow);
  QPainterPath star;
  const QPointF c(36, 34);
  for (int i = 0; i < 10; ++i) {
    QLineF ray(c, c + QPointF(i % 2 ? 2.4 : 6, 0));
    ray.setAngle(90 + i * 36);
    i == 0 ? star.moveTo(ray.p2()) : star.lineTo(ray.p2());
  }
  star.closeSubpath();
  shape(p, star, kYellow, 1.5);
}

void paintDay(QPainter& p) {
  rect(p, QRectF(6, 8, 36, 34), kPaper, 3);
  rect(p, QRectF(6, 8, 36, 10), kRed, 3);
  line(p, QPointF(15, 5), QPointF(15, 12), kInk, 3);
  line(p, QPointF(33, 5), QPointF(33, 12), kInk, 3);
  textIn(p, QPointF(24, 30), u"１"_s, 18, kInk);
}

void paintLunchBox(QPainter& p) {
  rect(p, QRectF(4, 10, 40, 30), kRed, 5);
  rect(p, QRectF(8, 14, 32, 22), QColor(250, 244, 228), 2);
  line(p, QPointF(24, 14), QPointF(24, 36), kInk, 2);
  // Rice ball on the left, a green and a yellow side dish on the right.
  QPainterPath ball;
  ball.moveTo(16, 17);
  ball.cubicTo(21, 17, 22, 33, 16, 33);
  ball.cubicTo(10, 33, 11, 17, 16, 17);
  shape(p, ball, Qt::white, 1.5);
  rect(p, QRectF(13, 27, 6, 6), QColor(50, 60, 50), 1);
  shapeEllipse(p, QPointF(32, 20), 5, 4, kGreen, 1.5);
  shapeEllipse(p, QPointF(32, 30), 5, 4, kYellow, 1.5);
}

void paintNormalView(QPainter& p) {
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < 2; ++c) rect(p, QRectF(7 + c * 18, 7 + r * 18, 15, 15), kPaper, 3);
  shapeEllipse(p, QPointF(14.5, 14.5), 4, 4, kRed, 1.5);
  shapeEllipse(p, QPointF(32.5, 14.5), 4, 4, kGreen, 1.5);
  shapeEllipse(p, QPointF(14.5, 32.5), 4, 4, kYellow, 1.5);
  shapeEllipse(p, QPointF(32.5, 32.5), 4, 4, kBlue, 1.5);
}

void paintConveyor(QPainter& p) {
  // Plates going round a belt.
  QPainterPath belt;
  belt.addRoundedRect(QRectF(3, 16, 42, 20), 10, 10);
  shape(p, belt, QColor(176, 184, 192));
  line(p, QPointF(12, 26), QPointF(36, 26), QColor(120, 128, 136), 2);
  for (double x : {12.0, 24.0, 36.0}) {
    shapeEllipse(p, QPointF(x, 22), 6, 3.5, kPaper, 1.5);
    shapeEllipse(p, QPointF(x, 19.5), 3, 2.2, x == 24 ? kYellow : kRed, 1.2);
  }
}

void paintHelpContents(QPainter& p) {
  rect(p, QRectF(8, 5, 32, 38), kGreen, 3);
  rect(p, QRectF(12, 5, 28, 38), QColor(130, 196, 120), 2);
  textIn(p, QPointF(26, 24), u"?"_s, 24, Qt::white);
}

void paintHelpSearch(QPainter& p) {
  textIn(p, QPointF(16, 18), u"?"_s, 26, kGreen);
  magnifier(p, QPointF(27, 27), 8);
}

struct ToolIcon {
  const char16_t* name;
  std::function<void(QPainter&)> paint;
};

const std::vector<ToolIcon>& toolIcons() {
  static const std::vector<ToolIcon> icons = {
      {u"application-exit", paintExit},
      {u"document-new", paintNew},
      {u"document-open", paintOpen},
      {u"document-save", paintSave},
      {u"document-print", paintPrint},
      {u"document-page-setup", paintPageSetup},
      {u"nv-dish-add", paintAdd},
      {u"edit-find", paintFind},
      {u"nv-name", paintName},
      {u"nv-graph-basis", paintGraph},
      {u"nv-breakfast", paintBreakfast},
      {u"nv-lunch", paintLunch},
      {u"nv-dinner", paintDinner},
      {u"nv-day", paintDay},
      {u"nv-lunch-box", paintLunchBox},
      {u"nv-normal-view", paintNormalView},
      {u"nv-conveyor", paintConveyor},
      {u"help-contents", paintHelpContents},
      {u"nv-help-search", paintHelpSearch},
  };
  return icons;
}

}  // namespace

QStringList toolIconNames() {
  QStringList names;
  for (const ToolIcon& icon : toolIcons()) names << QString::fromUtf16(icon.name);
  return names;
}

QImage paintToolIcon(const QString& name, int size) {
  QImage img = canvas(size, size);
  QPainter p(&img);
  prepare(p);
  p.scale(size / 48.0, size / 48.0);
  for (const ToolIcon& icon : toolIcons())
    if (name == QString::fromUtf16(icon.name)) icon.paint(p);
  return img;
}

}  // namespace art
