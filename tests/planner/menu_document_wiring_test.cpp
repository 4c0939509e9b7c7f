#include "planner/menu_document_wiring.h"

#include <QAction>

#include "main_form_fixture.h"
#include "planner/model/menu_document.h"
#include "planner/model/recent_files.h"
#include "platform/qt/qtext.h"
#include "scripted_dialogs.h"
#include "scripted_prompt.h"

namespace {

// A chosen-menu window with a changed mark that a successful write clears.
struct MarkedSel : nvtest::RecordingSel {
  bool mark = false;
  std::vector<std::string> written;
  bool Modified() const override { return mark; }
  bool SaveMenuFile(const std::string& path) override {
    written.push_back(path);
    mark = false;
    return true;
  }
};

struct WiredMainForm : ::testing::Test {
  WiredMainForm() {
    previousFolder = nv::programFolder();
    nv::setProgramFolder(dir.path());
    profile.setName(nv::sj("host"));
    form = std::make_unique<nv::TMainForm>(profile, gunName, nv::sj("host"));
    form->setMenuWindows(&sel, &graph);
    doc = std::make_unique<nv::MenuDocument>(profile, form->recentFiles(), nv::sj("host"));
    nv::MenuDocumentParts parts;
    parts.form = form.get();
    parts.sel = &sel;
    parts.setModified = [this](bool m) { sel.mark = m; };
    parts.profileDialog = [this] {
      profile.setName(nv::sj("たろう"));
      return true;
    };
    nv::wireMenuDocument(*doc, parts);
  }
  ~WiredMainForm() override {
    form.reset();
    nv::setProgramFolder(previousFolder);
  }
  struct App {
    App() { nvtest::mainFormApp(); }
  } app;  // before any widget member
  nvtest::TempDir dir;
  std::string previousFolder;
  nv::TGunName gunName;
  nv::TKojinData profile;
  MarkedSel sel;
  nvtest::RecordingGraph graph;
  std::unique_ptr<nv::TMainForm> form;
  std::unique_ptr<nv::MenuDocument> doc;
};

TEST_F(WiredMainForm, NewWithANameMarksTheMenuAndClosingAsksToSave) {
  form->NewAction->trigger();
  EXPECT_TRUE(sel.mark);
  EXPECT_EQ(form->currentFileName(), "default");
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Nuvelta:"));

  // Yes on an unnamed menu opens the save dialog; cancelling it keeps the window open.
  form->show();
  nvtest::ScriptedPrompt prompt;
  nvtest::ScriptedDialogs dialogs;
  prompt.expectBox("default", "内容が変更されています。保存しますか？", nv::Icon::Question,
                   nv::Buttons::YesNoCancel, nv::Answer::Yes);
  dialogs.expectCancel(nvtest::DialogCall::Save);
  EXPECT_FALSE(form->close());
  EXPECT_TRUE(form->isVisible());

  // Saving under a chosen name writes it, retitles the window and tops the recent list.
  const std::string path = dir.file("taro.nvu");
  dialogs.expectSave(nv::cp932ToUtf8(path));
  form->SaveAction->trigger();
  EXPECT_EQ(sel.written, std::vector<std::string>{path});
  EXPECT_EQ(form->currentFileName(), path);
  EXPECT_EQ(form->windowTitle(), nv::toQ("Nuvelta:" + path));
  EXPECT_EQ(form->recentFiles().paths(), std::vector<std::string>{path});
  EXPECT_TRUE(form->close());
}

}  // namespace
