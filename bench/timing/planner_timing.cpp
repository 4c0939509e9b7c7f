// Timings of the planner's interactive paths. They run only when NV_TIMING is set (they print
// medians and check nothing), so ordinary test runs stay quick:
//   NV_TIMING=1 NV_TIMING_DIST=build/dist QT_QPA_PLATFORM=offscreen build/bench/timing_planner
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/timing/median.h"
#include "core/nv_file.h"
#include "fake_planner_host.h"
#include "main_form_fixture.h"
#include "planner/conveyor_view.h"
#include "planner/sel_button.h"
#include "planner_test_app.h"
#include "platform/qt/qtext.h"
#include "shown.h"
#include "teacher/edit_kondate_form.h"
#include "widgets/bar_chart.h"

namespace nvtest {
namespace {

using nvbench::median;
using nvbench::msSince;

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

double cpuSeconds() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
         double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// The share of one core the shown conveyor view takes, over `seconds` of running belt.
double conveyorCpuPercent(nv::TMainForm& f, int seconds) {
  f.show();
  f.showConveyorView();
  QEventLoop settle;
  QTimer::singleShot(500, &settle, &QEventLoop::quit);
  settle.exec();
  QElapsedTimer wall;
  const double cpu0 = cpuSeconds();
  wall.start();
  QEventLoop loop;
  QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
  loop.exec();
  const double percent = 100.0 * (cpuSeconds() - cpu0) / (double(wall.nsecsElapsed()) / 1e9);
  f.showNormalView();
  return percent;
}

// The conveyor view on the bundled data, on the data without two categories (the two with
// the fewest dishes) and on the data without any dish of the third row.
TEST_F(PlannerTiming, ConveyorViewCpu) {
  const QByteArray dist = qgetenv("NV_TIMING_DIST");
  if (!qEnvironmentVariableIsSet("NV_TIMING") || dist.isEmpty())
    GTEST_SKIP() << "set NV_TIMING and NV_TIMING_DIST";
  nv::TFoodData foods;
  nv::TKondateData all;
  ASSERT_TRUE(nvtest::shown(
      nv::loadDataFile(nv::joinPath(dist.toStdString(), "NV.nv"), foods, all, nullptr)));
  std::vector<const nv::TOrder*> bySize;
  for (const nv::TOrder& o : all.orders()) bySize.push_back(&o);
  std::sort(bySize.begin(), bySize.end(), [](const nv::TOrder* a, const nv::TOrder* b) {
    return a->base.size() + a->added.size() < b->base.size() + b->added.size();
  });
  ASSERT_GE(bySize.size(), 2u);
  auto without = [&](std::vector<std::string> gone) {
    nv::TKondateData d;
    for (const nv::TOrder& o : all.orders())
      if (std::find(gone.begin(), gone.end(), o.name) == gone.end()) d.orders().push_back(o);
    return d;
  };
  const std::vector<std::pair<std::string, nv::TKondateData>> cases = {
      {"bundled", all},
      {"without " + nv::cp932ToUtf8(bySize[0]->name) + ", " + nv::cp932ToUtf8(bySize[1]->name),
       without({bySize[0]->name, bySize[1]->name})},
      {"without the third row", without(nv::ConveyorView::rowCategories()[2])}};
  // The pictures of the distribution, the data of each case in a folder of its own.
  nv::setProgramFolder(dir.path());
  QDir().rmdir(nv::toQ(dir.file("bmp")));
  QFile::link(nv::toQ(nv::joinPath(dist.toStdString(), "bmp")), nv::toQ(dir.file("bmp")));
  for (const auto& [name, data] : cases) {
    ASSERT_TRUE(nvtest::shown(nv::writeDataFile(dir.file("NV.nv"), foods, data, &nv::prompt())));
    static nvtest::IdleServices idle;  // outlives every planner
    // With the real chosen-menu and graph windows.
    nv::PlannerParts parts{.profile = profile, .gunName = gunName, .services = idle.services()};
    parts.defaultName = nv::sj("host");
    parts.services.profile = &nameEntry;
    planner = nv::makePlanner(parts);
    nv::TMainForm& f = *planner->mainForm;
    f.resize(1000, 700);
    f.startUp();
    std::vector<double> runs;
    for (int r = 0; r < 3; ++r) runs.push_back(conveyorCpuPercent(f, 10));
    std::printf(
        "conveyor view, %s: rows of %zu, %zu, %zu dishes; CPU median %.2f %% of a core "
        "over 3 runs of 10 s\n",
        name.c_str(), f.conveyor()->row(0)->buttons().size(),
        f.conveyor()->row(1)->buttons().size(), f.conveyor()->row(2)->buttons().size(),
        median(runs));
    planner.reset();
  }
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
