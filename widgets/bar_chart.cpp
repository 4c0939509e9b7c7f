#include "widgets/bar_chart.h"

#include <QEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace nv {
namespace {
constexpr int kMargin = 6;
}  // namespace

BarChart::BarChart(QWidget* parent) : QWidget(parent) {
  describe();
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);
}

void BarChart::relayout() {
  layout_.reset();
  update();
}

void BarChart::setTitle(const QString& title) {
  data_.title = title;
  describe();
  relayout();
}

void BarChart::describe() {
  setAccessibleName(data_.title.isEmpty() ? u"栄養バランスのグラフ"_s : data_.title);
  setAccessibleDescription(chartDescription(data_));
}

void BarChart::setPatterns(bool on) {
  if (data_.patterns == on) return;
  data_.patterns = on;
  update();
}

void BarChart::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) layout_.reset();
  QWidget::changeEvent(event);
}

void BarChart::resizeEvent(QResizeEvent* event) {
  layout_.reset();
  QWidget::resizeEvent(event);
}

void BarChart::setBars(std::vector<Bar> bars) {
  const bool sameNames = bars.size() == data_.bars.size() &&
                         std::equal(bars.begin(), bars.end(), data_.bars.begin(),
                                    [](const Bar& a, const Bar& b) { return a.label == b.label; });
  data_.bars = std::move(bars);
  describe();
  if (!sameNames) layout_.reset();
  update();
}

void BarChart::setAxisMaximum(double maximum) {
  data_.axisMaximum = maximum > 0 ? maximum : 200;
  relayout();
}

void BarChart::setReferenceValue(double value) {
  data_.referenceValue = value;
  update();
}

const BarChartLayout& BarChart::layout() const {
  if (!layout_ || layout_->bounds != rect())
    layout_ = layoutBarChart(rect(), data_, BarChartStyle::screen(font()));
  return *layout_;
}

QStringList BarChart::titleLines(int width) const {
  return chartTitleLines(data_.title, font(), width - 2 * kMargin);
}

void BarChart::paintEvent(QPaintEvent*) {
  QPainter p(this);
  paintBarChart(p, layout(), data_);
}

}  // namespace nv
