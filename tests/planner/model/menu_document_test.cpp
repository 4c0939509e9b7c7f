#include "planner/model/menu_document.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "core/kojin_data.h"
#include "planner/model/recent_files.h"
#include "planner/model/start_arguments.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "scripted_dialogs.h"
#include "scripted_prompt.h"
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

// The document over a fake chosen-menu window that records what it was asked to do.
struct DocumentTest : ::testing::Test {
  DocumentTest() : doc(profile, recent, "host") {
    profile.setName("host");
    doc.hooks.modified = [this] { return modified; };
    doc.hooks.setModified = [this](bool m) { modified = m; };
    doc.hooks.loadMenuFile = [this](const std::string& path) {
      loaded.push_back(path);
      if (!loadSucceeds) return false;
      profile.setName(sj("はなこ"));
      return true;
    };
    doc.hooks.saveMenuFile = [this](const std::string& path) {
      saved.push_back(path);
      if (saveSucceeds) modified = false;
      return saveSucceeds;
    };
    doc.hooks.clearAll = [this] { ++cleared; };
    doc.hooks.profileDialog = [this] {
      ++profileDialogs;
      if (profileAccepts) profile.setName(sj("たろう"));
      return profileAccepts;
    };
    doc.hooks.setTitle = [this](const std::string& t) { title = t; };
    doc.hooks.retitleCharts = [this](const std::string& name) { chartTitle = name; };
  }
  std::string existing(const std::string& name) {
    const std::string path = dir.file(name);
    nvtest::writeBytes(path, "x");
    return path;
  }

  nvtest::TempDir dir;
  nv::TKojinData profile;
  nv::RecentFiles recent;
  MenuDocument doc;
  bool modified = false, loadSucceeds = true, saveSucceeds = true, profileAccepts = true;
  std::vector<std::string> loaded, saved;
  int cleared = 0, profileDialogs = 0;
  std::string title, chartTitle;
};

TEST_F(DocumentTest, NewMenuThenAcceptedNameMarksTheMenuChanged) {
  doc.hooks.setModified(false);
  ASSERT_TRUE(doc.NewAction());
  EXPECT_EQ(cleared, 1);
  EXPECT_EQ(doc.currentFileName(), "default");
  EXPECT_EQ(title, "Nuvelta:");
  EXPECT_EQ(profileDialogs, 1);
  EXPECT_TRUE(modified);
  EXPECT_EQ(chartTitle, sj("たろう"));

  // A cancelled name keeps the new menu unchanged.
  profileAccepts = false;
  nvtest::ScriptedPrompt prompt;
  prompt.expectBox("default", kAskCaption, nv::Icon::Question, nv::Buttons::YesNoCancel,
                   nv::Answer::No);
  ASSERT_TRUE(doc.NewAction());
  EXPECT_FALSE(modified);
  EXPECT_EQ(profile.name(), "host");  // back to the default person name
}

TEST_F(DocumentTest, CancelledSaveDialogDuringTheQuestionKeepsTheWindowOpen) {
  modified = true;
  nvtest::ScriptedPrompt prompt;
  nvtest::ScriptedDialogs dialogs;
  // The name is still the host's: the name entry comes first, then the save dialog.
  prompt.expectBox("default", kAskCaption, nv::Icon::Question, nv::Buttons::YesNoCancel,
                   nv::Answer::Yes);
  dialogs.expectCancel(nvtest::DialogCall::Save);
  EXPECT_FALSE(doc.AskToSave());
  EXPECT_TRUE(modified);
  EXPECT_EQ(profileDialogs, 1);
  EXPECT_TRUE(saved.empty());
  const nv::FileRequest& request = dialogs.calls().at(0).request;
  EXPECT_EQ(request.defaultExt, "nvu");
  EXPECT_EQ(request.filter, sj("NVデータファイル(*.nvu)|*.nvu|全てのファイル(*.*)|*.*"));
  EXPECT_EQ(request.fileName, sj("たろう"));  // the entered name is proposed
  EXPECT_EQ(chartTitle, sj("たろう"));        // and already heads the charts

  // Cancel keeps the window too; No discards.
  prompt.expectBox("default", kAskCaption, nv::Icon::Question, nv::Buttons::YesNoCancel,
                   nv::Answer::Cancel);
  EXPECT_FALSE(doc.AskToSave());
  prompt.expectBox("default", kAskCaption, nv::Icon::Question, nv::Buttons::YesNoCancel,
                   nv::Answer::No);
  EXPECT_TRUE(doc.AskToSave());
  EXPECT_FALSE(modified);
  EXPECT_TRUE(doc.AskToSave());  // nothing changed: no question
}

TEST_F(DocumentTest, SaveAsWritesTheChosenPathAndASecondSaveWritesWithoutADialog) {
  profile.setName(sj("じろう"));
  modified = true;
  nvtest::ScriptedDialogs dialogs;
  const std::string path = dir.file("menu.nvu");
  dialogs.expectSave(nv::cp932ToUtf8(path));
  ASSERT_TRUE(doc.SaveMenu());
  EXPECT_EQ(profileDialogs, 0);
  EXPECT_EQ(dialogs.calls().at(0).request.fileName, sj("じろう"));
  EXPECT_EQ(dialogs.calls().at(0).request.initialDir, "");
  EXPECT_EQ(saved, std::vector<std::string>{path});
  EXPECT_EQ(doc.currentFileName(), path);
  EXPECT_EQ(title, "Nuvelta:" + path);
  EXPECT_EQ(recent.paths(), std::vector<std::string>{path});

  ASSERT_TRUE(doc.SaveMenu());
  EXPECT_EQ(saved.size(), 2u);

  // Save as proposes the file's own name in its own folder.
  dialogs.expectCancel(nvtest::DialogCall::Save);
  EXPECT_FALSE(doc.SaveMenuAs());
  EXPECT_EQ(dialogs.calls().at(1).request.fileName, "menu.nvu");
  EXPECT_EQ(dialogs.calls().at(1).request.initialDir, dir.path());
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

TEST_F(DocumentTest, FailedWriteKeepsTheOldNameAndTheRecentList) {
  profile.setName(sj("じろう"));
  saveSucceeds = false;
  nvtest::ScriptedDialogs dialogs;
  dialogs.expectSave(nv::cp932ToUtf8(dir.file("ro.nvu")));
  EXPECT_FALSE(doc.SaveMenuAs());
  EXPECT_EQ(doc.currentFileName(), "default");
  EXPECT_TRUE(recent.empty());
  EXPECT_EQ(title, "");
}

TEST_F(DocumentTest, OpenMissingFailedAndGoodFiles) {
  nvtest::ScriptedPrompt prompt;
  const std::string missing = dir.file("none.nvu");
  prompt.expectBox(nv::cp932ToUtf8(missing), "ファイルが見つかりません", nv::Icon::Stop);
  EXPECT_FALSE(doc.OpenMenu(missing));
  EXPECT_TRUE(loaded.empty());

  const std::string path = existing("a.nvu");
  loadSucceeds = false;
  EXPECT_FALSE(doc.OpenMenu(path));
  EXPECT_EQ(doc.currentFileName(), "default");
  EXPECT_TRUE(recent.empty());

  loadSucceeds = true;
  recent.setPaths({"/x/b.nvu", upper(path), "/x/c.nvu"});
  ASSERT_TRUE(doc.OpenMenu(path));
  EXPECT_EQ(doc.currentFileName(), path);
  EXPECT_EQ(title, "Nuvelta:" + path);
  EXPECT_EQ(chartTitle, sj("はなこ"));
  // One entry, at the top, spelt as opened.
  EXPECT_EQ(recent.paths(), (std::vector<std::string>{path, "/x/b.nvu", "/x/c.nvu"}));
}

TEST_F(DocumentTest, OpenCommandAndRecentCaptionsAskFirst) {
  const std::string path = existing("menu.nvu");
  nvtest::ScriptedDialogs dialogs;
  dialogs.expectOpen(nv::cp932ToUtf8(path));
  ASSERT_TRUE(doc.OpenAction());
  EXPECT_EQ(dialogs.calls().at(0).request.filter, sj("NVデータファイル(*.nvu)|*.nvu"));
  EXPECT_EQ(cleared, 1);

  modified = true;
  nvtest::ScriptedPrompt prompt;
  prompt.expectBox(nv::cp932ToUtf8(path), kAskCaption, nv::Icon::Question, nv::Buttons::YesNoCancel,
                   nv::Answer::Cancel);
  EXPECT_FALSE(doc.OpenRecent("&A " + path));
  EXPECT_EQ(loaded.size(), 1u);
  modified = false;
  EXPECT_TRUE(doc.OpenRecent("&A " + path));
  EXPECT_EQ(loaded.size(), 2u);
}

TEST_F(DocumentTest, StartMenuChoice) {
  // First run: the child's name first.
  doc.ChooseStartMenu({}, false);
  EXPECT_EQ(profileDialogs, 1);
  EXPECT_TRUE(loaded.empty());

  // Command line: the last existing file wins.
  const std::string a = existing("a.nvu"), b = existing("b.nvu");
  doc.ChooseStartMenu({a, b, dir.file("gone.nvu")}, false);
  EXPECT_EQ(loaded, std::vector<std::string>{b});

  // Auto-open takes entry 0 without the dialog.
  recent.setPaths({a, b});
  doc.hooks.reOpenDialog = [](nv::RecentFiles&, std::function<bool()>) -> ReOpenChoice {
    ADD_FAILURE() << "re-open dialog shown";
    return {};
  };
  doc.ChooseStartMenu({}, true);
  EXPECT_EQ(loaded.back(), a);

  int shown = 0;
  ReOpenChoice answer{ReOpenChoice::Open, b};
  doc.hooks.reOpenDialog = [&](nv::RecentFiles& list, std::function<bool()> newProfile) {
    ++shown;
    if (answer.kind == ReOpenChoice::DeleteHistory) list.clear();
    if (answer.kind == ReOpenChoice::New) {
      EXPECT_TRUE(newProfile());
    }
    return answer;
  };
  doc.ChooseStartMenu({}, false);
  EXPECT_EQ(loaded.back(), b);

  // New in the dialog: its name entry marks the new menu; nothing opens.
  const size_t opened = loaded.size();
  modified = false;
  answer = {ReOpenChoice::New, {}};
  doc.ChooseStartMenu({}, false);
  EXPECT_EQ(loaded.size(), opened);
  EXPECT_TRUE(modified);

  // History deleted: the name entry follows as on a first run.
  const int names = profileDialogs;
  answer = {ReOpenChoice::DeleteHistory, {}};
  doc.ChooseStartMenu({}, false);
  EXPECT_EQ(profileDialogs, names + 1);
  EXPECT_TRUE(recent.empty());
  EXPECT_EQ(shown, 3);
}

TEST(StartArguments, MenuFilesStartThePlannerOnceLunchBoxesEachTheirOwn) {
  const auto steps = nv::planStartSteps(
      {"/d/a.NVU", "/d/box.nvub", "/d/readme.txt", "/d.nvu/plain", "/d/b.nvu", "/d/c.NvUb"});
  ASSERT_EQ(steps.size(), 3u);
  EXPECT_EQ(steps[0].kind, nv::StartStep::MenuPlanner);
  EXPECT_EQ(steps[0].files, (std::vector<std::string>{"/d/a.NVU", "/d/b.nvu"}));
  EXPECT_EQ(steps[1].kind, nv::StartStep::LunchBox);
  EXPECT_EQ(steps[1].files, std::vector<std::string>{"/d/box.nvub"});
  EXPECT_EQ(steps[2].files, std::vector<std::string>{"/d/c.NvUb"});
  EXPECT_TRUE(nv::planStartSteps({"/d/x.txt", "/d/nvu"}).empty());
}

TEST(StartArguments, VersionTextAndChildName) {
  EXPECT_EQ(nv::versionText(1, 5, 0, 216), "Version 1.5.0  Build:216");
  EXPECT_EQ(nv::versionText(-1, -1, -1, -1), "Version -1.-1.-1  Build:-1");
  EXPECT_EQ(nv::childNameFromHost("pc-12.school.example"), "pc-12");
  EXPECT_EQ(nv::childNameFromHost("pc-12"), "pc-12");
  EXPECT_EQ(nv::childNameFromHost(""), "");
}

}  // namespace
