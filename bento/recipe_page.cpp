#include "bento/recipe_page.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <map>

#include "bento/kitchen_pictures.h"
#include "bento/model/recipe_cutting.h"
#include "bento/model/recipe_frame.h"
#include "bento/model/stored_names.h"
#include "platform/qt/qtext.h"

using namespace Qt::StringLiterals;

namespace nv {

namespace {

using F = RecipeFrame;

QFont pageFont(int points) {
  QFont f;
  f.setFamilies({u"ＭＳ Ｐゴシック"_s, QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                 QStringLiteral("sans-serif")});
  f.setPointSize(std::max(1, points));
  return f;
}

// Real fonts on the painter's device; metrics are kept per size.
class PainterMeasurer : public TextMeasurer {
 public:
  explicit PainterMeasurer(QPaintDevice* device) : device_(device) {}
  int width(std::string_view t, int size) const override {
    return metrics(size).horizontalAdvance(toQ(t));
  }
  int height(std::string_view, int size) const override { return metrics(size).height(); }
  const QFontMetrics& metrics(int size) const {
    auto it = cache_.find(size);
    if (it == cache_.end()) it = cache_.emplace(size, QFontMetrics(pageFont(size), device_)).first;
    return it->second;
  }

 private:
  QPaintDevice* device_;
  mutable std::map<int, QFontMetrics> cache_;
};

// A frame rectangle on the device.
QRectF at(const KRect& r, QPointF o, double s) {
  return QRectF(o.x() + r.left * s, o.y() + r.top * s, r.width() * s, r.height() * s);
}

// A transparent picture fitted into the square and centred.
bool drawFitted(QPainter& p, const QImage& img, QRectF square) {
  if (img.isNull()) return false;
  const double k = std::min(square.width() / img.width(), square.height() / img.height());
  const QSizeF size(img.width() * k, img.height() * k);
  p.drawImage(QRectF(square.center() - QPointF(size.width() / 2, size.height() / 2), size), img);
  return true;
}

void drawText(QPainter& p, const PainterMeasurer& m, int size, double x, double top,
              std::string_view text) {
  p.setFont(pageFont(size));
  p.drawText(QPointF(x, top + m.metrics(size).ascent()), toQ(text));
}

// The dish name centred in the title band: 16 points, smaller for a long name (down to 9),
// and cut with "…" when even that is too wide.
void paintTitle(QPainter& p, const PainterMeasurer& m, const std::string& dish, QPointF o,
                double s) {
  const QRectF band = at(F::titleBand, o, s);
  const double room = band.width() - 8 * s;
  int size = 16;
  while (size > 9 && m.width(dish, size) > room) --size;
  QString text = toQ(dish);
  if (m.width(dish, size) > room)
    text = m.metrics(size).elidedText(text, Qt::ElideRight, int(room));
  const QFontMetrics& fm = m.metrics(size);
  p.setFont(pageFont(size));
  p.drawText(QPointF(band.center().x() - fm.horizontalAdvance(text) / 2.0,
                     band.top() + (band.height() - fm.height()) / 2 + fm.ascent()),
             text);
}

void paintIngredients(QPainter& p, const PainterMeasurer& m, const RecipePage& page, QPointF o,
                      double s, int pen) {
  const auto& a = page.ingredients;
  const auto& b = page.quantities;
  const size_t lines = std::max(a.size(), b.size());
  if (lines == 0) return;
  const QRectF box = at(F::ingredients, o, s);
  const double cw = box.width() / 2, left = box.left(), top = box.top();
  auto cell = [](const std::vector<std::string>& v, size_t i) {
    return i < v.size() ? v[i] : std::string();
  };
  int size = 14, row = 0;
  for (; size > 6; --size) {
    row = m.height(cell(a, 0), size) + 2 * pen;
    if (double(lines + 1) * row < box.height()) break;
  }
  row = m.height(cell(a, 0), size) + 2 * pen;
  auto widest = [&](const std::vector<std::string>& v, int sz) {
    int w = 0;
    for (const auto& t : v) w = std::max(w, m.width(t, sz));
    return w;
  };
  while (std::max(widest(a, size), widest(b, size)) + 2 * pen + 1 >= cw && size >= 7) --size;
  const int wa = widest(a, size), wb = widest(b, size), th = m.metrics(size).height();
  for (size_t i = 0; i < lines; ++i) {
    const double y = top + double(i) * row + (row - th) / 2.0;
    for (int c = 0; c < 2; ++c) {
      const std::string t = cell(c == 0 ? a : b, i);
      const double colLeft = left + c * cw;
      const double x = i == 0 ? colLeft + (cw - m.width(t, size)) / 2
                              : colLeft + (cw - (c == 0 ? wa : wb)) / 2 + pen;
      drawText(p, m, size, x, y, t);
    }
  }
  p.setPen(QPen(Qt::black, pen));
  for (size_t i = 0; i <= lines; ++i)
    p.drawLine(QPointF(left, top + double(i) * row), QPointF(left + 2 * cw, top + double(i) * row));
  const double bottom = top + double(lines) * row;
  for (int c = 0; c <= 2; ++c)
    p.drawLine(QPointF(left + c * cw, top), QPointF(left + c * cw, bottom));
}

// The steps' area of a page: above the cutting pictures on the first page when it has any.
LayoutArea stepsArea(const RecipePage& page, int index, QPointF o, double s) {
  const QRectF r = at(F::steps, o, s);
  const int bottom = index == 0 && !page.methods.empty()
                         ? int(o.y() + F::stepsBottomAboveCutting * s)
                         : int(r.bottom());
  return {int(r.left()), int(r.top()), int(r.right()), bottom};
}

// Ruled lines under the steps' lines, continued at the same pitch to the area's bottom.
void paintRules(QPainter& p, const PainterMeasurer& m, const StepLayout& layout, int index,
                const LayoutArea& area, int pen) {
  if (layout.lineHeight <= 0) return;
  const int below = m.metrics(layout.fontSize).height() + pen;
  p.setPen(QPen(QColor(222, 204, 172), pen));
  int last = 0;
  bool any = false;
  for (const LayoutLine& line : layout.lines)
    if (line.page == index) {
      p.drawLine(QPointF(area.left, line.y + below), QPointF(area.right, line.y + below));
      last = line.y;
      any = true;
    }
  if (!any) return;
  for (int y = last + layout.lineHeight; y + below < area.bottom; y += layout.lineHeight)
    p.drawLine(QPointF(area.left, y + below), QPointF(area.right, y + below));
}

}  // namespace

RecipePage makeRecipePage(std::string dish, std::vector<std::string> ingredients,
                          std::vector<std::string> quantities, std::vector<std::string> steps,
                          std::string bentouFolder) {
  RecipePage page{std::move(dish),
                  std::move(ingredients),
                  std::move(quantities),
                  std::move(steps),
                  {},
                  96,
                  std::move(bentouFolder)};
  page.methods = cuttingMethods(page.steps);
  page.slot = cuttingSlotSize(page.methods.size());
  return page;
}

StepLayout layoutRecipeSteps(QPaintDevice* device, const RecipePage& page, QPointF o, double s) {
  const PainterMeasurer m(device);
  return layoutStepsFitting(page.steps, m, stepsArea(page, 0, o, s), stepsArea(page, 1, o, s));
}

void paintRecipePage(QPainter& p, const RecipePage& page, const StepLayout& layout, int index,
                     QPointF o, double s, int pen) {
  p.save();
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  PainterMeasurer m(p.device());
  const QImage bg = loadBmp(page.bentouFolder + recipePageBackground());
  const QRectF whole(o, QSizeF(F::kWidth * s, F::kHeight * s));
  if (bg.isNull())
    p.fillRect(whole, QColor(255, 252, 240));
  else
    p.drawImage(whole, bg);
  p.setPen(QPen(Qt::black, pen));

  paintTitle(p, m, page.dish, o, s);
  drawFitted(p, loadTransparentBmp(page.bentouFolder + page.dish + ".bmp"), at(F::picture, o, s));
  paintIngredients(p, m, page, o, s, pen);

  if (index == 0) {
    const double q = page.slot * s;
    for (size_t i = 0; i < page.methods.size(); ++i) {
      const QRectF slot(o.x() + s * (F::cutting.left + double(i) * page.slot),
                        o.y() + F::cutting.top * s, q, q);
      const QImage img =
          loadTransparentBmp(page.bentouFolder + "setumei/" + page.methods[i] + ".bmp");
      p.setPen(Qt::black);
      if (!drawFitted(p, img, slot)) drawText(p, m, 10, slot.x(), slot.y(), page.methods[i]);
    }
  }

  paintRules(p, m, layout, index, stepsArea(page, index, o, s), pen);
  p.setPen(Qt::black);
  for (const PlacedRun& r : layout.runs) {
    if (r.page != index) continue;
    drawText(p, m, layout.fontSize, r.x, r.y, r.text);
    if (!r.reading.empty()) drawText(p, m, layout.readingSize, r.readingX, r.readingY, r.reading);
  }
  p.restore();
}

StepLayout paintRecipePage(QPainter& p, const RecipePage& page, QPointF origin, double s, int pen) {
  const StepLayout layout = layoutRecipeSteps(p.device(), page, origin, s);
  paintRecipePage(p, page, layout, 0, origin, s, pen);
  return layout;
}

PaperPlacement recipePaperPlacement(int w, int h, int dpi, int scalePercent) {
  // Whole inches, as the printer reports its paper.
  const double paperW = double(w / dpi) * 25.4 * scalePercent / 100;
  const double paperH = double(h / dpi) * 25.4 * scalePercent / 100;
  auto units = [dpi](double mm) { return int(mm * dpi / 25.4); };
  int aw = units(paperW - 30), ah = units(paperH - 20);
  if (aw * 3 / 4 > ah) aw = ah * 4 / 3;
  return {QPointF(units(15), units(10)), aw / double(RecipeFrame::kWidth)};
}

bool printRecipePages(QPagedPaintDevice& device, const RecipePage& page, StepLayout* layoutOut) {
  const int dpi = std::max(1, device.logicalDpiX());
  const QRect paper = device.pageLayout().fullRectPixels(dpi);
  const PaperPlacement place = recipePaperPlacement(paper.width(), paper.height(), dpi);
  QPainter p;
  if (!p.begin(&device)) return false;
  const StepLayout layout = layoutRecipeSteps(p.device(), page, place.origin, place.scale);
  if (layoutOut) *layoutOut = layout;
  for (int index = 0; index < layout.pages; ++index) {
    if (index > 0 && !device.newPage()) {
      p.end();
      return false;
    }
    paintRecipePage(p, page, layout, index, place.origin, place.scale, 2);
  }
  return p.end();
}

QString recipeJobTitle(const std::string& dish) { return u"お弁当レシピ印刷:"_s + toQ(dish); }

}  // namespace nv
