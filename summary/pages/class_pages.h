#pragma once
// The class summary on paper and on screen: the chart of the class per nutrient and food group
// (a stacked bar of the three bands), the class rows, then the children's table. One painter
// draws every page, so the printer, the PDF writer, nvtool and the window show the same thing.
#include <QRect>

class QPainter;
class QPagedPaintDevice;

namespace nv {

struct ClassSummary;

// For each nutrient and group a bar of the children under 80 %, within, over 120 %.
void paintClassChart(QPainter& painter, const QRect& rect, const ClassSummary& summary);

// Page 0: title, chart and class rows; then the children's table, as many rows a page as fit.
int classPageCount(const ClassSummary& summary, QSize page);
void paintClassPage(QPainter& painter, const QRect& page, const ClassSummary& summary, int index);

// Every page onto a paged device (a QPrinter or a QPdfWriter) whose title the caller set. False
// when the device cannot be painted on.
bool printClassPages(QPagedPaintDevice& device, const ClassSummary& summary);

}  // namespace nv
