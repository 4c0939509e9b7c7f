#pragma once
// How a percentage band looks wherever the class summary draws one: a pale colour for the
// screen and a hatching that survives a black-and-white printer (under: diagonal lines, over:
// a cross-hatch, within: plain).
#include <QColor>
#include <QRectF>

#include "summary/model/class_summary.h"

class QPainter;

namespace nv {

QColor bandColor(Band band);
// Fills rect with the band's colour and hatching; `spacing` is the distance between hatch lines
// in the painter's units (so a 300 dpi page gets the same pattern as the screen).
void paintBandFill(QPainter& painter, const QRectF& rect, Band band, double spacing);

}  // namespace nv
