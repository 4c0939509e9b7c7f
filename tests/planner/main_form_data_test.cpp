// Loading NV.nv, the category tabs and the dish buttons.
#include <QTabBar>

#include "main_form_fixture.h"
#include "planner/kondate_button.h"
#include "platform/qt/qtext.h"
#include "scripted_prompt.h"

namespace nvtest {
namespace {

std::vector<std::string> buttonNames(const nv::TMainForm& f) {
  std::vector<std::string> names;
  for (const nv::TKondateButton* b : f.dishButtons()) names.push_back(b->dishName());
  return names;
}

TEST_F(MainFormTest, LoadsTheDataAndFillsTheTabsWithCategoriesThatHaveDishes) {
  nv::TMainForm& f =
      make({{"ごはん", {"ごはん", "おにぎり"}}, {"めん", {}}, {"汁もの", {"みそしる"}}});
  f.startUp();
  ASSERT_EQ(f.categoryTabs()->count(), 2);
  EXPECT_EQ(f.categoryTabs()->tabText(0), QString::fromUtf8("ごはん"));
  EXPECT_EQ(f.categoryTabs()->tabText(1), QString::fromUtf8("汁もの"));
  EXPECT_EQ(f.categories(), (std::vector<std::string>{nv::sj("ごはん"), nv::sj("汁もの")}));
  EXPECT_EQ(f.foodData().count(), 1u);
  EXPECT_EQ(f.windowTitle(), QStringLiteral("nuvelta"));
  // The profile starts with the default person name.
  EXPECT_EQ(f.profile().name(), nv::sj("host"));

  // The first tab's buttons, sorted in the Japanese order; the others on a tab change.
  EXPECT_EQ(buttonNames(f), (std::vector<std::string>{nv::sj("おにぎり"), nv::sj("ごはん")}));
  f.categoryTabs()->setCurrentIndex(1);
  EXPECT_EQ(buttonNames(f), (std::vector<std::string>{nv::sj("みそしる")}));
  EXPECT_EQ(f.dishButtons()[0]->category(), nv::sj("汁もの"));
  EXPECT_EQ(f.dishButtons()[0]->toolTip(), QString::fromUtf8("みそしる"));
}

TEST_F(MainFormTest, ButtonsFillTheWholeColumnsBesideTheScrollBar) {
  std::vector<std::string> names;
  for (int i = 0; i < 7; ++i) names.push_back("d" + std::to_string(i));
  nv::TMainForm& f = make({{"ごはん", names}});
  f.startUp();
  // Three columns and the vertical scroll bar need more than 384 pixels; 380 has room for two
  // (rounding to the nearest would show a third cut at its edge).
  f.tabControl()->resize(430, 400);
  f.layoutDishButtons();
  EXPECT_EQ(f.dishColumns(), 3);
  f.tabControl()->resize(380, 400);
  f.layoutDishButtons();
  ASSERT_EQ(f.dishButtons().size(), 7u);
  const int cols = f.dishColumns();
  EXPECT_EQ(cols, 2);
  for (size_t i = 0; i < 7; ++i) {
    EXPECT_EQ(f.dishButtons()[i]->pos(), QPoint(int(i) % cols * 128, int(i) / cols * 128));
    EXPECT_EQ(f.dishButtons()[i]->size(), QSize(128, 128));
  }
}

TEST_F(MainFormTest, ButtonRequestsReachTheChosenMenuWindow) {
  nv::TMainForm& f = make({{"ごはん", {"ごはん"}}});
  f.startUp();
  ASSERT_EQ(f.dishButtons().size(), 1u);
  f.dishButtons()[0]->click();
  f.dishButtons()[0]->requestAdd(true);
  EXPECT_EQ(sel.added,
            (std::vector<std::string>{nv::sj("ごはん/ごはん/0"), nv::sj("ごはん/ごはん/1")}));
}

TEST_F(MainFormTest, MissingDataFileIsReportedAndThePreviousDataStay) {
  nv::TMainForm& f = make({{"ごはん", {"ごはん"}}});
  f.startUp();
  ASSERT_EQ(f.categoryTabs()->count(), 1);
  std::remove(nv::toFsPath(f.dataFileName()).c_str());
  {
    ScriptedPrompt prompt;
    prompt.expectBox(nv::cp932ToUtf8(f.dataFileName()),
                     "食品データ/献立データ・ファイルが見つかりません（原因不明）", nv::Icon::None);
    EXPECT_FALSE(f.loadData(false));
  }
  EXPECT_EQ(f.categoryTabs()->count(), 1);
  EXPECT_EQ(f.foodData().count(), 1u);
}

TEST_F(MainFormTest, StartingWithoutADataFileShowsTheMessageAndNoTabs) {
  nv::TMainForm& f = make({});
  ScriptedPrompt prompt;
  prompt.expectBox(nv::cp932ToUtf8(dir.file("NV.nv")),
                   "食品データ/献立データ・ファイルが見つかりません（原因不明）", nv::Icon::None);
  f.startUp();
  EXPECT_EQ(f.categoryTabs()->count(), 0);
  EXPECT_TRUE(f.dishButtons().empty());
}

}  // namespace
}  // namespace nvtest
