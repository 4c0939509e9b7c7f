// The planner as main() gets it from makePlanner(): the main window's file commands run on
// the one document, whose signals keep the title and the windows in step.
#include <QAction>
#include <QGuiApplication>
#include <QTabBar>
#include <QToolButton>
#include <type_traits>

#include "main_form_fixture.h"
#include "planner/model/menu_file.h"
#include "planner/sel_kondate_form.h"
#include "platform/qt/qtext.h"
#include "scripted_dialogs.h"
#include "scripted_prompt.h"

namespace nvtest {
namespace {

const char kAskCaption[] = "内容が変更されています。保存しますか？";

TEST_F(MainFormTest, NewWithANameMarksTheMenuAndClosingAsksToSave) {
  nv::TMainForm& f = make({{"ごはん", {"ごはん"}}});
  // The title is exactly the window's own: nothing of the application is appended to it.
  EXPECT_EQ(f.windowTitle(), QStringLiteral("nuvelta"));
  EXPECT_TRUE(QGuiApplication::applicationDisplayName() == QCoreApplication::applicationName());

  action(f, "NewAction")->trigger();
  EXPECT_EQ(nameEntry.calls, 1);
  EXPECT_TRUE(doc().isModified());
  EXPECT_EQ(f.currentFileName(), "default");
  EXPECT_EQ(f.windowTitle(), QStringLiteral("Nuvelta:"));
  EXPECT_EQ(profile.name(), nv::sj("たろう"));

  // Yes on an unnamed menu opens the save dialog; cancelling it keeps the window open.
  f.show();
  ScriptedPrompt prompt;
  ScriptedDialogs dialogs;
  prompt.expectBox("default", kAskCaption, nv::Icon::Question, nv::Buttons::YesNoCancel,
                   nv::Answer::Yes);
  dialogs.expectCancel(DialogCall::Save);
  EXPECT_FALSE(f.close());
  EXPECT_TRUE(f.isVisible());

  // Saving under a chosen name writes the file, retitles the window, tops the recent list.
  const std::string path = dir.file("taro.nvu");
  dialogs.expectSave(nv::cp932ToUtf8(path));
  action(f, "SaveAction")->trigger();
  EXPECT_TRUE(nv::fileExists(path));
  EXPECT_FALSE(doc().isModified());
  EXPECT_EQ(f.currentFileName(), path);
  EXPECT_EQ(f.windowTitle(), nv::toQ("Nuvelta:" + path));
  EXPECT_EQ(f.recentFiles().paths(), std::vector<std::string>{path});
  EXPECT_TRUE(f.close());
}

// The real chosen-menu window over the same document: dishes added through the main window
// are the document's, numbered from 0, and come back from the file with the view they had.
TEST_F(MainFormTest, RealWindowsShareTheDocument) {
  nv::TMainForm& f = started({{"ごはん", {"ごはん"}}, {"飲み物", {"牛乳"}}}, /*recording=*/false);
  ASSERT_NE(planner->windows.selForm, nullptr);

  f.addDish(nv::sj("ごはん"), nv::sj("ごはん"), true);
  f.addDish(nv::sj("飲み物"), nv::sj("牛乳"), true);
  const nv::SelectedMenu& menu = doc().menu();
  ASSERT_EQ(menu.dishes(0).size(), 2u);
  EXPECT_EQ(menu.dishes(0)[0].serialNo, 0);
  EXPECT_EQ(menu.dishes(0)[1].serialNo, 1);
  EXPECT_EQ(menu.counter(), 2);
  EXPECT_TRUE(doc().isModified());
  EXPECT_EQ(planner->windows.selForm->buttons(0).size(), 2u);

  action(f, "ShowGraphFormByEiyousoAction")->setChecked(true);
  f.selectMealTab(2);
  profile.setName(nv::sj("はなこ"));
  const std::string path = dir.file("hanako.nvu");
  ASSERT_TRUE(doc().writeFile(path));

  // A new menu empties the window; reading the file brings dishes, basis and tab back.
  action(f, "ShowGraphFormByEiyousoAction")->setChecked(false);
  ASSERT_TRUE(doc().NewMenu());
  EXPECT_TRUE(planner->windows.selForm->buttons(0).empty());
  ASSERT_TRUE(doc().OpenMenu(path));
  EXPECT_EQ(planner->windows.selForm->buttons(0).size(), 2u);
  EXPECT_EQ(planner->windows.selForm->buttons(3).size(), 2u);
  EXPECT_TRUE(action(f, "ShowGraphFormByEiyousoAction")->isChecked());
  EXPECT_EQ(f.activeMeal(), 2);
  EXPECT_EQ(f.windowTitle(), nv::toQ("Nuvelta:" + path));
  EXPECT_FALSE(doc().isModified());
}

// The windows a planner always has are required: an assembly that leaves one out (as the tool
// bar's lunch-box button once was) does not compile.
static_assert(!std::is_default_constructible_v<nv::PlannerServices>);
static_assert(!std::is_constructible_v<nv::PlannerServices, nv::MenuPrinter&, nv::DishSearch&,
                                       nv::AboutBox&, nv::LunchBoxLauncher&>);
// The teacher's settings dialog and dish editor come from the assembly too: the planner has
// no stand-in of its own for them.
static_assert(
    !std::is_constructible_v<nv::PlannerServices, nv::MenuPrinter&, nv::DishSearch&, nv::AboutBox&,
                             nv::LunchBoxLauncher&, nv::ClassSummaryLauncher&>);

// Each command reaches the service it was given, with the main window as parent; the tool
// bar's lunch-box button is the menu's command.
TEST_F(MainFormTest, CommandsReachTheirServices) {
  struct Search : nv::DishSearch {
    bool search(std::string& category, std::string& dish, QWidget* parent) override {
      EXPECT_NE(parent, nullptr);
      category = "*" + nv::sj("汁もの");
      dish = nv::sj("みそしる");
      return true;
    }
  } search;
  struct About : nv::AboutBox {
    void showAbout(QWidget*) override { ++shown; }
    int shown = 0;
  } about;
  struct Dishes : nv::DishEditor {
    bool editDishes(const nv::TFoodData&, nv::TKondateData&, QWidget*) override {
      return ++opened, false;
    }
    int opened = 0;
  } dishes;
  nv::TMainForm& f = started({{"ごはん", {"ごはん"}}, {"汁もの", {"みそしる", "すましじる"}}});
  nv::PlannerServices services = f.services();
  services.dishes = dishes;
  f.setServices(services);
  action(f, "ShowAboutAction")->trigger();
  action(f, "SearchOrderAction")->trigger();
  action(f, "PrintAction")->trigger();
  action(f, "SetDetailsAction")->trigger();
  action(f, "AddKondateDataAction")->trigger();
  EXPECT_EQ(dishes.opened, 1);
  EXPECT_TRUE(sel.added.empty());

  struct LunchBox : nv::LunchBoxLauncher {
    void startLunchBox(QWidget* parent) override { parents.push_back(parent); }
    std::vector<QWidget*> parents;
  } lunchBox;
  services.search = search;
  services.about = about;
  services.lunchBox = lunchBox;
  f.setServices(services);
  action(f, "ShowAboutAction")->trigger();
  EXPECT_EQ(about.shown, 1);
  action(f, "SearchOrderAction")->trigger();
  EXPECT_EQ(f.categoryTabs()->currentIndex(), 1);
  EXPECT_EQ(sel.added, std::vector<std::string>{nv::sj("汁もの/みそしる/0")});
  auto* button = qobject_cast<QToolButton*>(toolBar(f)->widgetForAction(action(f, "BentouAction")));
  ASSERT_NE(button, nullptr);
  button->click();
  action(f, "BentouAction")->trigger();
  EXPECT_EQ(lunchBox.parents, (std::vector<QWidget*>{&f, &f}));
}

}  // namespace
}  // namespace nvtest
