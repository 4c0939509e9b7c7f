#pragma once
// A balance chart drawn for paper on any QPainter: white background, no legend, the bar
// names under the bars and fonts sized to the rectangle, so the printer, the PDF writer and
// the print preview all show the same picture at their own resolution.
#include <QFont>
#include <QRect>

#include "widgets/bar_chart.h"
#include "widgets/bar_chart_paint.h"

class QPainter;

namespace nv {

using PaperChart = BarChartData;

// A chart widget's contents as they stand.
inline PaperChart paperChartOf(const BarChart& chart) { return chart.data(); }

// font: the face of the page (its size is chosen from the rectangle).
inline void paintPaperChart(QPainter& painter, const QRect& rect, const PaperChart& chart,
                            const QFont& font = QFont()) {
  paintBarChart(painter, rect, chart, BarChartStyle::forPaper(font));
}

}  // namespace nv
