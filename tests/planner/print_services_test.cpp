// The main window's print, search and About commands reach this area's windows.
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTreeWidget>

#include "main_form_fixture.h"
#include "planner/about_box.h"
#include "planner/eiyouso_grid_form.h"
#include "planner/menu_document.h"
#include "planner/print_search_about.h"
#include "planner/search_order_form.h"
#include "planner_test_app.h"
#include "platform/qt/qtext.h"
#include "scripted_prompt.h"

namespace nvtest {
namespace {

TEST_F(MainFormTest, SearchServiceSelectsTheCategoryTabAndTheDish) {
  nv::PrintSearchAbout services(nullptr, dir.path());
  nv::TMainForm& f = started({{"ごはん", {"ごはん"}}, {"汁もの", {"みそしる", "すましじる"}}});
  nv::PlannerServices s = f.services();
  s.search = services;
  s.printer = services;
  s.about = services;
  f.setServices(s);

  whenModal([](QWidget* w) {
    auto* form = qobject_cast<nv::TSearchOrderForm*>(w);
    ASSERT_NE(form, nullptr);
    form->Edit1->setText(QString::fromUtf8("みそ"));
    form->ListView2->topLevelItem(0)->setSelected(true);
    form->OkBtn->click();
  });
  action(f, "SearchOrderAction")->trigger();
  EXPECT_EQ(f.categoryTabs()->currentIndex(), 1);
  EXPECT_EQ(sel.added, std::vector<std::string>{nv::sj("汁もの/みそしる/0")});

  bool aboutShown = false;
  whenModal([&](QWidget* w) {
    aboutShown = qobject_cast<nv::TAboutBox*>(w) != nullptr;
    if (w) static_cast<QDialog*>(w)->reject();
  });
  action(f, "ShowAboutAction")->trigger();
  EXPECT_TRUE(aboutShown);
}

TEST_F(MainFormTest, PrintServiceChecksTheMenuAndTheNameBeforeTheDialog) {
  nv::PrintSearchAbout services(nullptr, dir.path());
  nv::TMainForm& f = started({{"ごはん", {"ごはん"}}});
  nv::PlannerServices s = f.services();
  s.printer = services;
  f.setServices(s);
  {
    ScriptedPrompt prompt;
    prompt.expectBox("印刷する献立がありません。", "確認", nv::Icon::Information);
    action(f, "PrintAction")->trigger();
  }

  nv::SelDish dish;
  dish.caption = nv::sj("ごはん");
  dish.usedFoods = {{0, 150, 150}};
  dish.standardWeight = 150;
  ASSERT_TRUE(doc().addDish(1, dish));
  // Still the default name: the name entry comes first, and refusing it stops.
  profile.setName(doc().defaultName());
  nameEntry.accept = false;
  action(f, "PrintAction")->trigger();
  EXPECT_EQ(nameEntry.calls, 1);

  nameEntry.accept = true;
  QStringList items;
  whenModal([&](QWidget* w) {
    auto* form = qobject_cast<nv::TEiyousoGridForm*>(w);
    ASSERT_NE(form, nullptr);
    for (int i = 0; i < form->CheckListBox1->count(); ++i)
      if (form->CheckListBox1->item(i)->checkState() == Qt::Checked)
        items << form->CheckListBox1->item(i)->text();
    form->CloseBtn->click();
  });
  action(f, "PrintAction")->trigger();
  EXPECT_EQ(nameEntry.calls, 2);
  EXPECT_EQ(items, (QStringList{QString::fromUtf8("昼食"), QString::fromUtf8("１日分")}));
}

}  // namespace
}  // namespace nvtest
