#pragma once
// A balance chart drawn for paper on any QPainter: white background, no legend, the bar
// names under the bars and fonts sized to the rectangle, so the printer, the PDF writer and
// the print preview all show the same picture at their own resolution.
#include <QFont>
#include <QRect>
#include <QString>
#include <vector>

#include "widgets/bar_chart.h"

class QPainter;

namespace nv {

struct PaperChart {
  QString title;
  std::vector<BarChart::Bar> bars;
  double axisMaximum = 200;
  double referenceValue = 100;
};

// A chart widget's contents as they stand.
PaperChart paperChartOf(const BarChart& chart);

// font: the face of the page (its size is chosen from the rectangle).
void paintPaperChart(QPainter& painter, const QRect& rect, const PaperChart& chart,
                     const QFont& font = QFont());

}  // namespace nv
