// Timings of the planner's interactive paths. They run only when NV_TIMING is set (they print
// medians and check nothing), so ordinary test runs stay quick:
//   NV_TIMING=1 NV_TIMING_DIST=build/dist QT_QPA_PLATFORM=offscreen build/tests/test_planner
//   --gtest_filter='PlannerTiming*'
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QPushButton>
#include <QSlider>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "fake_planner_host.h"
#include "main_form_fixture.h"
#include "planner/sel_button.h"
#include "planner_test_app.h"
#include "teacher/edit_kondate_form.h"
#include "widgets/bar_chart.h"

namespace nvtest {
namespace {

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n == 0 ? 0 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double msSince(const QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e6; }

using PlannerTiming = MainFormTest;

TEST_F(PlannerTiming, DishButtonsOfTheLargestCategory) {
  const QByteArray dist = qgetenv("NV_TIMING_DIST");
  if (!qEnvironmentVariableIsSet("NV_TIMING") || dist.isEmpty())
    GTEST_SKIP() << "set NV_TIMING and NV_TIMING_DIST";
  nv::setProgramFolder(dist.toStdString());
  nv::TMainForm& f = make({});
  f.resize(800, 600);
  f.startUp();
  ASSERT_GT(f.categories().size(), 0u);
  int largest = 0;
  size_t most = 0;
  for (int i = 0; i < int(f.categories().size()); ++i) {
    f.makeDishButtons(i);
    if (f.dishButtons().size() > most) {
      most = f.dishButtons().size();
      largest = i;
    }
  }
  std::vector<double> runs;
  for (int r = 0; r < 9; ++r) {
    f.makeDishButtons(largest == 0 ? 1 % int(f.categories().size()) : 0);
    QElapsedTimer t;
    t.start();
    f.makeDishButtons(largest);
    runs.push_back(msSince(t));
  }
  std::printf("dish buttons: %zu buttons in %s, median %.2f ms of %zu runs\n", most,
              nv::cp932ToUtf8(f.categories()[size_t(largest)]).c_str(), median(runs), runs.size());
}

TEST(PlannerTimingSlider, OneQuantityMoveToChartsRedrawn) {
  if (!qEnvironmentVariableIsSet("NV_TIMING")) GTEST_SKIP() << "set NV_TIMING";
  plannerApp();
  FakePlannerHost host;
  host.sel->resize(600, 129);
  host.sel->show();
  host.graph->resize(232, 340);
  host.graph->show();
  host.selectMealTab(1);
  host.sel->AddDish(nv::sj("ごはん"), nv::sj("ごはん"), true);
  host.sel->AddDish(nv::sj("飲み物"), nv::sj("牛乳"), true);
  host.sel->AddDish(nv::sj("魚のおかず"), nv::sj("さけのしおやき"), true);
  ASSERT_FALSE(host.sel->buttons(1).empty());
  std::vector<double> calc, drawn;
  whenModal([&](QWidget* w) {
    auto* dlg = qobject_cast<nv::TEditKondateForm*>(w);
    ASSERT_NE(dlg, nullptr);
    for (int i = 0; i < 41; ++i) {
      QElapsedTimer t;
      t.start();
      nvtest::child<QSlider>(dlg, "TrackBar1")->setValue(5000 + 250 * i);
      calc.push_back(msSince(t));
      // grab() paints for real even on the offscreen platform; the day chart is on a hidden page.
      host.graph->chart(1)->grab();
      drawn.push_back(msSince(t));
    }
    nvtest::child<QPushButton>(dlg, "CancelBtn")->click();
  });
  host.sel->EditDish(host.sel->buttons(1)[0]);
  std::printf(
      "slider move: charts recalculated median %.3f ms, recalculated and painted "
      "median %.3f ms, %zu moves\n",
      median(calc), median(drawn), calc.size());
}

}  // namespace
}  // namespace nvtest
