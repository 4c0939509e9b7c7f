#pragma once
// The balance bar chart of the menu planner: a fixed 0..200 % axis, one bar per nutrient or
// food group in its colour, a red 1-pixel line at 100 %, a title and a legend at the bottom.
#include <QColor>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

namespace nv {

class BarChart : public QWidget {
  Q_OBJECT
 public:
  struct Bar {
    QString label;
    double value = 0;  // percent; values above the axis run off the top
    QColor colour;
  };

  explicit BarChart(QWidget* parent = nullptr);

  void setTitle(const QString& title);
  const QString& title() const { return title_; }
  void setBars(std::vector<Bar> bars);
  const std::vector<Bar>& bars() const { return bars_; }
  void clearBars() { setBars({}); }
  // The axis always runs from 0 to this maximum (200 %); the line marks the reference (100 %).
  void setAxisMaximum(double maximum);
  void setReferenceValue(double value);

  QSize sizeHint() const override { return {232, 300}; }
  QSize minimumSizeHint() const override { return {120, 140}; }

  // The plotting area for the current size (exposed for tests of the 100 % line).
  QRect plotArea() const;
  // The title broken to fit a width: at most two lines, the second elided when it overflows
  // (the graph window is narrow).
  QStringList titleLines(int width) const;
  // The y pixel of a value inside the plotting area, truncated toward zero.
  int yOfValue(double value) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void changeEvent(QEvent* event) override;
  int legendHeight(int width) const;
  QString title_;
  // titleLines() runs for every y position painted: keep the last width's lines.
  mutable int linesWidth_ = -1;
  mutable QStringList lines_;
  std::vector<Bar> bars_;
  double axisMaximum_ = 200;
  double referenceValue_ = 100;
};

}  // namespace nv
