#include "bento/recipe_page.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <map>

#include "bento/kitchen_pictures.h"
#include "bento/model/recipe_cutting.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"

namespace nv {

namespace {

QFont pageFont(int points) {
  QFont f;
  f.setFamilies({toQ(sj("ＭＳ Ｐゴシック")), QStringLiteral("IPAPGothic"),
                 QStringLiteral("IPAGothic"), QStringLiteral("sans-serif")});
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

void paintIngredients(QPainter& p, const PainterMeasurer& m, const RecipePage& page, QPointF o,
                      double s, int pen) {
  const auto& a = page.ingredients;
  const auto& b = page.quantities;
  const size_t lines = std::max(a.size(), b.size());
  if (lines == 0) return;
  const double cw = 212 * s / 2, left = o.x() + 55 * s, top = o.y() + 265 * s;
  auto at = [](const std::vector<std::string>& v, size_t i) {
    return i < v.size() ? v[i] : std::string();
  };
  int size = 14, row = 0;
  for (; size > 6; --size) {
    row = m.height(at(a, 0), size) + 2 * pen;
    if (double(lines + 1) * row < 189 * s) break;
  }
  row = m.height(at(a, 0), size) + 2 * pen;
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
      const std::string t = at(c == 0 ? a : b, i);
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

StepLayout paintRecipePage(QPainter& p, const RecipePage& page, QRectF background, QPointF o,
                           double s, int pen) {
  p.save();
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  PainterMeasurer m(p.device());
  const QImage bg = loadBmp(page.bentouFolder + sj("daidokoro/レシピ2.bmp"));
  if (bg.isNull())
    p.fillRect(background, QColor(255, 252, 240));
  else
    p.drawImage(background, bg);
  p.setPen(QPen(Qt::black, pen));

  // Title centred on x = 161.
  drawText(p, m, 16, o.x() + 161 * s - m.width(page.dish, 16) / 2.0, o.y() + 28 * s, page.dish);
  drawFitted(p, loadTransparentBmp(page.bentouFolder + page.dish + ".bmp"),
             QRectF(o.x() + 56 * s, o.y() + 52 * s, 210 * s, 210 * s));
  paintIngredients(p, m, page, o, s, pen);

  const double q = page.slot * s;
  for (size_t i = 0; i < page.methods.size(); ++i) {
    const QRectF slot(o.x() + s * (282 + double(i) * page.slot), o.y() + 338 * s, q, q);
    const QImage img =
        loadTransparentBmp(page.bentouFolder + "setumei/" + page.methods[i] + ".bmp");
    if (!drawFitted(p, img, slot)) drawText(p, m, 10, slot.x(), slot.y(), page.methods[i]);
  }

  const LayoutArea area{int(o.x() + 282 * s), int(o.y() + 28 * s), int(o.x() + 614 * s),
                        int(o.y() + (page.methods.empty() ? 418 : 333) * s)};
  StepLayout layout = layoutStepsFitting(page.steps, m, area);
  p.setPen(Qt::black);
  for (const PlacedRun& r : layout.runs) {
    drawText(p, m, layout.fontSize, r.x, r.y, r.text);
    if (!r.reading.empty()) drawText(p, m, layout.readingSize, r.readingX, r.readingY, r.reading);
  }
  p.restore();
  return layout;
}

PaperPlacement recipePaperPlacement(int w, int h, int dpi, int scalePercent) {
  // Whole inches, as the printer reports its paper.
  const double paperW = double(w / dpi) * 25.4 * scalePercent / 100;
  const double paperH = double(h / dpi) * 25.4 * scalePercent / 100;
  auto units = [dpi](double mm) { return int(mm * dpi / 25.4); };
  int aw = units(paperW - 30), ah = units(paperH - 20);
  if (aw * 3 / 4 > ah) aw = ah * 4 / 3;
  return {QPointF(units(15), units(10)), aw / 640.0};
}

std::string recipeJobTitle(const std::string& dish) { return sj("お弁当レシピ印刷:") + dish; }

}  // namespace nv
