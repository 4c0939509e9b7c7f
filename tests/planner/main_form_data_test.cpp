// Loading NV.nv, the category tabs and the dish buttons.
#include <QApplication>
#include <QKeyEvent>
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
      started({{"ごはん", {"ごはん", "おにぎり"}}, {"めん", {}}, {"汁もの", {"みそしる"}}});
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
  nv::TMainForm& f = started({{"ごはん", names}});
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
  nv::TMainForm& f = started({{"ごはん", {"ごはん"}}});
  ASSERT_EQ(f.dishButtons().size(), 1u);
  f.dishButtons()[0]->click();
  f.dishButtons()[0]->requestAdd(true);
  EXPECT_EQ(sel.added,
            (std::vector<std::string>{nv::sj("ごはん/ごはん/0"), nv::sj("ごはん/ごはん/1")}));
}

// Keys only: Tab reaches the category tabs, the arrows choose a category, Down enters the
// dish panel, the arrows move a visible focus over the grid and Enter adds the dish. Tab
// leaves the panel after one stop, and the panel's stop follows the last focused dish.
TEST_F(MainFormTest, TheKeyboardReachesTheCategoriesAndEveryDish) {
  nv::TMainForm& f = started({{"ごはん", {"a1"}}, {"汁もの", {"b1", "b2", "b3", "b4", "b5"}}});
  f.resize(700, 500);
  f.show();
  QApplication::setActiveWindow(&f);
  f.tabControl()->resize(300, 400);  // two columns
  f.layoutDishButtons();
  auto press = [](int key) {
    QWidget* w = QApplication::focusWidget();
    ASSERT_NE(w, nullptr);
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(w, &up);
  };
  f.categoryTabs()->setFocus(Qt::TabFocusReason);
  EXPECT_NE(f.categoryTabs()->focusPolicy() & Qt::TabFocus, 0);
  press(Qt::Key_Right);
  EXPECT_EQ(f.categoryTabs()->currentIndex(), 1);
  ASSERT_EQ(f.dishButtons().size(), 5u);
  ASSERT_EQ(f.dishColumns(), 2);

  press(Qt::Key_Down);
  EXPECT_EQ(QApplication::focusWidget(), f.dishButtons()[0]);
  press(Qt::Key_Right);
  press(Qt::Key_Down);
  EXPECT_EQ(QApplication::focusWidget(), f.dishButtons()[3]);
  press(Qt::Key_End);
  EXPECT_EQ(QApplication::focusWidget(), f.dishButtons()[4]);
  press(Qt::Key_Left);
  press(Qt::Key_Return);
  press(Qt::Key_Space);
  EXPECT_EQ(sel.added, (std::vector<std::string>{nv::sj("汁もの/b4/0"), nv::sj("汁もの/b4/0")}));

  // The focus frame shows: the focused button does not look as it did without focus.
  nv::TKondateButton* focused = f.dishButtons()[3];
  const QImage withFocus = focused->grab().toImage();
  f.dishButtons()[2]->setFocus();
  EXPECT_NE(focused->grab().toImage(), withFocus);

  // One stop for the whole panel: the last focused dish.
  EXPECT_EQ(f.keyboardDishButton(), f.dishButtons()[2]);
  for (size_t i = 0; i < f.dishButtons().size(); ++i)
    EXPECT_EQ(bool(f.dishButtons()[i]->focusPolicy() & Qt::TabFocus), i == 2);
  // Up from the top row goes back to the tabs.
  const QImage tabsUnfocused = f.categoryTabs()->grab().toImage();
  f.dishButtons()[0]->setFocus();
  press(Qt::Key_Up);
  EXPECT_EQ(QApplication::focusWidget(), f.categoryTabs());
  EXPECT_NE(f.categoryTabs()->grab().toImage(), tabsUnfocused);  // the tabs show their focus
}

TEST_F(MainFormTest, MissingDataFileIsReportedAndThePreviousDataStay) {
  nv::TMainForm& f = started({{"ごはん", {"ごはん"}}});
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
