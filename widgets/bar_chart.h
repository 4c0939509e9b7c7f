#pragma once
// The balance bar chart of the menu planner as a widget; the picture itself is painted by
// paintBarChart (widgets/bar_chart_paint.h), the same for screen, paper and tests. A screen
// reader gets the title as the chart's name and its values as the description.
#include <QString>
#include <QStringList>
#include <QWidget>
#include <optional>
#include <vector>

#include "widgets/bar_chart_paint.h"

namespace nv {

class BarChart : public QWidget {
  Q_OBJECT
 public:
  using Bar = BarChartData::Bar;

  explicit BarChart(QWidget* parent = nullptr);

  void setTitle(const QString& title);
  const QString& title() const { return data_.title; }
  void setBars(std::vector<Bar> bars);
  const std::vector<Bar>& bars() const { return data_.bars; }
  void clearBars() { setBars({}); }
  // The axis always runs from 0 to this maximum (200 %); the line marks the reference (100 %).
  void setAxisMaximum(double maximum);
  void setReferenceValue(double value);
  // The food groups' hatching on the bars and the legend (PatternBars=1).
  void setPatterns(bool on);
  const BarChartData& data() const { return data_; }

  QSize sizeHint() const override { return {232, 300}; }
  QSize minimumSizeHint() const override { return {120, 140}; }

  // The layout for the current size and font (exposed for tests of the 100 % line and names).
  const BarChartLayout& layout() const;
  QRect plotArea() const { return layout().plot; }
  // The title broken to fit the width of a chart this wide.
  QStringList titleLines(int width) const;
  // The y pixel of a value inside the plotting area, truncated toward zero.
  int yOfValue(double value) const { return layout().yOf(value); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void changeEvent(QEvent* event) override;
  void relayout();
  void describe();
  BarChartData data_;
  // Laid out once per size, font, title and names: values change on every slider move.
  mutable std::optional<BarChartLayout> layout_;
};

}  // namespace nv
