#include "teacher/add_kondate_form.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTreeWidget>

#include "../core/kondate_fixtures.h"
#include "../planner/planner_test_app.h"
#include "core/food.h"
#include "core/kondate_data.h"
#include "platform/qt/qtext.h"
#include "scripted_prompt.h"

using nv::Icon;
using nv::sj;
using nvtest::category;
using nvtest::dish;

namespace {

struct AddFixture {
  AddFixture() {
    nvtest::plannerApp();
    category(dishes, "主菜").base.push_back(dish(1, "からあげ", {{1, 80}}));
    category(dishes, "汁物").added.push_back(dish(100001, "かぼちゃスープ", {{2, 50}, {3, 10}}));
    std::vector<std::string> names;
    dishes.categoryNames(names);
    form = std::make_unique<nv::TAddKondateForm>(foods, dishes, names);
    form->resize(1000, 600);
    form->show();
  }
  // Selects the food of that name on the current food tab and presses the add button.
  void addFood(const char* utf8) {
    auto found = form->ListView3->findItems(QString::fromUtf8(utf8), Qt::MatchExactly, 0);
    ASSERT_EQ(found.size(), 1) << utf8;
    form->ListView3->setCurrentItem(found.front());
    form->AddBtn->click();
  }
  void setWeight(int row, const char* text) {
    form->StringGridEx1->item(row - 1, 1)->setText(QString::fromUtf8(text));
  }
  void selectEntry(const char* dishUtf8) {
    auto found = form->ListView2->findItems(QString::fromUtf8(dishUtf8), Qt::MatchExactly, 1);
    ASSERT_EQ(found.size(), 1) << dishUtf8;
    form->ListView2->setCurrentItem(found.front());
  }
  std::string cell(int row, int column) const {
    const QTableWidgetItem* item = form->StringGridEx1->item(row - 1, column);
    return item ? nvtest::u8(nv::fromQ(item->text())) : std::string("<none>");
  }
  nv::TFoodData foods = nvtest::foodsNamed({"とりにく", "かぼちゃ", "ぎゅうにゅう", "牛乳"});
  nv::TKondateData dishes;
  std::unique_ptr<nv::TAddKondateForm> form;
};

}  // namespace

TEST(AddKondateForm, OpensWithTheFirstCategoryTheFirstTabAndNothingToRegister) {
  AddFixture f;
  nv::TAddKondateForm& w = *f.form;
  EXPECT_EQ(nv::fromQ(w.windowTitle()), sj("献立の追加と編集"));
  EXPECT_EQ(nv::fromQ(w.ComboBox1->currentText()), sj("主菜"));
  EXPECT_EQ(w.TabControl1->count(), 11);
  EXPECT_EQ(w.ListView3->topLevelItemCount(), 0);  // no food starts with あ
  w.TabControl1->setCurrentIndex(10);
  EXPECT_EQ(w.ListView3->topLevelItemCount(), 4);
  EXPECT_EQ(nv::fromQ(w.ListView3->topLevelItem(0)->text(0)), sj("かぼちゃ"));
  w.TabControl1->setCurrentIndex(9);
  EXPECT_EQ(w.ListView3->topLevelItemCount(), 1);
  EXPECT_FALSE(w.AddBtn->isEnabled());
  EXPECT_FALSE(w.RegistBtn->isEnabled());
  EXPECT_FALSE(w.DelBtn->isEnabled());
  EXPECT_FALSE(w.DeleteBtn->isEnabled());
  EXPECT_EQ(w.StringGridEx1->rowCount(), 1);
  EXPECT_EQ(nv::fromQ(w.StringGridEx1->horizontalHeaderItem(1)->text()), sj("重量(g)"));
  EXPECT_EQ(w.ComboBox2->currentIndex(), 0);
  EXPECT_EQ(w.similar().mode(), nv::SimilarDishes::Mode::KanaFilter);
  EXPECT_TRUE(w.Edit1->testAttribute(Qt::WA_InputMethodEnabled));
  EXPECT_FALSE(w.registered());
}

TEST(AddKondateForm, ComposingRegisteringAndRegisteringTheSameDishAgain) {
  AddFixture f;
  nv::TAddKondateForm& w = *f.form;
  w.TabControl1->setCurrentIndex(10);
  f.addFood("とりにく");
  f.addFood("かぼちゃ");
  EXPECT_EQ(f.cell(1, 0), "とりにく");
  EXPECT_EQ(f.cell(2, 1), "0");
  {
    nvtest::ScriptedPrompt p;
    p.expectBox("かぼちゃ", "すでに登録済みです", Icon::Information);
    f.addFood("かぼちゃ");
  }
  EXPECT_EQ(w.StringGridEx1->rowCount(), 2);
  w.Edit1->setText(QString::fromUtf8("とりのかぼちゃ煮"));
  EXPECT_FALSE(w.RegistBtn->isEnabled());  // every weight is 0
  f.setWeight(1, "60");
  EXPECT_TRUE(w.RegistBtn->isEnabled());
  f.setWeight(2, "40.5");
  {
    nvtest::ScriptedPrompt p;
    p.expectBox("献立を追加しました", "確認", Icon::Information);
    w.RegistBtn->click();
  }
  EXPECT_TRUE(w.registered());
  EXPECT_FALSE(w.RegistBtn->isEnabled());
  const nv::TOrder* main = f.dishes.findOrder(sj("主菜"));
  ASSERT_EQ(main->added.size(), 1u);
  EXPECT_EQ(main->added[0].number, 100002);
  EXPECT_DOUBLE_EQ(main->added[0].standardWeight, 100.5);

  // Again with other weights: No keeps the first version and marks nothing.
  f.dishes.setModified(false);
  f.setWeight(1, "10");
  const std::string question =
      "<とりのかぼちゃ煮>は追加済みの献立です。\n\n 処理を続行すると、以前のデータが消えます。"
      "\n\n 　　続行してもよいなら「はい」を\n\n 　　以前のデータの残す場合は「いいえ」を\n\n "
      "クリックして下さい。";
  {
    nvtest::ScriptedPrompt p;
    p.expectBox(question, "修正の確認", Icon::Question, nv::Buttons::YesNo, nv::Answer::No);
    w.RegistBtn->click();
  }
  EXPECT_DOUBLE_EQ(main->added[0].standardWeight, 100.5);
  EXPECT_FALSE(f.dishes.modified());
  EXPECT_TRUE(w.RegistBtn->isEnabled());  // nothing changed in the window
  {
    nvtest::ScriptedPrompt p;
    p.expectBox(question, "修正の確認", Icon::Question, nv::Buttons::YesNo, nv::Answer::Yes);
    w.RegistBtn->click();
  }
  EXPECT_DOUBLE_EQ(main->added[0].standardWeight, 50.5);
  EXPECT_EQ(main->added.size(), 1u);
  EXPECT_TRUE(f.dishes.modified());
}

TEST(AddKondateForm, ANewCategoryIsAnnouncedAndOffered) {
  AddFixture f;
  nv::TAddKondateForm& w = *f.form;
  w.TabControl1->setCurrentIndex(10);
  f.addFood("牛乳");
  f.setWeight(1, "200");
  w.ComboBox1->setEditText(QString::fromUtf8("飲み物"));
  w.Edit1->setText(QString::fromUtf8("ホットミルク"));
  {
    nvtest::ScriptedPrompt p;
    p.expectBox("飲み物", "分類名を追加します", Icon::Information);
    w.RegistBtn->click();
  }
  EXPECT_NE(f.dishes.findOrder(sj("飲み物")), nullptr);
  EXPECT_GE(w.ComboBox1->findText(QString::fromUtf8("飲み物")), 0);
  // A name with no category cannot be registered.
  w.ComboBox1->setEditText(QString());
  w.Edit1->setText(QString::fromUtf8("ミルク"));
  EXPECT_FALSE(w.RegistBtn->isEnabled());
}

TEST(AddKondateForm, RemovingFoodRowsKeepsAnEmptyFirstRow) {
  AddFixture f;
  nv::TAddKondateForm& w = *f.form;
  w.TabControl1->setCurrentIndex(10);
  f.addFood("とりにく");
  f.addFood("かぼちゃ");
  w.StringGridEx1->setCurrentCell(0, 1);
  EXPECT_TRUE(w.DelBtn->isEnabled());
  w.DelBtn->click();
  EXPECT_EQ(w.StringGridEx1->rowCount(), 1);
  EXPECT_EQ(f.cell(1, 0), "かぼちゃ");
  w.DelBtn->click();
  EXPECT_EQ(w.StringGridEx1->rowCount(), 1);
  EXPECT_EQ(f.cell(1, 0), "");
  EXPECT_EQ(f.cell(1, 1), "");
  EXPECT_FALSE(w.DelBtn->isEnabled());
  f.addFood("牛乳");  // the empty row 1 is used again
  EXPECT_EQ(w.StringGridEx1->rowCount(), 1);
  EXPECT_EQ(f.cell(1, 0), "牛乳");
}

TEST(AddKondateForm, AnAddedDishLoadsBackAndIsDeletedWithoutAsking) {
  AddFixture f;
  nv::TAddKondateForm& w = *f.form;
  w.ShowAddKondateDataBtn->click();
  EXPECT_EQ(w.similar().mode(), nv::SimilarDishes::Mode::AddedDishes);
  ASSERT_EQ(w.ListView2->topLevelItemCount(), 1);
  EXPECT_EQ(nv::fromQ(w.ListView2->topLevelItem(0)->text(0)), sj("*汁物"));
  f.selectEntry("かぼちゃスープ");
  EXPECT_TRUE(w.DeleteBtn->isEnabled());
  EXPECT_EQ(nv::fromQ(w.Edit1->text()), sj("かぼちゃスープ"));
  EXPECT_EQ(w.similar().mode(), nv::SimilarDishes::Mode::AddedDishes);  // no name search
  EXPECT_EQ(f.cell(1, 0), "かぼちゃ");
  EXPECT_EQ(f.cell(2, 1), "10");
  EXPECT_EQ(nv::fromQ(w.ComboBox1->currentText()), sj("汁物"));  // the dish's own
  EXPECT_TRUE(w.RegistBtn->isEnabled());

  w.DeleteBtn->click();
  EXPECT_TRUE(w.registered());
  EXPECT_TRUE(f.dishes.findOrder(sj("汁物"))->added.empty());
  EXPECT_EQ(w.ListView2->topLevelItemCount(), 0);  // refilled: no added dish left
  EXPECT_FALSE(w.DeleteBtn->isEnabled());

  // A base dish cannot be deleted; typing searches by name.
  w.Edit1->setText(QString::fromUtf8("から"));
  EXPECT_EQ(w.similar().mode(), nv::SimilarDishes::Mode::NameSearch);
  f.selectEntry("からあげ");
  EXPECT_FALSE(w.DeleteBtn->isEnabled());
}

TEST(AddKondateForm, EditingAnAddedDishReplacesItAndANewDishStartsEmpty) {
  AddFixture f;
  nv::TAddKondateForm& w = *f.form;
  w.ShowAddKondateDataBtn->click();
  f.selectEntry("かぼちゃスープ");
  f.setWeight(1, "70");
  {
    // Its category came with it: registering replaces the dish instead of copying it into
    // the category the box happened to show.
    nvtest::ScriptedPrompt p;
    p.expectBox(
        "<かぼちゃスープ>は追加済みの献立です。\n\n 処理を続行すると、以前のデータが消えます。"
        "\n\n 　　続行してもよいなら「はい」を\n\n 　　以前のデータの残す場合は「いいえ」を\n\n "
        "クリックして下さい。",
        "修正の確認", Icon::Question, nv::Buttons::YesNo, nv::Answer::Yes);
    w.RegistBtn->click();
  }
  EXPECT_TRUE(f.dishes.findOrder(sj("主菜"))->added.empty());
  ASSERT_EQ(f.dishes.findOrder(sj("汁物"))->added.size(), 1u);
  EXPECT_DOUBLE_EQ(f.dishes.findOrder(sj("汁物"))->added[0].standardWeight, 80);

  w.NewKondateBtn->click();
  EXPECT_TRUE(w.Edit1->text().isEmpty());
  EXPECT_EQ(w.StringGridEx1->rowCount(), 1);
  EXPECT_EQ(f.cell(1, 0), "");
  EXPECT_FALSE(w.RegistBtn->isEnabled());
  EXPECT_FALSE(w.DeleteBtn->isEnabled());

  // The boxes take no more than a stored name holds (47 bytes), cut between characters.
  QString kana25;
  for (int i = 0; i < 25; ++i) kana25 += QString::fromUtf8("か");
  w.Edit1->insert(kana25);
  EXPECT_EQ(w.Edit1->text(), kana25.left(23));
  w.ComboBox1->lineEdit()->clear();
  w.ComboBox1->lineEdit()->insert(QStringLiteral("a") + kana25);
  EXPECT_EQ(w.ComboBox1->currentText(), QStringLiteral("a") + kana25.left(23));
}

TEST(AddKondateForm, TitleClicksSortTheSimilarListAndTheThirdRestoresIt) {
  AddFixture f;
  nv::TAddKondateForm& w = *f.form;
  w.ComboBox2->setCurrentIndex(1);
  w.ComboBox2Change(1);
  ASSERT_EQ(w.ListView2->topLevelItemCount(), 2);
  const QString first = w.ListView2->topLevelItem(0)->text(0);
  for (const char* title : {"分類名 ↓", "分類名 ↑", "分類名"}) {
    w.ListView2->header()->sectionClicked(0);
    EXPECT_EQ(w.ListView2->headerItem()->text(0), QString::fromUtf8(title));
  }
  EXPECT_EQ(w.ListView2->topLevelItem(0)->text(0), first);
}

TEST(AddKondateForm, RunsOverTheMainWindowAndTellsWhetherDishesChanged) {
  AddFixture f;
  QWidget main;
  main.setGeometry(40, 50, 700, 500);
  nvtest::whenModal([](QWidget* w) {
    auto* form = qobject_cast<nv::TAddKondateForm*>(w);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->geometry(), QRect(40, 50, 700, 500));
    form->CancelBtn->click();
  });
  EXPECT_FALSE(nv::runAddKondateForm(&main, f.foods, f.dishes));
}

TEST(AddKondateForm, Screenshot) {
  const QString dir = qEnvironmentVariable("NV_SHOT_DIR");
  if (dir.isEmpty()) GTEST_SKIP() << "NV_SHOT_DIR not set";
  AddFixture f;
  nv::TAddKondateForm& w = *f.form;
  w.TabControl1->setCurrentIndex(10);
  f.addFood("とりにく");
  f.addFood("かぼちゃ");
  f.setWeight(1, "60");
  f.setWeight(2, "40");
  w.Edit1->setText(QString::fromUtf8("か"));
  w.ListView3->setCurrentItem(w.ListView3->topLevelItem(2));
  QApplication::processEvents();
  EXPECT_TRUE(w.grab().save(QDir(dir).filePath(QStringLiteral("add_kondate_form.png"))));
  // Over the main window at the three screen sizes schools have.
  for (const QSize size : {QSize(1024, 768), QSize(1366, 768), QSize(1920, 1080)}) {
    w.resize(size);
    QApplication::processEvents();
    EXPECT_TRUE(w.grab().save(QDir(dir).filePath(
        QStringLiteral("add_kondate_form_%1x%2.png").arg(size.width()).arg(size.height()))));
  }
}
