#include "widgets/paper_chart.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace nv {

PaperChart paperChartOf(const BarChart& chart) { return {chart.title(), chart.bars(), 200, 100}; }

namespace {

QFont sizedFont(const QFont& base, int pixels, bool bold = false) {
  QFont f = base;
  f.setPixelSize(std::max(1, pixels));
  f.setBold(bold);
  return f;
}

// The pieces of a name written top to bottom: a voiced mark stays with its kana, a run of
// Latin letters and digits stays on one line, and the long vowel mark turns upright.
QStringList stackedPieces(const QString& label) {
  QStringList pieces;
  for (const QChar ch : label) {
    if (ch.isSpace()) continue;
    const char16_t u = ch.unicode();
    const bool mark = u == 0xFF9E || u == 0xFF9F || (u >= 0x3099 && u <= 0x309C);
    const bool latin = u < 0x80 && ch.isLetterOrNumber();
    if (!pieces.isEmpty() && (mark || (latin && pieces.back().back().unicode() < 0x80))) {
      pieces.back() += ch;
      continue;
    }
    pieces << ((u == 0x30FC || u == 0xFF70) ? QString(QChar(0xFF5C)) : QString(ch));
  }
  return pieces;
}

// Bar names too wide for their slot are written top to bottom, as Japanese labels are on
// narrow charts.
void drawBarLabel(QPainter& p, const QRect& slot, const QString& label) {
  const QFontMetrics fm(p.font());
  if (fm.horizontalAdvance(label) <= slot.width()) {
    p.drawText(slot, Qt::AlignHCenter | Qt::AlignTop, label);
    return;
  }
  int y = slot.top();
  for (const QString& piece : stackedPieces(label)) {
    if (y + fm.height() > slot.bottom() + 1) break;
    p.drawText(QRect(slot.left(), y, slot.width(), fm.height()), Qt::AlignCenter, piece);
    y += fm.height() * 9 / 10;
  }
}

}  // namespace

void paintPaperChart(QPainter& p, const QRect& rect, const PaperChart& chart, const QFont& family) {
  p.save();
  p.setClipRect(rect);
  p.fillRect(rect, Qt::white);
  const int h = rect.height();
  // A long title gets a smaller face (down to two thirds) before it wraps.
  QFont titleFont = sizedFont(family, h / 14, true);
  const int titleRoom = rect.width() - 2 * std::max(2, h / 60);
  const int titleWidth = QFontMetrics(titleFont).horizontalAdvance(chart.title);
  if (titleWidth > titleRoom && titleWidth > 0)
    titleFont.setPixelSize(std::max(h / 21, std::max(1, h / 14 * titleRoom / titleWidth)));
  const QFont labelFont = sizedFont(family, h / 24);
  const int pad = std::max(2, h / 60);

  // Title, wrapped to two lines at most.
  p.setFont(titleFont);
  p.setPen(Qt::black);
  const QFontMetrics tm(titleFont);
  const QRect titleBox(rect.left() + pad, rect.top() + pad, rect.width() - 2 * pad,
                       tm.height() * 2);
  const QRect titleUsed =
      p.boundingRect(titleBox, Qt::AlignHCenter | Qt::TextWrapAnywhere, chart.title);
  p.drawText(titleBox, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWrapAnywhere, chart.title);
  const int titleBottom = rect.top() + pad + std::min(titleUsed.height(), tm.height() * 2) + pad;

  // Space for the bar names: the longest name, stacked when needed.
  p.setFont(labelFont);
  const QFontMetrics lm(labelFont);
  const double slotWidth =
      chart.bars.empty() ? 1.0 : double(rect.width() - 2 * pad) / double(chart.bars.size());
  int nameRows = 1;
  for (const auto& bar : chart.bars)
    if (lm.horizontalAdvance(bar.label.trimmed()) > int(slotWidth * 0.95))
      nameRows = std::max(nameRows, int(stackedPieces(bar.label.trimmed()).size()));
  const int namesHeight = std::min(h / 3, nameRows * lm.height() * 9 / 10 + pad);

  const int left = rect.left() + pad + lm.horizontalAdvance(QStringLiteral("200%")) + pad;
  const QRect area(QPoint(left, titleBottom + lm.height() / 2),
                   QPoint(rect.right() - pad, rect.bottom() - namesHeight - pad));
  if (area.width() < 2 || area.height() < 2) {
    p.restore();
    return;
  }
  auto yOf = [&](double v) { return area.bottom() - int(v / chart.axisMaximum * area.height()); };

  const int thin = std::max(1, h / 400);
  for (int v = 0; v <= int(chart.axisMaximum); v += 50) {
    p.setPen(QPen(QColor(210, 210, 210), thin));
    p.drawLine(area.left(), yOf(v), area.right(), yOf(v));
    p.setPen(Qt::black);
    p.drawText(QRect(rect.left(), yOf(v) - lm.height() / 2, left - pad - rect.left(), lm.height()),
               Qt::AlignRight | Qt::AlignVCenter, QString::number(v) + QLatin1Char('%'));
  }

  const double slot = double(area.width()) / double(std::max<size_t>(1, chart.bars.size()));
  const int barWidth = std::max(1, int(slot * 0.7));
  for (size_t i = 0; i < chart.bars.size(); ++i) {
    const auto& bar = chart.bars[i];
    const int x = area.left() + int(slot * double(i) + (slot - barWidth) / 2);
    if (bar.value > 0 && std::isfinite(bar.value)) {
      const int y = std::max(area.top(), yOf(std::min(bar.value, chart.axisMaximum)));
      const QRect r(QPoint(x, y), QPoint(x + barWidth - 1, area.bottom()));
      p.fillRect(r, bar.colour);
      p.setPen(QPen(QColor(80, 80, 80), thin));
      p.drawRect(r);
    }
    p.setPen(Qt::black);
    drawBarLabel(
        p, QRect(area.left() + int(slot * double(i)), area.bottom() + pad, int(slot), namesHeight),
        bar.label.trimmed());
  }

  p.setPen(QPen(Qt::black, thin));
  p.drawLine(area.bottomLeft(), area.topLeft());
  p.drawLine(area.bottomLeft(), area.bottomRight());
  p.setPen(QPen(QColor(255, 0, 0), std::max(1, h / 200)));
  p.drawLine(area.left(), yOf(chart.referenceValue), area.right(), yOf(chart.referenceValue));
  p.restore();
}

}  // namespace nv
