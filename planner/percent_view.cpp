#include "planner/percent_view.h"

#include "planner/model/selected_menu.h"
#include "platform/qt/qtext.h"
#include "widgets/bar_chart.h"

namespace nv {

PercentView::PercentView(QWidget* parent) : QTabWidget(parent) {
  for (int node = 0; node < SelectedMenu::kNodeCount; ++node) {
    auto* chart = new BarChart(this);
    chart->setAxisMaximum(200);
    chart->setReferenceValue(100);
    charts_[size_t(node)] = chart;
    addTab(chart, toQ(SelectedMenu::nodeNames()[size_t(node)]));
  }
}

BarChart* PercentView::chart(int node) const {
  if (node < 0 || node >= int(charts_.size())) return nullptr;
  return charts_[size_t(node)];
}

}  // namespace nv
