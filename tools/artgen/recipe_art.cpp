// The recipe corner: the open recipe book (window shape = its non-white pixels), the recipe
// page background, the cutting-method pictures and the small marks of the appliance views.
#include <QtMath>

#include "art.h"
#include "artgen.h"
#include "bento/model/recipe_frame.h"

namespace art {

namespace {

const QColor kPaper{254, 248, 232};
const QColor kCarrot{244, 140, 50};

void roundRect(QPainter& p, QRectF r, double radius, QColor fill, double pen = 2.5) {
  QPainterPath path;
  path.addRoundedRect(r, radius, radius);
  shape(p, path, fill, pen);
}

void smallCarrot(QPainter& p, QPointF c, double s, double angle) {
  p.save();
  p.translate(c);
  p.rotate(angle);
  QPainterPath body;
  body.moveTo(-s, -s * 0.25);
  body.quadTo(s * 0.2, -s * 0.3, s, 0);
  body.quadTo(s * 0.2, s * 0.3, -s, s * 0.25);
  body.closeSubpath();
  shape(p, body, kCarrot, 2);
  p.setPen(QPen(QColor(90, 170, 70), 2.2, Qt::SolidLine, Qt::RoundCap));
  for (int i = -1; i <= 1; ++i) p.drawLine(QPointF(-s, 0), QPointF(-s * 1.5, i * s * 0.3));
  p.restore();
}

QRectF frameRect(const nv::KRect& r) { return QRectF(r.left, r.top, r.width(), r.height()); }

}  // namespace

QImage paintRecipeBook() {
  QImage img = canvas(640, 391);
  QPainter p(&img);
  prepare(p);
  // Cover, then two pages bending to the spine.
  roundRect(p, QRectF(6, 8, 628, 374), 22, QColor(200, 92, 70), 3.5);
  for (int side = 0; side < 2; ++side) {
    QPainterPath page;
    const double outer = side ? 612 : 28, inner = 320;
    page.moveTo(inner, 34);
    page.cubicTo(inner + (outer - inner) * 0.3, 18, outer - (outer - inner) * 0.1, 24, outer, 28);
    page.lineTo(outer, 362);
    page.cubicTo(outer - (outer - inner) * 0.1, 358, inner + (outer - inner) * 0.3, 352, inner,
                 368);
    page.closeSubpath();
    shape(p, page, kPaper, 2.5);
    // Lines of earlier pages along the outer edge.
    p.setPen(QPen(QColor(226, 214, 190), 1.6));
    for (int k = 1; k <= 3; ++k)
      p.drawLine(QPointF(outer + (side ? k * 3 : -k * 3), 32 + k * 2),
                 QPointF(outer + (side ? k * 3 : -k * 3), 358 + k * 2));
  }
  p.setPen(QPen(QColor(226, 208, 180), 4));
  p.drawLine(QPointF(320, 36), QPointF(320, 366));
  // Little drawings in the page corners, clear of the buttons laid over the pages.
  shapeEllipse(p, QPointF(56, 340), 14, 12, QColor(252, 250, 242), 2);  // rice ball
  QPainterPath nori;
  nori.addRect(QRectF(50, 342, 12, 10));
  shape(p, nori, QColor(40, 62, 48), 1.4);
  shapeEllipse(p, QPointF(584, 340), 12, 11, QColor(226, 50, 44), 2);  // tomato
  smallCarrot(p, QPointF(92, 344), 14, -20);
  // Ribbon bookmark.
  QPainterPath ribbon;
  ribbon.moveTo(470, 360);
  ribbon.lineTo(486, 360);
  ribbon.lineTo(486, 386);
  ribbon.lineTo(478, 380);
  ribbon.lineTo(470, 386);
  ribbon.closeSubpath();
  shape(p, ribbon, QColor(90, 160, 220), 2);
  p.end();
  return flatten(img);
}

QImage paintRecipePage() {
  // Every panel is one of the frame's rectangles, which the page lays its parts out in.
  using F = nv::RecipeFrame;
  QImage img = solid(F::kWidth, F::kHeight, QColor(236, 246, 226));
  QPainter p(&img);
  prepare(p);
  roundRect(p, frameRect(F::paper), 18, QColor(254, 250, 238), 3);
  // Left page: a ribbon for the title, the picture's panel, a card for the ingredients.
  roundRect(p, frameRect(F::titleBand).adjusted(6, 2, -6, -2), 12, QColor(255, 226, 196), 1.4);
  roundRect(p, frameRect(F::picturePanel), 14, QColor(252, 238, 214), 1.6);
  roundRect(p, frameRect(F::ingredientPanel), 12, QColor(255, 253, 246), 1.4);
  // Right page: the steps' panel; the steps draw their own ruled lines at their own pitch.
  roundRect(p, frameRect(F::stepsPanel), 14, QColor(255, 252, 244), 1.6);
  // Checked border along the sheet's bottom, like a kitchen cloth.
  const double left = F::paper.left + 4, width = F::paper.width() - 8;
  for (int i = 0; i < 30; ++i) {
    p.setPen(Qt::NoPen);
    p.setBrush(i % 2 ? QColor(250, 196, 190) : QColor(255, 236, 230));
    p.drawRect(QRectF(left + i * width / 30, F::paper.bottom - 8, width / 30, 5));
  }
  p.end();
  return img;
}

QImage paintPagingArrow(bool forward) {
  QImage img = canvas(16, 16);
  QPainter p(&img);
  prepare(p);
  QPainterPath arrow;
  if (forward) {
    arrow.moveTo(4, 2);
    arrow.lineTo(13, 8);
    arrow.lineTo(4, 14);
  } else {
    arrow.moveTo(12, 2);
    arrow.lineTo(3, 8);
    arrow.lineTo(12, 14);
  }
  arrow.closeSubpath();
  shape(p, arrow, QColor(60, 170, 100), 1.2);
  p.end();
  return flatten(img);
}

QImage paintRecipeMark() {
  // A tiny open book: the dish has a how-to-make page.
  QImage img = canvas(16, 16);
  QPainter p(&img);
  prepare(p);
  roundRect(p, QRectF(1, 3, 14, 11), 2, QColor(230, 100, 70), 1.0);
  roundRect(p, QRectF(2.5, 4, 5.5, 8.5), 1, kPaper, 0.8);
  roundRect(p, QRectF(8, 4, 5.5, 8.5), 1, kPaper, 0.8);
  p.end();
  return flatten(img);
}

}  // namespace art
