#pragma once
// TGraphForm: the "栄養価" tool window, one balance chart per meal node on its own tab. The
// chosen-menu window fills the charts; a page change here goes through the main window's
// page routine so every page control shows the same meal.
#include <QWidget>
#include <array>

class QTabWidget;

namespace nv {

class BarChart;
class PlannerHost;

class TGraphForm : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kNodeCount = 4;

  explicit TGraphForm(PlannerHost& host, QWidget* parent = nullptr);

  // The chart of meal node 0..3 (nullptr outside that range).
  BarChart* chart(int node) const;
  // Shows page 0..3 without calling the page routine back (the routine itself calls this).
  void setActivePage(int index);
  int activePage() const;
  QTabWidget* pageControl() const { return PageControl1; }

  QSize sizeHint() const override { return {232, 340}; }

 signals:
  // The window was closed by the user (the main window unchecks its action).
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void PageControl1Change(int index);

  PlannerHost& host_;
  QTabWidget* PageControl1 = nullptr;
  std::array<BarChart*, kNodeCount> charts_{};
  bool settingPage_ = false;
};

}  // namespace nv
