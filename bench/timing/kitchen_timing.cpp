// Timings of the kitchen's interactive paths at 1920 x 1080. They run only when NV_TIMING is
// set (they print medians and check nothing), so ordinary test runs stay quick:
//   NV_TIMING=1 QT_QPA_PLATFORM=offscreen build/bench/timing_kitchen
#include <sys/resource.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QPrinter>
#include <algorithm>
#include <cstdio>
#include <ctime>

#include "bench/timing/median.h"
#include "bento/bento_batch_print.h"
#include "bento/onigiri_bouya_form.h"
#include "bento/selected_bentou_item.h"
#include "kitchen_fixture.h"
#include "platform/qt/qtext.h"
#include "scripted_dialogs.h"

namespace {

using nvbench::median;
using nvbench::msSince;

// The processor time of this thread, so that the figures do not depend on how many other
// programs share the machine.
double cpuMs() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

// Wall and processor time of one run.
struct Stopwatch {
  QElapsedTimer wall;
  double cpu0 = cpuMs();
  Stopwatch() { wall.start(); }
  void stop(std::vector<double>& wallRuns, std::vector<double>& cpuRuns) const {
    wallRuns.push_back(msSince(wall));
    cpuRuns.push_back(cpuMs() - cpu0);
  }
};

class KitchenTiming : public nvtest::KitchenTest {
 protected:
  void SetUp() override {
    if (!qEnvironmentVariableIsSet("NV_TIMING")) GTEST_SKIP() << "set NV_TIMING";
    KitchenTest::SetUp();
  }
  const QSize wide{1920, 1080};
};

TEST_F(KitchenTiming, OverviewWorkingViewRefrigeratorAndDragging) {
  std::vector<double> overview, working, fridge, move, overviewCpu, workingCpu, fridgeCpu, moveCpu;
  for (int r = 0; r < 9; ++r) {
    form.reset();
    Stopwatch shown;
    make(wide);
    form->repaint();
    shown.stop(overview, overviewCpu);
    QApplication::processEvents();  // the idle moment before the child clicks

    const QPoint box = centreOf(form->areas().smallBox);
    Stopwatch click;
    clickKitchen(box, box);
    form->repaint();
    click.stop(working, workingCpu);
  }
  for (int r = 0; r < 9; ++r) {
    form->closeAppliance();
    QApplication::processEvents();
    Stopwatch open;
    form->openAppliance(nv::LayoutSection::Refrigerator);
    form->repaint();
    open.stop(fridge, fridgeCpu);
  }
  form->closeAppliance();
  nv::NameList names;
  form->kitchenData().dishesOfStorage(nv::sj("炊飯器"), names);
  for (int i = 0; i < 4; ++i) form->addDish(names[size_t(i)], centreOf(form->areas().largeBox));
  QApplication::processEvents();
  nv::TSelectedBentouItem* dish = form->placedItems().back();
  const QPoint grab(dish->width() / 2, dish->height() / 2);
  send(dish, QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
  for (int i = 0; i < 60; ++i) {
    const QPoint step(i % 2 ? 3 : -2, i % 3 ? 2 : -1);
    Stopwatch one;
    send(dish, QEvent::MouseMove, grab + step, Qt::NoButton, Qt::LeftButton);
    form->repaint(dish->geometry().adjusted(-8, -8, 8, 8));
    one.stop(move, moveCpu);
  }
  send(dish, QEvent::MouseButtonRelease, grab, Qt::LeftButton, Qt::NoButton);
  std::printf(
      "kitchen at 1920x1080, medians wall / cpu ms: overview shown %.2f / %.2f, "
      "working view drawn %.2f / %.2f, refrigerator with door %.2f / %.2f, one drag "
      "move %.3f / %.3f (%zu, %zu, %zu, %zu runs)\n",
      median(overview), median(overviewCpu), median(working), median(workingCpu), median(fridge),
      median(fridgeCpu), median(move), median(moveCpu), overview.size(), working.size(),
      fridge.size(), move.size());
}

double processCpuSeconds() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
         double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// The share of one core the process takes over `seconds` of running event loop, while
// `keepUp` is called every 100 ms.
double cpuPercentOver(int seconds, const std::function<void()>& keepUp) {
  QTimer poll;
  poll.setInterval(100);
  QObject::connect(&poll, &QTimer::timeout, keepUp);
  poll.start();
  QElapsedTimer wall;
  const double cpu0 = processCpuSeconds();
  wall.start();
  QEventLoop loop;
  QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
  loop.exec();
  return 100.0 * (processCpuSeconds() - cpu0) / (double(wall.nsecsElapsed()) / 1e9);
}

// The rice ball animating over the kitchen, shown again at once whenever it has closed itself
// (as a child clicking it again), beside the same kitchen without it.
TEST_F(KitchenTiming, RiceBallCpu) {
  nv::RiceBall ball;
  ports.riceBall = &ball;
  working(wide);
  QApplication::processEvents();
  std::vector<double> idle, shown;
  int shows = 0;
  for (int r = 0; r < 3; ++r) idle.push_back(cpuPercentOver(10, [] {}));
  for (int r = 0; r < 3; ++r)
    shown.push_back(cpuPercentOver(10, [&] {
      if (!ball.window()) ball.show(*form, shows++ % 4);
    }));
  ball.close();
  std::printf(
      "rice ball over the kitchen at 1920x1080: CPU median %.2f %% of a core while it animates "
      "(kitchen alone %.2f %%), 3 runs of 10 s each, %d shows\n",
      median(shown), median(idle), shows);
}

// The start screen's batch print of 30 saved boxes of four dishes into one PDF file, every
// profile confirmed at once.
TEST_F(KitchenTiming, BatchPrintOfThirty) {
  std::vector<std::string> files;
  for (int i = 0; i < 30; ++i) {
    nv::TKojinData k;
    k.setName(nv::sj("じどう") + std::to_string(i));
    const std::string path = dir.file("child" + std::to_string(i) + ".nvub");
    ASSERT_TRUE(nv::writeBentoSaveFile(path, k, 1.0,
                                       {{nv::sj("ごはん"), 380, 560, 120, 120},
                                        {nv::sj("おにぎり"), 500, 600, 90, 90},
                                        {nv::sj("卵焼き"), 600, 620, 80, 80},
                                        {nv::sj("からあげ"), 300, 620, 80, 80}})
                    .ok());
    files.push_back(nv::cp932ToUtf8(path));
  }
  std::vector<double> wall, cpu;
  for (int r = 0; r < 3; ++r) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(nv::toQ(dir.file("class.pdf")));
    nvtest::ScriptedDialogs dialogs;
    dialogs.expectPrinterSetup().expectOpenFiles(files);
    Stopwatch run;
    const nv::BatchPrintResult done = nv::printBentouData(
        profile, gunName, printer, [](nv::TKojinData&, QWidget*) { return true; }, nullptr, wide);
    run.stop(wall, cpu);
    EXPECT_EQ(done.printed.size(), files.size());
  }
  std::printf(
      "batch print of 30 boxes to PDF at 1920x1080: median %.0f ms wall / %.0f ms cpu "
      "(3 runs)\n",
      median(wall), median(cpu));
}

}  // namespace
