#include "widgets/bar_chart.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace nv {
namespace {
constexpr int kMargin = 6;
constexpr int kAxisLabelGap = 4;
constexpr int kLegendSwatch = 10;
constexpr int kLegendGap = 8;
}  // namespace

BarChart::BarChart(QWidget* parent) : QWidget(parent) {
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);
}

void BarChart::setTitle(const QString& title) {
  title_ = title;
  linesWidth_ = -1;
  update();
}

void BarChart::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) linesWidth_ = -1;
  QWidget::changeEvent(event);
}

void BarChart::setBars(std::vector<Bar> bars) {
  bars_ = std::move(bars);
  update();
}

void BarChart::setAxisMaximum(double maximum) {
  axisMaximum_ = maximum > 0 ? maximum : 200;
  update();
}

void BarChart::setReferenceValue(double value) {
  referenceValue_ = value;
  update();
}

int BarChart::legendHeight(int width) const {
  if (bars_.empty()) return 0;
  QFontMetrics fm(font());
  int x = kMargin, rows = 1;
  for (const Bar& b : bars_) {
    int w = kLegendSwatch + 3 + fm.horizontalAdvance(b.label.trimmed()) + kLegendGap;
    if (x + w > width - kMargin && x > kMargin) {
      ++rows;
      x = kMargin;
    }
    x += w;
  }
  return rows * (fm.height() + 2) + kMargin;
}

QStringList BarChart::titleLines(int width) const {
  if (width == linesWidth_) return lines_;
  QStringList lines;
  linesWidth_ = width;
  lines_.clear();
  if (title_.isEmpty()) return lines;
  const int avail = std::max(1, width - 2 * kMargin);
  QFontMetrics fm(font());
  // Japanese titles have no spaces: break anywhere when no word boundary fits.
  QTextLayout layout(title_, font());
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  layout.beginLayout();
  for (;;) {
    QTextLine line = layout.createLine();
    if (!line.isValid()) break;
    line.setLineWidth(avail);
    if (lines.size() == 1) {
      lines << fm.elidedText(title_.mid(line.textStart()), Qt::ElideRight, avail);
      break;
    }
    lines << title_.mid(line.textStart(), line.textLength()).trimmed();
  }
  layout.endLayout();
  lines_ = lines;
  return lines;
}

QRect BarChart::plotArea() const {
  QFontMetrics fm(font());
  const qsizetype titleRows = titleLines(width()).size();
  const int top =
      kMargin + (titleRows == 0 ? 0 : int(titleRows) * fm.height() + kMargin) + fm.height() / 2;
  const int left = kMargin + fm.horizontalAdvance(QStringLiteral("200")) + kAxisLabelGap;
  const int bottom = height() - legendHeight(width()) - kMargin;
  const int right = width() - kMargin;
  return QRect(QPoint(left, top), QPoint(std::max(left + 1, right), std::max(top + 1, bottom)));
}

int BarChart::yOfValue(double value) const {
  const QRect area = plotArea();
  return area.bottom() - int(value / axisMaximum_ * area.height());
}

void BarChart::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QFontMetrics fm(font());
  const QRect area = plotArea();

  p.setPen(Qt::black);
  int titleY = kMargin;
  for (const QString& line : titleLines(width())) {
    p.drawText(QRect(0, titleY, width(), fm.height()), Qt::AlignHCenter | Qt::AlignVCenter, line);
    titleY += fm.height();
  }

  // Axis: grid lines and labels every 50 %.
  p.setPen(QColor(220, 220, 220));
  for (int v = 0; v <= int(axisMaximum_); v += 50) {
    const int y = yOfValue(v);
    p.drawLine(area.left(), y, area.right(), y);
  }
  p.setPen(Qt::black);
  for (int v = 0; v <= int(axisMaximum_); v += 50) {
    const int y = yOfValue(v);
    p.drawText(
        QRect(kMargin, y - fm.height() / 2, area.left() - kMargin - kAxisLabelGap, fm.height()),
        Qt::AlignRight | Qt::AlignVCenter, QString::number(v));
  }
  p.drawLine(area.bottomLeft(), area.topLeft());
  p.drawLine(area.bottomLeft(), area.bottomRight());

  // Bars from 0, clipped at the top of the axis.
  if (!bars_.empty()) {
    p.save();
    p.setClipRect(area.adjusted(0, 0, 1, 1));
    const double slot = double(area.width()) / double(bars_.size());
    const int barWidth = std::max(1, int(slot * 0.7));
    for (size_t i = 0; i < bars_.size(); ++i) {
      const Bar& b = bars_[i];
      if (!(b.value > 0) || !std::isfinite(b.value)) continue;
      const int x = area.left() + int(slot * double(i) + (slot - barWidth) / 2);
      const double shown = std::min(b.value, axisMaximum_ * 2);
      const int y = yOfValue(shown);
      p.fillRect(QRect(QPoint(x, y), QPoint(x + barWidth - 1, area.bottom() - 1)), b.colour);
      p.setPen(QColor(90, 90, 90));
      p.drawRect(QRect(QPoint(x, y), QPoint(x + barWidth - 1, area.bottom() - 1)));
    }
    p.restore();
  }

  // The 100 % line.
  p.setPen(QPen(QColor(255, 0, 0), 1, Qt::SolidLine));
  const int y100 = yOfValue(referenceValue_);
  p.drawLine(area.left(), y100, area.right(), y100);

  // Legend.
  int x = kMargin, y = area.bottom() + kMargin + 2;
  for (const Bar& b : bars_) {
    const QString text = b.label.trimmed();
    const int w = kLegendSwatch + 3 + fm.horizontalAdvance(text) + kLegendGap;
    if (x + w > width() - kMargin && x > kMargin) {
      x = kMargin;
      y += fm.height() + 2;
    }
    const QRect swatch(x, y + (fm.height() - kLegendSwatch) / 2, kLegendSwatch, kLegendSwatch);
    p.fillRect(swatch, b.colour);
    p.setPen(Qt::black);
    p.drawRect(swatch);
    p.drawText(QPoint(x + kLegendSwatch + 3, y + fm.ascent()), text);
    x += w;
  }
}

}  // namespace nv
