// The chosen menu's document: its file commands over real menu files, with a scripted name
// entry and re-open dialog.
#include "planner/menu_document.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "core/kojin_data.h"
#include "planner/model/menu_file.h"
#include "planner/model/recent_files.h"
#include "planner/planner_services.h"
#include "planner_test_app.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "scripted_dialogs.h"
#include "scripted_prompt.h"
#include "shown.h"
#include "temp_dir.h"

using nv::MenuDocument;
using nv::ReOpenChoice;
using nv::sj;

namespace {

std::string upper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = char(c - 32);
  return s;
}

const char kAskCaption[] = "内容が変更されています。保存しますか？";

struct NameEntry : nv::ProfileEditor {
  bool editProfile(nv::TKojinData& profile, QWidget*) override {
    ++calls;
    if (accepts) profile.setName(sj("たろう"));
    return accepts;
  }
  bool accepts = true;
  int calls = 0;
};

struct ReOpen : nv::ReOpenChooser {
  ReOpenChoice choose(nv::RecentFiles& list, nv::ProfileEditor& names, nv::TKojinData& kojin,
                      QWidget*) override {
    ++shown;
    if (answer.kind == ReOpenChoice::DeleteHistory) list.clear();
    if (answer.kind == ReOpenChoice::New) {
      EXPECT_TRUE(names.editProfile(kojin, nullptr));
    }
    return answer;
  }
  ReOpenChoice answer;
  int shown = 0;
};

struct DocumentTest : ::testing::Test {
  DocumentTest() : doc(profile, "host") {
    nvtest::plannerApp();
    profile.setName("host");
    doc.setProfileEditor(&names);
    QObject::connect(&doc, &MenuDocument::fileNameChanged, [this] { title = doc.title(); });
    QObject::connect(&doc, &MenuDocument::profileChanged,
                     [this] { chartTitle = doc.profile().name(); });
    QObject::connect(&doc, &MenuDocument::menuReset, [this] { ++resets; });
  }
  // A real menu file of the child "はなこ" with one dish.
  std::string menuFile(const std::string& name) {
    const std::string path = dir.file(name);
    nv::SelectedMenu menu;
    nv::SelDish dish;
    dish.serialNo = menu.nextSerial();
    dish.usedFoods = {{1, 100, 100}};
    menu.add(0, dish);
    nv::TKojinData child;
    child.setName(sj("はなこ"));
    EXPECT_TRUE(nvtest::shown(nv::saveMenuFile(path, menu, child, {})));
    return path;
  }
  void addDish() {
    nv::SelDish dish;
    dish.serialNo = doc.nextSerial();
    doc.addDish(0, dish);
  }

  nvtest::TempDir dir;
  nv::TKojinData profile;
  NameEntry names;
  MenuDocument doc;
  int resets = 0;
  std::string title, chartTitle;
};

TEST_F(DocumentTest, NewMenuThenAcceptedNameMarksTheMenuChanged) {
  addDish();
  doc.setModified(false);
  int marks = 0;
  QObject::connect(&doc, &MenuDocument::modifiedChanged, [&] { ++marks; });
  ASSERT_TRUE(doc.NewAction());
  EXPECT_TRUE(doc.menu().dishes(0).empty());
  EXPECT_EQ(resets, 1);
  EXPECT_EQ(doc.fileName(), "default");
  EXPECT_EQ(title, "Nuvelta:");
  EXPECT_EQ(names.calls, 1);
  EXPECT_TRUE(doc.isModified());
  EXPECT_EQ(marks, 1);
  EXPECT_EQ(chartTitle, sj("たろう"));

  // A cancelled name keeps the new menu unchanged.
  names.accepts = false;
  nvtest::ScriptedPrompt prompt;
  prompt.expectBox("default", kAskCaption, nv::Icon::Question, nv::Buttons::YesNoCancel,
                   nv::Answer::No);
  ASSERT_TRUE(doc.NewAction());
  EXPECT_FALSE(doc.isModified());
  EXPECT_EQ(profile.name(), "host");  // back to the default person name
}

TEST_F(DocumentTest, CancelledSaveDialogDuringTheQuestionKeepsTheWindowOpen) {
  addDish();
  nvtest::ScriptedPrompt prompt;
  nvtest::ScriptedDialogs dialogs;
  // The name is still the host's: the name entry comes first, then the save dialog.
  prompt.expectBox("default", kAskCaption, nv::Icon::Question, nv::Buttons::YesNoCancel,
                   nv::Answer::Yes);
  dialogs.expectCancel(nvtest::DialogCall::Save);
  EXPECT_FALSE(doc.AskToSave());
  EXPECT_TRUE(doc.isModified());
  EXPECT_EQ(names.calls, 1);
  const nv::FileRequest& request = dialogs.calls().at(0).request;
  EXPECT_EQ(request.defaultExt, "nvu");
  EXPECT_EQ(request.filter, sj("NVデータファイル(*.nvu)|*.nvu|全てのファイル(*.*)|*.*"));
  EXPECT_EQ(request.fileName, sj("たろう"));  // the entered name is proposed
  EXPECT_EQ(chartTitle, sj("たろう"));        // and already heads the charts

  // Cancel keeps the window too; No discards and clears the mark.
  prompt.expectBox("default", kAskCaption, nv::Icon::Question, nv::Buttons::YesNoCancel,
                   nv::Answer::Cancel);
  EXPECT_FALSE(doc.AskToSave());
  prompt.expectBox("default", kAskCaption, nv::Icon::Question, nv::Buttons::YesNoCancel,
                   nv::Answer::No);
  EXPECT_TRUE(doc.AskToSave());
  EXPECT_FALSE(doc.isModified());
  EXPECT_TRUE(doc.AskToSave());  // nothing changed: no question
}

TEST_F(DocumentTest, SaveAsWritesTheChosenPathAndASecondSaveWritesWithoutADialog) {
  profile.setName(sj("じろう"));
  addDish();
  nvtest::ScriptedDialogs dialogs;
  const std::string path = dir.file("menu.nvu");
  dialogs.expectSave(nv::cp932ToUtf8(path));
  ASSERT_TRUE(doc.SaveMenu());
  EXPECT_EQ(names.calls, 0);
  EXPECT_EQ(dialogs.calls().at(0).request.fileName, sj("じろう"));
  EXPECT_EQ(dialogs.calls().at(0).request.initialDir, "");
  EXPECT_FALSE(doc.isModified());
  EXPECT_EQ(doc.fileName(), path);
  EXPECT_EQ(title, "Nuvelta:" + path);
  EXPECT_EQ(doc.recentFiles().paths(), std::vector<std::string>{path});

  addDish();
  ASSERT_TRUE(doc.SaveMenu());
  EXPECT_FALSE(doc.isModified());
  nv::SelectedMenu back;
  nv::TKojinData child;
  ASSERT_TRUE(nvtest::shown(nv::loadMenuFile(path, back, child, {})));
  EXPECT_EQ(back.dishes(0).size(), 2u);
  EXPECT_EQ(back.counter(), 2);  // two dishes numbered 0 and 1

  // Save as proposes the file's own name in its own folder.
  dialogs.expectCancel(nvtest::DialogCall::Save);
  EXPECT_FALSE(doc.SaveMenuAs());
  EXPECT_EQ(dialogs.calls().at(1).request.fileName, "menu.nvu");
  EXPECT_EQ(dialogs.calls().at(1).request.initialDir, dir.path());
}

// The child's name is proposed as a name the folder can hold: a "/" makes no sub-folder, and
// 100 half-width katakana (300 bytes on disk) are cut to fit 255 with ".nvu".
TEST_F(DocumentTest, TheProposedNameIsAFileName) {
  std::string kana;
  for (int i = 0; i < 100; ++i) kana += sj("ﾀ");
  const std::vector<std::pair<std::string, std::string>> cases = {
      {sj("1/2組 たろう"), sj("1_2組 たろう")}, {kana, kana.substr(0, 83)}};
  addDish();
  for (const auto& [name, proposed] : cases) {
    profile.setName(name);
    nvtest::ScriptedDialogs dialogs;
    dialogs.expectCancel(nvtest::DialogCall::Save);
    EXPECT_FALSE(doc.SaveMenu());
    EXPECT_EQ(dialogs.calls().at(0).request.fileName, proposed);
  }
}

TEST_F(DocumentTest, InstalledProgramProposesTheDocumentsFolderForANewMenu) {
  nvtest::TempDir program, home;
  const std::string previousFolder = nv::programFolder();
  const std::string previousHome = std::getenv("HOME") ? std::getenv("HOME") : "";
  nv::setProgramFolder(program.path());
  setenv("HOME", home.path().c_str(), 1);
  nvtest::writeBytes(program.file("packaged"), "x\n");
  std::filesystem::create_directory(home.path() + "/Documents");
  profile.setName(sj("じろう"));
  nvtest::ScriptedDialogs dialogs;
  dialogs.expectCancel(nvtest::DialogCall::Save);
  EXPECT_FALSE(doc.SaveMenuAs());
  EXPECT_EQ(dialogs.calls().at(0).request.initialDir, home.path() + "/Documents");
  nv::setProgramFolder(previousFolder);
  setenv("HOME", previousHome.c_str(), 1);
}

TEST_F(DocumentTest, FailedWriteKeepsTheOldNameTheMarkAndTheRecentList) {
  profile.setName(sj("じろう"));
  addDish();
  nvtest::ScriptedDialogs dialogs;
  nvtest::ScriptedPrompt prompt;
  const std::string path = dir.file("no/such/folder/ro.nvu");
  dialogs.expectSave(nv::cp932ToUtf8(path));
  prompt.expectBox(nv::cp932ToUtf8(path), "書き出しのためにオープンできません", nv::Icon::None);
  EXPECT_FALSE(doc.SaveMenuAs());
  EXPECT_EQ(doc.fileName(), "default");
  EXPECT_TRUE(doc.isModified());
  EXPECT_TRUE(doc.recentFiles().empty());
  EXPECT_EQ(title, "");

  // A write-protected menu is refused with the reason and left as it was.
  const std::string locked = dir.file("locked.nvu");
  nvtest::writeBytes(locked, "teacher's");
  ::chmod(nv::toFsPath(locked).c_str(), 0444);
  dialogs.expectSave(nv::cp932ToUtf8(locked));
  prompt.expectBox(
      nv::cp932ToUtf8(locked) + "\n上書きしようとしているファイルが書き込み禁止になっています。",
      "書き出しのためにオープンできません", nv::Icon::None);
  EXPECT_FALSE(doc.SaveMenuAs());
  EXPECT_EQ(nvtest::readBytes(locked), "teacher's");
}

TEST_F(DocumentTest, OpenMissingFailedAndGoodFiles) {
  nvtest::ScriptedPrompt prompt;
  const std::string missing = dir.file("none.nvu");
  prompt.expectBox(nv::cp932ToUtf8(missing), "ファイルが見つかりません", nv::Icon::Stop);
  EXPECT_FALSE(doc.OpenMenu(missing));
  EXPECT_EQ(resets, 0);

  const std::string bad = dir.file("bad.nvu");
  nvtest::writeBytes(bad, "not a menu");
  prompt.expectBox("Nuvelta の選択済み献立データではないようです", "確認", nv::Icon::Stop);
  EXPECT_FALSE(doc.OpenMenu(bad));
  EXPECT_EQ(doc.fileName(), "default");
  EXPECT_TRUE(doc.recentFiles().empty());
  EXPECT_EQ(resets, 0);

  const std::string path = menuFile("a.nvu");
  doc.recentFiles().setPaths({"/x/b.nvu", upper(path), "/x/c.nvu"});
  ASSERT_TRUE(doc.OpenMenu(path));
  EXPECT_EQ(resets, 1);
  EXPECT_EQ(doc.menu().dishes(0).size(), 1u);
  EXPECT_EQ(doc.menu().dishes(3).size(), 1u);
  EXPECT_FALSE(doc.isModified());
  EXPECT_EQ(doc.fileName(), path);
  EXPECT_EQ(title, "Nuvelta:" + path);
  EXPECT_EQ(chartTitle, sj("はなこ"));
  // One entry, at the top, spelt as opened.
  EXPECT_EQ(doc.recentFiles().paths(), (std::vector<std::string>{path, "/x/b.nvu", "/x/c.nvu"}));
}

TEST_F(DocumentTest, OpenCommandAndRecentCaptionsAskFirst) {
  const std::string path = menuFile("menu.nvu");
  nvtest::ScriptedDialogs dialogs;
  dialogs.expectOpen(nv::cp932ToUtf8(path));
  ASSERT_TRUE(doc.OpenAction());
  EXPECT_EQ(dialogs.calls().at(0).request.filter, sj("NVデータファイル(*.nvu)|*.nvu"));
  EXPECT_EQ(resets, 2);  // the new menu, then the file

  addDish();
  nvtest::ScriptedPrompt prompt;
  prompt.expectBox(nv::cp932ToUtf8(path), kAskCaption, nv::Icon::Question, nv::Buttons::YesNoCancel,
                   nv::Answer::Cancel);
  EXPECT_FALSE(doc.OpenRecent("&A " + path));
  EXPECT_EQ(doc.menu().dishes(0).size(), 2u);
  doc.setModified(false);
  EXPECT_TRUE(doc.OpenRecent("&A " + path));
  EXPECT_EQ(doc.menu().dishes(0).size(), 1u);
}

TEST_F(DocumentTest, StartMenuChoice) {
  ReOpen reOpen;
  doc.setReOpenChooser(&reOpen);
  // First run: the child's name first.
  doc.ChooseStartMenu({}, false);
  EXPECT_EQ(names.calls, 1);
  EXPECT_EQ(reOpen.shown, 0);

  // Command line: the last existing file wins.
  const std::string a = menuFile("a.nvu"), b = menuFile("b.nvu");
  doc.ChooseStartMenu({a, b, dir.file("gone.nvu")}, false);
  EXPECT_EQ(doc.fileName(), b);

  // Auto-open takes entry 0 without the dialog.
  doc.recentFiles().setPaths({a, b});
  doc.ChooseStartMenu({}, true);
  EXPECT_EQ(doc.fileName(), a);
  EXPECT_EQ(reOpen.shown, 0);

  reOpen.answer = {ReOpenChoice::Open, b};
  doc.ChooseStartMenu({}, false);
  EXPECT_EQ(doc.fileName(), b);

  // New in the dialog: its name entry marks the new menu; nothing opens.
  doc.setModified(false);
  reOpen.answer = {ReOpenChoice::New, {}};
  doc.ChooseStartMenu({}, false);
  EXPECT_EQ(doc.fileName(), b);
  EXPECT_TRUE(doc.isModified());
  EXPECT_EQ(chartTitle, sj("たろう"));

  // History deleted: the name entry follows as on a first run.
  const int before = names.calls;
  reOpen.answer = {ReOpenChoice::DeleteHistory, {}};
  doc.ChooseStartMenu({}, false);
  EXPECT_EQ(names.calls, before + 1);
  EXPECT_TRUE(doc.recentFiles().empty());
  EXPECT_EQ(reOpen.shown, 3);
}

}  // namespace
