#pragma once
// The main window's per-meal chart view: one balance chart per meal node, one tab each.
#include <QTabWidget>
#include <array>

namespace nv {

class BarChart;

class PercentView : public QTabWidget {
  Q_OBJECT
 public:
  explicit PercentView(QWidget* parent = nullptr);
  BarChart* chart(int node) const;

 private:
  std::array<BarChart*, 4> charts_{};
};

}  // namespace nv
