#pragma once
// The balance bar chart as a picture: one function paints it on any QPainter inside a
// rectangle, for the chart window, the printed pages and the screenshot tests alike. A fixed
// 0..200 % axis, one bar per nutrient or food group in its colour with its name under it and
// its percentage above it, a red line at 100 %, a title, and on screen a legend at the bottom.
// Bars may carry their food group's hatching as well, so the chart reads without colours.
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>
#include <vector>

class QPainter;
class QPaintDevice;

namespace nv {

struct BarChartData {
  struct Bar {
    QString label;     // as stored: the legend shows it exactly, spaces included
    double value = 0;  // percent; values above the axis run off the top
    QColor colour;
    int pattern = 0;  // the hatching of the colour's food group, 1..6; 0: none
  };
  QString title;
  std::vector<Bar> bars;
  // The axis always runs from 0 to this maximum (200 %); the line marks the reference (100 %).
  double axisMaximum = 200;
  double referenceValue = 100;
  // Bars and legend carry their hatching (PatternBars=1 in NV.ini). Paper printed in grey
  // carries it in any case.
  bool patterns = false;
};

// The percentage written at a bar's end: the value truncated toward zero, "87%".
QString barValueText(double value);
// What a screen reader says for the chart: "エネルギー 87%、蛋白質 104%、…".
QString chartDescription(const BarChartData& data);
// Whether bars painted on `device` carry their hatching.
bool drawsPatterns(const BarChartData& data, const QPaintDevice* device);
// Hatches `rect` with pattern 1..6 (／, ＼, ―, ｜, ＋, ×), lines `spacing` apart.
void paintHatch(QPainter& painter, const QRect& rect, int pattern, int spacing, int lineWidth);

struct BarChartStyle {
  QFont font;
  // Paper: a white page without a legend, fonts sized to the rectangle (only the face of
  // `font` counts), "%" on the axis and the bar names written top to bottom when narrow.
  // Screen: the font as given, a legend, and narrow bar names turned on their side.
  bool paper = false;

  static BarChartStyle screen(const QFont& font) { return {font, false}; }
  static BarChartStyle forPaper(const QFont& face) { return {face, true}; }
};

// How the bar names under the axis are written.
enum class BarNames { Across, Turned, Stacked };

struct BarChartLayout {
  QRect bounds;  // the whole picture
  bool paper = false;
  QFont titleFont, textFont;
  QStringList titleLines;
  int titleTop = 0;
  QRect plot;   // the plotting area; the axis runs along its left and bottom edges
  QRect names;  // the band of bar names under the axis
  BarNames nameMode = BarNames::Across;
  QRect legend;     // empty on paper
  QFont valueFont;  // the percentages above the bars, fitted to the bars' columns
  double axisMaximum = 200;

  // The y pixel of a value inside the plotting area, truncated toward zero.
  int yOf(double value) const { return plot.bottom() - int(value / axisMaximum * plot.height()); }
  // Column i of n across the plotting area, and the bar drawn inside it.
  double slotWidth(size_t n) const { return double(plot.width()) / double(n == 0 ? 1 : n); }
};

BarChartLayout layoutBarChart(const QRect& rect, const BarChartData& data,
                              const BarChartStyle& style);
void paintBarChart(QPainter& painter, const QRect& rect, const BarChartData& data,
                   const BarChartStyle& style);
// The same with a layout already computed for this rectangle, data and style.
void paintBarChart(QPainter& painter, const BarChartLayout& layout, const BarChartData& data);

// The title broken to fit a width: at most two lines, the second elided when it overflows.
// Japanese titles have no spaces, so lines break anywhere when no word boundary fits.
QStringList chartTitleLines(const QString& title, const QFont& font, int width);

// The name shown under a bar: the stored label without its padding (the legend keeps it).
QString barName(const QString& label);

// A name written top to bottom in pieces: a voiced mark stays with its kana, a run of Latin
// letters and digits stays on one line, and the long vowel mark turns upright.
QStringList stackedPieces(const QString& label);

}  // namespace nv
