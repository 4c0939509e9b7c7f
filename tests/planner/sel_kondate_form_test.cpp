#include "planner/sel_kondate_form.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <cmath>

#include "fake_planner_host.h"
#include "planner/model/planner_settings.h"
#include "planner/sel_button.h"
#include "planner/sel_shokuji_form.h"
#include "planner_test_app.h"
#include "platform/ini.h"
#include "platform/qt/qtext.h"
#include "scripted_prompt.h"
#include "teacher/edit_kondate_form.h"
#include "temp_dir.h"
#include "widgets/caption_width.h"

using nv::sj;
using nvtest::FakePlannerHost;

namespace {

class SelKondateFormTest : public ::testing::Test {
 protected:
  SelKondateFormTest() {
    nvtest::plannerApp();
    host = std::make_unique<FakePlannerHost>();
    host->sel->resize(600, 129);
    host->sel->show();
  }
  nv::TSelKondateForm& sel() { return *host->sel; }
  double graphBar(int node, size_t bar) { return host->graph->chart(node)->bars().at(bar).value; }
  double percentBar(int node, size_t bar) {
    return host->percent[size_t(node)]->bars().at(bar).value;
  }
  // Percent of a meal's energy requirement for `kcal`.
  double energyPercent(int node, double kcal) {
    return kcal / host->kojin.Requirement(node, nv::kEnergy) * 100;
  }
  void waitFor(const std::function<bool()>& done, int ms = 2000) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  std::unique_ptr<FakePlannerHost> host;
};

TEST_F(SelKondateFormTest, ADirectAddShowsOnItsMealAndTheDayWithItsShareOfTheRequirement) {
  host->selectMealTab(0);
  sel().AddDish(sj("ごはん"), sj("ごはん"), true);
  ASSERT_EQ(sel().buttons(0).size(), 1u);
  ASSERT_EQ(sel().buttons(3).size(), 1u);
  nv::TSelButton* b = sel().buttons(0)[0];
  EXPECT_EQ(sel().buttons(3)[0]->serialNo(), b->serialNo());
  EXPECT_EQ(nv::fromQ(b->text()), sj("ごはん"));
  EXPECT_EQ(nv::fromQ(b->toolTip()), sj("朝食：ごはん"));
  EXPECT_EQ(b->size(), QSize(64, 64));
  EXPECT_TRUE(sel().Modified());

  // 150 g of rice at 156 kcal per 100 g.
  EXPECT_NEAR(graphBar(0, 0), energyPercent(0, 234), 1e-9);
  EXPECT_NEAR(graphBar(3, 0), energyPercent(3, 234), 1e-9);
  EXPECT_EQ(percentBar(0, 0), std::trunc(energyPercent(0, 234)));
  ASSERT_EQ(host->graph->chart(0)->bars().size(), 10u);
  EXPECT_EQ(nv::fromQ(host->graph->chart(0)->bars()[3].label), sj(" ｶﾙｼｳﾑ "));
  // Lunch is still empty: every bar at 0.
  sel().RecalcAllGraphs();
  for (const auto& bar : host->graph->chart(1)->bars()) EXPECT_EQ(bar.value, 0);

  // Buttons stand side by side and wrap before the right edge.
  sel().AddDish(sj("飲み物"), sj("牛乳"), true);
  sel().AddDish(sj("魚のおかず"), sj("さけのしおやき"), true);
  auto row = sel().buttons(0);
  ASSERT_EQ(row.size(), 3u);
  EXPECT_EQ(row[1]->pos(), QPoint(64, 0));
  EXPECT_EQ(row[2]->pos(), QPoint(128, 0));
  sel().dishBox(0)->resize(150, 100);
  sel().LayoutButtons(0);
  EXPECT_EQ(row[1]->pos(), QPoint(64, 0));
  EXPECT_EQ(row[2]->pos(), QPoint(0, 64));  // 64 + 64 >= 150 - 32

  host->iconSize = 48;
  sel().applyIconSettings();
  ASSERT_EQ(sel().buttons(3).size(), 3u);
  EXPECT_EQ(sel().buttons(3)[2]->size(), QSize(48, 48));
  EXPECT_EQ(sel().buttons(3)[2]->pos(), QPoint(96, 0));
}

TEST_F(SelKondateFormTest, TheQuantityDialogPreviewsAndOkKeepsOneHundredFiftyPercent) {
  host->selectMealTab(1);
  sel().AddDish(sj("ごはん"), sj("ごはん"), true);
  nv::TSelButton* b = sel().buttons(1)[0];
  double livePercent = -1;
  QString caption;
  bool deleteShown = false;
  nvtest::whenModal([&](QWidget* w) {
    auto* dlg = qobject_cast<nv::TEditKondateForm*>(w);
    ASSERT_NE(dlg, nullptr);
    caption = dlg->windowTitle();
    deleteShown = nvtest::child<QPushButton>(dlg, "DeleteBtn")->isVisibleTo(dlg);
    nvtest::child<QSlider>(dlg, "TrackBar1")->setValue(15000);
    livePercent = graphBar(1, 0);
    nvtest::child<QPushButton>(dlg, "OkBtn")->click();
  });
  b->click();
  EXPECT_EQ(nv::fromQ(caption), sj("献立の編集　昼食：ごはん"));
  EXPECT_TRUE(deleteShown);
  EXPECT_NEAR(livePercent, energyPercent(1, 351), 1e-9);
  const nv::SelDish* d = sel().menu().find(b->serialNo());
  ASSERT_NE(d, nullptr);
  EXPECT_DOUBLE_EQ(d->weight, 225);
  EXPECT_DOUBLE_EQ(sel().menu().dishes(3)[0].weight, 225);
  EXPECT_DOUBLE_EQ(host->lastGlyphFactor, 1.5);
  EXPECT_NEAR(graphBar(1, 0), energyPercent(1, 351), 1e-9);
  EXPECT_NEAR(graphBar(3, 0), energyPercent(3, 351), 1e-9);

  // Cancel drops what the sliders did, and the charts return.
  nvtest::whenModal([&](QWidget* w) {
    auto* dlg = qobject_cast<nv::TEditKondateForm*>(w);
    nvtest::child<QSlider>(dlg, "TrackBar1")->setValue(2000);
    nvtest::child<QPushButton>(dlg, "CancelBtn")->click();
  });
  sel().EditDish(b);
  EXPECT_DOUBLE_EQ(sel().menu().find(b->serialNo())->weight, 225);
  EXPECT_NEAR(graphBar(1, 0), energyPercent(1, 351), 1e-9);
}

TEST_F(SelKondateFormTest, AddingWithEditingKeepsTheAmountsOnOkAndNothingOnCancel) {
  host->selectMealTab(2);
  nvtest::whenModal([&](QWidget* w) {
    auto* dlg = qobject_cast<nv::TEditKondateForm*>(w);
    ASSERT_NE(dlg, nullptr);
    EXPECT_FALSE(nvtest::child<QPushButton>(dlg, "DeleteBtn")->isVisibleTo(dlg));
    nvtest::child<QPushButton>(dlg, "CancelBtn")->click();
  });
  sel().AddDish(sj("魚のおかず"), sj("さけのしおやき"), false);
  EXPECT_TRUE(sel().menu().dishes(2).empty());
  EXPECT_FALSE(sel().Modified());

  nvtest::whenModal([&](QWidget* w) {
    auto* dlg = qobject_cast<nv::TEditKondateForm*>(w);
    dlg->line(1).slider->setValue(5000);  // half the spinach
    dlg->resize(500, dlg->height());
    nvtest::child<QPushButton>(dlg, "OkBtn")->click();
  });
  sel().AddDish(sj("魚のおかず"), sj("さけのしおやき"), false);
  ASSERT_EQ(sel().menu().dishes(2).size(), 1u);
  EXPECT_DOUBLE_EQ(sel().menu().dishes(2)[0].weight, 100);
  EXPECT_DOUBLE_EQ(sel().menu().dishes(2)[0].usedFoods[1].amount, 20);
  EXPECT_EQ(sel().EditKondateFormWidth(), 500);
}

TEST_F(SelKondateFormTest, DeletingFromTheDayTabRemovesBothCopiesAtTheTimerTick) {
  host->selectMealTab(1);
  sel().AddDish(sj("飲み物"), sj("牛乳"), true);
  sel().AddDish(sj("ごはん"), sj("ごはん"), true);
  sel().setModified(false);
  host->selectMealTab(3);
  EXPECT_EQ(sel().activePage(), 3);
  EXPECT_EQ(host->graph->activePage(), 3);

  sel().setPopupButton(sel().buttons(3)[0]);
  sel().deleteAction()->trigger();
  EXPECT_TRUE(sel().Modified());
  EXPECT_EQ(sel().buttons(1).size(), 2u);  // deferred: the click is still running
  waitFor([&] { return sel().buttons(1).size() == 1; });
  ASSERT_EQ(sel().buttons(1).size(), 1u);
  ASSERT_EQ(sel().buttons(3).size(), 1u);
  EXPECT_EQ(nv::fromQ(sel().buttons(3)[0]->text()), sj("ごはん"));
  EXPECT_FALSE(sel().deleteTimer()->isActive());

  // The delete button of the quantity dialog, opened from the day copy.
  nvtest::whenModal([&](QWidget* w) {
    auto* dlg = qobject_cast<nv::TEditKondateForm*>(w);
    nvtest::child<QPushButton>(dlg, "DeleteBtn")->click();
  });
  sel().buttons(3)[0]->click();
  waitFor([&] { return sel().buttons(3).empty(); });
  EXPECT_TRUE(sel().buttons(1).empty());
  EXPECT_TRUE(sel().buttons(3).empty());
  for (const auto& bar : host->graph->chart(3)->bars()) EXPECT_EQ(bar.value, 0);
}

TEST_F(SelKondateFormTest, TwoDeletionsInsideOneTickBothHappen) {
  host->selectMealTab(0);
  sel().AddDish(sj("飲み物"), sj("牛乳"), true);
  sel().AddDish(sj("ごはん"), sj("ごはん"), true);
  sel().setPopupButton(sel().buttons(0)[0]);
  sel().Delete1Click();
  sel().setPopupButton(sel().buttons(0)[1]);
  sel().Delete1Click();
  waitFor([&] { return sel().buttons(0).empty(); });
  EXPECT_TRUE(sel().buttons(0).empty());
  EXPECT_TRUE(sel().menu().dishes(3).empty());
}

TEST_F(SelKondateFormTest, ADeletionWaitsWhileTheQuantityDialogIsOpen) {
  host->selectMealTab(0);
  sel().AddDish(sj("飲み物"), sj("牛乳"), true);
  sel().AddDish(sj("ごはん"), sj("ごはん"), true);
  sel().setPopupButton(sel().buttons(0)[0]);
  sel().Delete1Click();
  size_t whileOpen = 0;
  nvtest::whenModal([&](QWidget* w) {
    waitFor([] { return false; }, 300);  // well past the 100 ms tick
    whileOpen = sel().buttons(0).size();
    qobject_cast<nv::TEditKondateForm*>(w)->CancelBtn->click();
  });
  sel().buttons(0)[1]->click();
  EXPECT_EQ(whileOpen, 2u);
  waitFor([&] { return sel().buttons(0).size() == 1; });
  ASSERT_EQ(sel().buttons(0).size(), 1u);
  EXPECT_EQ(nv::fromQ(sel().buttons(0)[0]->text()), sj("ごはん"));
}

TEST_F(SelKondateFormTest, TheMealQuestionOnTheDayTabSwitchesPagesAndCancelReturns) {
  host->selectMealTab(3);
  int pageWhileAsking = -1;
  nvtest::whenModal([&](QWidget* w) {
    auto* ask = qobject_cast<nv::TSelShokujiForm*>(w);
    ASSERT_NE(ask, nullptr);
    EXPECT_EQ(nv::fromQ(ask->windowTitle()), sj("献立を追加する食事を指定して下さい。"));
    EXPECT_GE(ask->width(), nv::captionWidth(*ask));  // the title bar does not cut it
    if (const QString shots = qEnvironmentVariable("NV_SHOT_DIR"); !shots.isEmpty()) {
      ask->grab().save(shots + QStringLiteral("/meal_chooser.png"));
    }
    EXPECT_TRUE(ask->items[0]->isChecked());
    ask->items[1]->setChecked(true);
    pageWhileAsking = sel().activePage();
    ask->CancelBtn->click();
  });
  sel().AddDish(sj("ごはん"), sj("ごはん"), true);
  EXPECT_EQ(pageWhileAsking, 1);
  EXPECT_EQ(sel().activePage(), 3);
  EXPECT_EQ(host->graph->activePage(), 3);
  EXPECT_TRUE(sel().menu().dishes(3).empty());
  EXPECT_FALSE(sel().Modified());

  // Clicking the picture is OK: the dish goes to the chosen meal.
  nvtest::whenModal([&](QWidget* w) {
    auto* ask = qobject_cast<nv::TSelShokujiForm*>(w);
    ask->items[2]->setChecked(true);
    ask->SpeedButton1->click();
  });
  sel().AddDish(sj("ごはん"), sj("ごはん"), true);
  ASSERT_EQ(sel().menu().dishes(2).size(), 1u);
  EXPECT_EQ(sel().menu().dishes(2)[0].hint, sj("夕食：ごはん"));
  EXPECT_EQ(sel().activePage(), 2);
}

TEST_F(SelKondateFormTest, TheGraphBasisSwitchRedrawsTheActiveMealAndTheDayOnly) {
  host->selectMealTab(0);
  sel().AddDish(sj("飲み物"), sj("牛乳"), true);
  sel().RecalcAllGraphs();
  host->byNutrient = false;
  sel().refresh();
  ASSERT_EQ(host->graph->chart(0)->bars().size(), 6u);
  EXPECT_EQ(host->graph->chart(3)->bars().size(), 6u);
  EXPECT_EQ(host->graph->chart(1)->bars().size(), 10u);
  EXPECT_EQ(nv::fromQ(host->graph->chart(0)->bars()[1].label), host->gun.name(2));
  // 200 g of milk against the breakfast share of group 2.
  EXPECT_NEAR(graphBar(0, 1), 200 / host->kojin.GroupRequirement(0, 2) * 100, 1e-9);
  // The percent chart always shows nutrients.
  EXPECT_EQ(host->percent[0]->bars().size(), 10u);

  sel().SetChartTitles(sj("たろう"));
  EXPECT_EQ(nv::fromQ(host->graph->chart(1)->title()), sj("たろう さんの昼食の栄養バランス(％)"));
}

TEST_F(SelKondateFormTest, AMenuFileSavedAndLoadedThroughTheWindowComesBack) {
  nvtest::TempDir dir;
  const std::string path = dir.file("menu.nvu");
  host->selectMealTab(0);
  sel().AddDish(sj("ごはん"), sj("ごはん"), true);
  host->selectMealTab(2);
  sel().AddDish(sj("魚のおかず"), sj("さけのしおやき"), true);
  ASSERT_TRUE(sel().SaveMenuFile(path));
  EXPECT_FALSE(sel().Modified());

  sel().ClearAll();
  EXPECT_TRUE(sel().buttons(3).empty());
  for (const auto& bar : host->graph->chart(3)->bars()) EXPECT_EQ(bar.value, 0);

  ASSERT_TRUE(sel().LoadMenuFile(path));
  ASSERT_EQ(sel().buttons(0).size(), 1u);
  ASSERT_EQ(sel().buttons(2).size(), 1u);
  ASSERT_EQ(sel().buttons(3).size(), 2u);
  EXPECT_EQ(nv::fromQ(sel().buttons(2)[0]->text()), sj("さけのしおやき"));
  EXPECT_EQ(nv::fromQ(sel().buttons(2)[0]->toolTip()), sj("夕食：さけのしおやき"));
  EXPECT_EQ(host->doc.viewState().activeMealTab, 2);
  EXPECT_NEAR(graphBar(3, 0), energyPercent(3, 234 + 106.4 + 8), 1e-9);
  EXPECT_FALSE(sel().Modified());

  // A file too short for a header is refused and the menu stays.
  nvtest::writeBytes(dir.file("short.nvu"), "Nuvelta");
  nvtest::ScriptedPrompt prompt;
  prompt.expectBox("Nuvelta の選択済み献立データではないようです", "確認", nv::Icon::Stop);
  EXPECT_FALSE(sel().LoadMenuFile(dir.file("short.nvu")));
  EXPECT_EQ(sel().buttons(3).size(), 2u);
}

TEST_F(SelKondateFormTest, MessagesForASenderThatIsNoChosenDish) {
  nvtest::ScriptedPrompt prompt;
  prompt.expectMessage("dynamic_cast<TSelButton*>(Sender) で selBtn == NULL");
  sel().EditDish(nullptr);
  EXPECT_TRUE(prompt.allSatisfied());
}

TEST_F(SelKondateFormTest, PagesFollowEveryPageControlAndBackColoursComeFromTheSettings) {
  host->graph->pageControl()->setCurrentIndex(2);
  EXPECT_EQ(sel().activePage(), 2);
  sel().pageControl()->setCurrentIndex(1);
  EXPECT_EQ(host->graph->activePage(), 1);
  EXPECT_GT(host->refreshCount, 0);

  EXPECT_EQ(sel().backColor(0), QColor(153, 255, 255));
  EXPECT_EQ(sel().backColor(3), QColor(252, 184, 160));
  nv::Ini ini;
  ini.parse("[SelKondateForm]\r\nBackColor1=255\r\nEditKondateFormWidth=520\r\n");
  nv::SelKondateSettings settings;
  settings.read(ini);
  sel().applySettings(settings);
  EXPECT_EQ(sel().backColor(1), QColor(255, 0, 0));
  EXPECT_EQ(sel().backColor(2), QColor(255, 255, 196));
  EXPECT_EQ(sel().EditKondateFormWidth(), 520);
  nv::SelKondateSettings back;
  sel().storeSettings(back);
  EXPECT_EQ(back, settings);
  nv::Ini out;
  back.write(out);
  EXPECT_EQ(out.readInteger("SelKondateForm", "BackColor1", 0), 255);
  EXPECT_EQ(out.readInteger("SelKondateForm", "BackColor2", 0), 12910591);
}

}  // namespace
