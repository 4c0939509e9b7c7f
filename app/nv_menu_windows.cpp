#include "app/nv_menu_windows.h"

#include <QTabWidget>

#include "planner/model/selected_menu.h"
#include "planner/planner_host.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "widgets/bar_chart.h"

namespace nv {
namespace {
// One tab per meal node; changing the tab goes through the main window's page routine.
QTabWidget* mealTabs(PlannerHost& host, bool charts) {
  auto* tabs = new QTabWidget;
  for (int node = 0; node < SelectedMenu::kNodeCount; ++node) {
    QWidget* page = charts ? static_cast<QWidget*>(new BarChart) : new QWidget;
    tabs->addTab(page, toQ(SelectedMenu::nodeNames()[size_t(node)]));
  }
  QObject::connect(tabs, &QTabWidget::currentChanged, tabs,
                   [&host](int index) { host.selectMealTab(index); });
  return tabs;
}

class StandInSel : public SelKondatePort {
 public:
  explicit StandInSel(PlannerHost& host) : tabs_(mealTabs(host, false)) {
    tabs_->setWindowTitle(toQ(sj("選んだ献立")));
  }
  QWidget* widget() override { return tabs_; }
  void AddDish(const std::string&, const std::string&, bool) override {}
  void RecalcAllGraphs() override {}
  void ClearAll() override {}
  void SaveMenuFile(const std::string&) override {}
  bool LoadMenuFile(const std::string&) override { return false; }
  void ReadBackColors(const Ini&) override {}
  void WriteBackColors(Ini&) override {}
  void SetChartTitles(const std::string&) override {}
  void setActivePage(int index) override { tabs_->setCurrentIndex(index); }
  bool Modified() const override { return false; }

 private:
  QTabWidget* tabs_;  // owned by the dock it goes into
};

class StandInGraph : public GraphPort {
 public:
  explicit StandInGraph(PlannerHost& host) : tabs_(mealTabs(host, true)) {
    tabs_->setWindowTitle(toQ(sj("栄養価")));
  }
  QWidget* widget() override { return tabs_; }
  void setActivePage(int index) override { tabs_->setCurrentIndex(index); }

 private:
  QTabWidget* tabs_;
};
}  // namespace

std::unique_ptr<SelKondatePort> makeSelKondateWindow(PlannerHost& host) {
  return std::make_unique<StandInSel>(host);
}

std::unique_ptr<GraphPort> makeGraphWindow(PlannerHost& host) {
  return std::make_unique<StandInGraph>(host);
}

}  // namespace nv
