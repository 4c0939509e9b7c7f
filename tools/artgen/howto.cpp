// How-to-make pictures (JPEG) of lunch-box dishes: the dish, what goes in it and the steps.
#include <QRegularExpression>
#include <QtMath>

#include "art.h"
#include "artgen.h"
#include "dish_paint.h"

namespace art {

namespace {

void rounded(QPainter& p, QRectF r, double radius, QColor fill, double pen = 2.5) {
  QPainterPath path;
  path.addRoundedRect(r, radius, radius);
  shape(p, path, fill, pen);
}

// Draws wrapped text into r at the largest size from `from` down to `to` that fits.
void fitText(QPainter& p, QRectF r, const QString& text, double from, double to, bool bold,
             int flags) {
  for (double size = from; size >= to; size -= 1) {
    p.setFont(jpFont(size, bold));
    const QRectF need = p.boundingRect(r, flags | Qt::TextWordWrap, text);
    if (need.height() <= r.height() || size - 1 < to) break;
  }
  p.setPen(kInk);
  p.drawText(r, flags | Qt::TextWordWrap, text);
}

QStringList genericSteps(const QString& category) {
  if (category.contains(u"くだもの"_s))
    return {u"手をきれいにあらいます。"_s, u"くだものを水でよくあらいます。"_s,
            u"皮をむいたり、食べやすい大きさに切ったりします。"_s,
            u"カップに入れて、お弁当箱につめます。"_s};
  if (category.contains(u"飲"_s))
    return {u"水とうやパックを用意します。"_s, u"冷やしておきます。"_s,
            u"お弁当箱のとなりにおきます。"_s};
  return {u"手をきれいにあらいます。"_s, u"ざいりょうをそろえます。"_s,
          u"食べやすい大きさにして、よくさましておきます。"_s, u"お弁当箱にすきまなくつめます。"_s};
}

}  // namespace

QImage paintHowTo(const DishInfo& dish) {
  QImage img = solid(800, 600, QColor(255, 250, 238));
  QPainter p(&img);
  prepare(p);
  rounded(p, QRectF(10, 10, 780, 580), 24, QColor(255, 253, 246), 3);
  // Title band.
  rounded(p, QRectF(24, 22, 752, 62), 28, QColor(250, 176, 120), 3);
  p.setFont(jpFont(32, true));
  centredText(p, QPointF(400, 53), dish.name + u"の作り方"_s, QColor(255, 255, 250),
              QColor(200, 110, 60));

  // The dish and what goes into it.
  DishInfo look = dish;
  p.drawImage(QPointF(40, 96), keyToAlpha(paintDish(look, true, 220)));
  rounded(p, QRectF(276, 100, 500, 196), 18, QColor(236, 246, 226), 2.5);
  p.setFont(jpFont(22, true));
  p.setPen(kInk);
  p.drawText(QPointF(296, 134), u"ざいりょう"_s);
  QStringList lines;
  for (int i = 0; i < dish.ingredients.size(); ++i)
    lines << dish.ingredients[i] + (dish.quantities.value(i).isEmpty()
                                        ? QString()
                                        : u"　"_s + dish.quantities.value(i));
  if (lines.isEmpty()) lines = dish.foods;
  if (lines.isEmpty()) lines << dish.name;
  fitText(p, QRectF(296, 146, 466, 140), lines.join(u'\n'), 20, 11, false,
          Qt::AlignLeft | Qt::AlignTop);

  // The steps, as numbered cards; a dish without steps gets the steps of every lunch box.
  QStringList steps;
  // Readings written as *base*reading* show only the base here.
  static const QRegularExpression ruby(u"\\*([^*]+)\\*[^*]+\\*"_s);
  for (const QString& s : dish.steps) steps << QString(s).replace(ruby, u"\\1"_s);
  if (steps.isEmpty()) steps = genericSteps(dish.category);
  const int shown = qMin<int>(steps.size(), 6);
  const double top = 312, bottom = 576;
  const double h = (bottom - top) / ((shown + 1) / 2);
  for (int i = 0; i < shown; ++i) {
    const QRectF r(24 + (i % 2) * 380, top + (i / 2) * h, 372, h - 8);
    rounded(p, r, 16, QColor(255, 244, 214), 2.2);
    shapeEllipse(p, QPointF(r.left() + 26, r.top() + 26), 17, 17, QColor(236, 130, 80), 2);
    p.setFont(jpFont(20, true));
    centredText(p, QPointF(r.left() + 26, r.top() + 26), QString::number(i + 1),
                QColor(255, 255, 250));
    QString step = steps[i];
    if (i == shown - 1 && steps.size() > shown) step += u"（つづく）"_s;
    fitText(p, r.adjusted(52, 8, -10, -6), step, 19, 10, false, Qt::AlignLeft | Qt::AlignVCenter);
  }
  return img;
}

}  // namespace art
