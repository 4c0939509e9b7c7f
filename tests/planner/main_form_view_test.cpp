// The page routine, the graph basis, the views and the conveyor speed.
#include <QAction>
#include <QDir>
#include <QEventLoop>
#include <QMenu>
#include <QTimer>
#include <QToolBar>
#include <filesystem>

#include "main_form_fixture.h"
#include "planner/conveyor_view.h"
#include "planner/kondate_button.h"
#include "planner/percent_view.h"
#include "platform/text.h"
#include "scripted_prompt.h"
#include "widgets/bar_chart.h"

namespace nvtest {
namespace {

TEST_F(MainFormTest, PageRoutineKeepsTheThreePageControlsOnTheSameMeal) {
  nv::TMainForm& f = started({{"ごはん", {"ごはん"}}});
  f.selectMealTab(2);
  EXPECT_EQ(sel.pages.back(), 2);
  EXPECT_EQ(graph.pages.back(), 2);
  EXPECT_EQ(f.percentView()->currentIndex(), 2);
  EXPECT_EQ(f.activeMeal(), 2);
  EXPECT_TRUE(action(f, "ShowYuushokuAction")->isChecked());
  EXPECT_FALSE(action(f, "ShowChoushokuAction")->isChecked());

  // A tab change on the chart view goes through the routine too.
  f.percentView()->setCurrentIndex(3);
  EXPECT_EQ(sel.pages.back(), 3);
  EXPECT_EQ(graph.pages.back(), 3);

  // The meal actions.
  action(f, "ShowChoushokuAction")->trigger();
  EXPECT_EQ(graph.pages.back(), 0);
  EXPECT_EQ(f.percentChart(0), f.percentView()->chart(0));
  EXPECT_EQ(f.percentChart(4), nullptr);
}

TEST_F(MainFormTest, StartUpTitlesAndFillsTheChartsBeforeAnyDish) {
  started({{"ごはん", {"ごはん"}}});
  ASSERT_EQ(sel.titles.size(), 1u);
  EXPECT_EQ(sel.titles[0], nv::sj("host"));
  EXPECT_GE(sel.recalcs, 1);
}

TEST_F(MainFormTest, PageRoutineIgnoresReentryAndReportsABadIndex) {
  nv::TMainForm& f = started({{"ごはん", {"ごはん"}}});
  sel.reenter = &f;  // the window answers the switch by asking for another page
  f.selectMealTab(1);
  EXPECT_EQ(sel.pages, (std::vector<int>{1}));
  EXPECT_EQ(graph.pages.back(), 1);
  EXPECT_EQ(f.percentView()->currentIndex(), 1);
  sel.reenter = nullptr;

  ScriptedPrompt prompt;
  prompt.expectMessage("プログラムのバグです(タブ表示部)");
  prompt.expectMessage("プログラムのバグです(タブ表示部)");
  f.selectMealTab(4);
  f.selectMealTab(-1);
  EXPECT_EQ(f.activeMeal(), 1);
}

TEST_F(MainFormTest, ViewMenuFollowsTheDockedWindows) {
  nv::TMainForm& f = started({{"ごはん", {"ごはん"}}});
  emit menu(f, "ViewMenu")->aboutToShow();
  EXPECT_TRUE(action(f, "ShowSelKondateFormAction")->isChecked());
  EXPECT_TRUE(action(f, "ShowGraphFormAction")->isChecked());
  EXPECT_TRUE(action(f, "ShowChoushokuAction")->isChecked());
  action(f, "ShowGraphFormAction")->trigger();  // hides the graph panel
  EXPECT_TRUE(sel.widget()->parentWidget() != nullptr);
  EXPECT_TRUE(graph.widget()->parentWidget()->isHidden());
  emit menu(f, "ViewMenu")->aboutToShow();
  EXPECT_FALSE(action(f, "ShowGraphFormAction")->isChecked());
  action(f, "ShowToolBarAction")->trigger();
  EXPECT_FALSE(toolBar(f)->isHidden());
}

// Every tool has a picture (the theme's or the distribution's), and the bar with its texts
// under the pictures fits the window's default width without an overflow button.
TEST_F(MainFormTest, ToolBarShowsPicturesAndFitsTheDefaultWidth) {
  const auto dist = std::filesystem::path(NV_TOOL_PATH).parent_path().parent_path() / "dist";
  if (!std::filesystem::exists(dist / "BMP/tool")) GTEST_SKIP() << "build the dist target";
  std::filesystem::create_directory_symlink(dist / "BMP", nv::toFsPath(dir.file("BMP")));
  nv::TMainForm& f = started({{"ごはん", {"ごはん"}}});
  action(f, "ShowToolBarAction")->trigger();
  f.resize(1000, 700);
  f.show();
  QApplication::processEvents();
  EXPECT_EQ(toolBar(f)->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
  for (QAction* a : toolBar(f)->actions()) {
    if (!a->isSeparator()) {
      EXPECT_FALSE(a->icon().pixmap(24).isNull()) << a->objectName().toStdString();
    }
  }
  auto* more = toolBar(f)->findChild<QWidget*>(QStringLiteral("qt_toolbar_ext_button"));
  EXPECT_TRUE(more == nullptr || !more->isVisible());
  if (const QString shots = qEnvironmentVariable("NV_SHOT_DIR"); !shots.isEmpty()) {
    EXPECT_TRUE(toolBar(f)->grab().save(QDir(shots).filePath(QStringLiteral("toolbar.png"))));
  }
}

TEST_F(MainFormTest, GraphBasisCaptionNamesTheOtherBasis) {
  nv::TMainForm& f = make({{"ごはん", {"ごはん"}}});
  QAction* a = action(f, "ShowGraphFormByEiyousoAction");
  EXPECT_FALSE(f.graphByNutrient());
  EXPECT_EQ(a->text(), QString::fromUtf8("グラフを栄養素で表示"));
  const int before = sel.recalcs;
  a->trigger();
  EXPECT_TRUE(f.graphByNutrient());
  EXPECT_EQ(a->text(), QString::fromUtf8("グラフを６群で表示"));
  EXPECT_EQ(a->statusTip(), QString::fromUtf8("グラフを６群で表示する"));
  EXPECT_GT(sel.recalcs, before);
  a->trigger();
  EXPECT_FALSE(f.graphByNutrient());
  EXPECT_EQ(a->text(), QString::fromUtf8("グラフを栄養素で表示"));
  EXPECT_EQ(a->toolTip(), QString::fromUtf8("グラフを栄養素で表示する"));
}

TEST_F(MainFormTest, ViewsShowOnePanelAndSwapTheirActions) {
  std::vector<std::string> rice, fish, fruit;
  for (int i = 0; i < 40; ++i) rice.push_back("r" + std::to_string(i));
  fish.push_back("f0");
  fruit.push_back("k0");
  fruit.push_back("k1");
  nv::TMainForm& f = started({{"ごはん", rice}, {"魚のおかず", fish}, {"くだもの", fruit}});
  EXPECT_EQ(f.view(), nv::TMainForm::View::Normal);
  EXPECT_FALSE(action(f, "ShowNormalAction")->isVisible());
  EXPECT_TRUE(action(f, "ShowKaitenSusiAction")->isVisible());

  action(f, "ShowKaitenSusiAction")->trigger();
  EXPECT_EQ(f.view(), nv::TMainForm::View::Conveyor);
  EXPECT_FALSE(action(f, "ShowKaitenSusiAction")->isVisible());
  EXPECT_TRUE(action(f, "ShowKaitenSusiAction")->isChecked());
  EXPECT_TRUE(action(f, "ShowNormalAction")->isVisible());
  EXPECT_TRUE(f.conveyor()->running());

  // Row 1: 40 dishes at 128 pixels over 600 s: 500 ms ticks of 4 pixels.
  nv::ConveyorRow* row = f.conveyor()->row(0);
  ASSERT_EQ(row->buttons().size(), 40u);
  EXPECT_EQ(row->buttons()[39]->pos(), QPoint(39 * 128, 0));
  EXPECT_EQ(row->timer().interval(), 500);
  EXPECT_EQ(row->speed().step, 4u);
  row->resize(600, 128);
  row->tick();
  EXPECT_EQ(row->position(), 4);
  // One dish does not move; two move.
  EXPECT_FALSE(f.conveyor()->row(1)->speed().moves);
  EXPECT_TRUE(f.conveyor()->row(2)->speed().moves);

  // A dialog pauses the belt and the belt goes on afterwards.
  f.pauseConveyor();
  EXPECT_FALSE(f.conveyor()->running());
  f.resumeConveyor();
  EXPECT_TRUE(f.conveyor()->running());

  action(f, "ShowEiyousoGraphAction")->trigger();
  EXPECT_EQ(f.view(), nv::TMainForm::View::Chart);
  EXPECT_FALSE(f.conveyor()->running());
  EXPECT_TRUE(action(f, "ShowNormalAction")->isVisible());
  EXPECT_TRUE(action(f, "ShowKaitenSusiAction")->isVisible());

  // Shown again: the buttons are kept.
  nv::TKondateButton* first = row->buttons()[0];
  f.showConveyorView();
  EXPECT_EQ(row->buttons()[0], first);
  f.showNormalView();
  EXPECT_FALSE(f.conveyor()->running());
}

// Rows with no dish or one never get a speed: they keep the belt's interval instead of
// firing without rest.
TEST_F(MainFormTest, RowsWithoutASpeedTickAtTheNormalInterval) {
  nv::TMainForm& f = started({{"ごはん", {"r0"}}, {"くだもの", {"k0", "k1"}}});
  f.showConveyorView();
  ASSERT_TRUE(f.conveyor()->running());
  ASSERT_EQ(f.conveyor()->row(0)->buttons().size(), 1u);
  ASSERT_TRUE(f.conveyor()->row(1)->buttons().empty());
  int ticks = 0;
  for (int r : {0, 1}) {
    EXPECT_EQ(f.conveyor()->row(r)->timer().interval(), 30) << r;
    QObject::connect(&f.conveyor()->row(r)->timer(), &QTimer::timeout, [&] { ++ticks; });
  }
  QEventLoop loop;
  QTimer::singleShot(200, &loop, &QEventLoop::quit);
  loop.exec();
  EXPECT_LE(ticks, 2 * (200 / 30 + 2));
}

TEST(ConveyorRowTest, TickRunsToTheEndAndJumpsBack) {
  mainFormApp();
  nv::ConveyorRow row;
  std::vector<nv::TKondateButton*> buttons;
  for (int i = 0; i < 3; ++i)
    buttons.push_back(new nv::TKondateButton("c", "d" + std::to_string(i), 100, 9));
  row.setButtons(buttons, 100);
  row.resize(150, 100);
  row.applySpeed(1);  // 200 pixels in 33 ticks of 30 ms: 6 a tick
  ASSERT_TRUE(row.speed().moves);
  EXPECT_EQ(row.speed().step, 6u);
  EXPECT_EQ(row.timer().interval(), 30);
  row.tick();
  EXPECT_EQ(row.position(), 6);
  row.setPosition(147);
  row.tick();  // 150 of 300 pixels visible: the row ends at 150
  EXPECT_EQ(row.position(), 150);
  row.tick();
  EXPECT_EQ(row.position(), 0);
}

}  // namespace
}  // namespace nvtest
