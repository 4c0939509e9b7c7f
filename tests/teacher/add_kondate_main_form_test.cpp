// The dish add-and-edit window opened from the main window: what the main window does with
// the dishes afterwards.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTreeWidget>
#include <filesystem>

#include "../planner/main_form_fixture.h"
#include "app/teacher_services.h"
#include "platform/files.h"
#include "platform/ini.h"
#include "platform/qt/qtext.h"
#include "scripted_dialogs.h"
#include "scripted_prompt.h"
#include "shown.h"
#include "teacher/add_kondate_form.h"

using nv::sj;
using nvtest::action;

namespace {

// The main window with the real dish add-and-edit window, as NV assembles it.
class DishEditorTest : public nvtest::MainFormTest {
 protected:
  DishEditorTest() { services.dishes = editor; }
  nv::AddKondateEditor editor;
};

// Registers one dish of "こめ" under a new category in the window, then closes it.
void registerInNewCategory(QWidget* w) {
  auto* form = qobject_cast<nv::TAddKondateForm*>(w);
  ASSERT_NE(form, nullptr);
  form->TabControl1->setCurrentIndex(1);  // か: こめ
  form->ListView3->setCurrentItem(form->ListView3->topLevelItem(0));
  form->AddBtn->click();
  form->StringGridEx1->item(0, 1)->setText(QStringLiteral("150"));
  form->ComboBox1->setEditText(QString::fromUtf8("おにぎり"));
  form->Edit1->setText(QString::fromUtf8("しおむすび"));
  form->RegistBtn->click();
  form->CancelBtn->click();
}

}  // namespace

TEST_F(DishEditorTest, RegisteredDishesAreSavedAndGetTheirTab) {
  nv::TMainForm& f = make({{"ごはん", {"ごはん"}}});
  f.startUp();
  ASSERT_EQ(f.categoryTabs()->count(), 1);
  nvtest::ScriptedPrompt p;
  p.expectBox("おにぎり", "分類名を追加します", nv::Icon::Information);
  nvtest::whenModal(registerInNewCategory);
  action(f, "AddKondateDataAction")->trigger();
  ASSERT_TRUE(nv::fileExists(dir.file("NV_ADD.nv")));
  ASSERT_EQ(f.categoryTabs()->count(), 2);
  EXPECT_EQ(nv::fromQ(f.categoryTabs()->tabText(1)), sj("おにぎり"));
  EXPECT_EQ(f.categoryTabs()->currentIndex(), 0);  // the tab that was selected stays
  EXPECT_FALSE(f.kondateData().modified());

  // Closing without a change writes nothing.
  ASSERT_TRUE(nv::removeFile(dir.file("NV_ADD.nv")));
  nvtest::whenModal([](QWidget* w) { static_cast<nv::TAddKondateForm*>(w)->CancelBtn->click(); });
  action(f, "AddKondateDataAction")->trigger();
  EXPECT_FALSE(nv::fileExists(dir.file("NV_ADD.nv")));
}

TEST_F(DishEditorTest, AnAddFileThatCannotBeWrittenIsReportedAndStaysToBeSaved) {
  nv::TMainForm& f = make({{"ごはん", {"ごはん"}}});
  f.startUp();
  // The add-dish file's folder does not exist: the save fails and says so.
  const std::string missing = dir.file("nofolder/NV_ADD.nv");
  nv::Ini ini(dir.file("NV.ini"));
  ini.writeString("Data", "AddKondateFileName", missing);
  f.readSettings(ini);
  nvtest::ScriptedPrompt p;
  p.expectBox("おにぎり", "分類名を追加します", nv::Icon::Information);
  p.expectBox(nv::cp932ToUtf8(missing), "追加献立ファイルに書き込めません", nv::Icon::Stop);
  nvtest::whenModal(registerInNewCategory);
  action(f, "AddKondateDataAction")->trigger();
  EXPECT_TRUE(f.kondateData().modified());  // still to be saved

  // The room is back by the time the program ends: the dish is written then, unasked.
  ASSERT_TRUE(std::filesystem::create_directory(nv::toFsPath(dir.file("nofolder"))));
  EXPECT_TRUE(f.close());
  EXPECT_FALSE(f.kondateData().modified());
  nv::TKondateData back;
  ASSERT_TRUE(nvtest::shown(back.readAddFile(missing)));
  EXPECT_NE(back.numberOf(sj("おにぎり"), sj("しおむすび")), 0);
}

TEST_F(DishEditorTest, AddedDishesThatStillCannotBeWrittenAreNotLostAtExit) {
  nv::TMainForm& f = make({{"ごはん", {"ごはん"}}});
  f.startUp();
  const std::string missing = dir.file("nofolder/NV_ADD.nv");
  nv::Ini ini(dir.file("NV.ini"));
  ini.writeString("Data", "AddKondateFileName", missing);
  f.readSettings(ini);
  const std::string ask =
      "追加した献立が保存されていません。\n\n「はい」：別のファイルに保存します\n"
      "「いいえ」：保存しないで終了します（追加した献立は失われます）\n「キャンセル」：終了しませ"
      "ん";
  nvtest::ScriptedPrompt p;
  p.expectBox("おにぎり", "分類名を追加します", nv::Icon::Information);
  p.expectBox(nv::cp932ToUtf8(missing), "追加献立ファイルに書き込めません", nv::Icon::Stop);
  nvtest::whenModal(registerInNewCategory);
  action(f, "AddKondateDataAction")->trigger();

  // Cancel: the program stays.
  p.expectBox(nv::cp932ToUtf8(missing), "追加献立ファイルに書き込めません", nv::Icon::Stop);
  p.expectBox(ask, "追加した献立を保存しますか？", nv::Icon::Warning, nv::Buttons::YesNoCancel,
              nv::Answer::Cancel);
  EXPECT_FALSE(f.close());
  EXPECT_TRUE(f.kondateData().modified());

  // Elsewhere: the data file is refused, another file takes the dishes and is read next time.
  nvtest::ScriptedDialogs dialogs;
  const std::string elsewhere = dir.file("保存先.nv");
  dialogs.expectSave(nv::cp932ToUtf8(dir.file("NV.nv"))).expectSave(nv::cp932ToUtf8(elsewhere));
  p.expectBox(nv::cp932ToUtf8(missing), "追加献立ファイルに書き込めません", nv::Icon::Stop);
  p.expectBox(ask, "追加した献立を保存しますか？", nv::Icon::Warning, nv::Buttons::YesNoCancel,
              nv::Answer::Yes);
  p.expectBox(nv::cp932ToUtf8(dir.file("NV.nv")),
              "データファイル（NV.nv）は追加献立ファイルにできません", nv::Icon::Stop);
  p.expectBox(ask, "追加した献立を保存しますか？", nv::Icon::Warning, nv::Buttons::YesNoCancel,
              nv::Answer::Yes);
  const std::string data = nvtest::readBytes(dir.file("NV.nv"));
  EXPECT_TRUE(f.close());
  EXPECT_EQ(nvtest::readBytes(dir.file("NV.nv")), data);
  nv::TKondateData back;
  ASSERT_TRUE(nvtest::shown(back.readAddFile(elsewhere)));
  EXPECT_NE(back.numberOf(sj("おにぎり"), sj("しおむすび")), 0);
  EXPECT_EQ(nv::Ini(dir.file("NV.ini")).readString("Data", "AddKondateFileName", ""), elsewhere);
}
