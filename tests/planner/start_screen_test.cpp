#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

#include "core/kojin_data.h"
#include "planner/model/recent_files.h"
#include "planner/model/start_arguments.h"
#include "planner/re_open_form.h"
#include "planner/sel_main_form_form.h"
#include "planner/start_hints.h"
#include "planner_test_app.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "scripted_prompt.h"
#include "temp_dir.h"
#include "widgets/balloon_hint.h"

using nv::ReOpenChoice;
using nv::sj;
using nv::TReOpenForm;
using nv::TSelMainFormForm;

namespace {

// The start screen with its program folder (NV.ini, BMP/) in a fresh temporary folder.
struct StartScreenTest : ::testing::Test {
  StartScreenTest() : previousFolder(nv::programFolder()) {
    nvtest::plannerApp();
    nv::setProgramFolder(dir.path());
  }
  ~StartScreenTest() override { nv::setProgramFolder(previousFolder); }
  nvtest::TempDir dir;
  std::string previousFolder;
};

TEST_F(StartScreenTest, CommandLineStartsEachActivityAndNeverShowsTheScreen) {
  TSelMainFormForm form("pc-7.school");
  EXPECT_EQ(form.defaultName(), "pc-7");
  EXPECT_EQ(form.kojinData().name(), "pc-7");
  std::vector<std::vector<std::string>> plannerRuns;
  form.hooks.startMenuPlanner = [&](const std::vector<std::string>& files) {
    EXPECT_FALSE(form.isVisible());
    plannerRuns.push_back(files);
  };

  EXPECT_FALSE(form.handleArguments({}));

  // Another extension: nothing starts, and the program still ends.
  EXPECT_TRUE(form.handleArguments({"/d/notes.txt"}));
  EXPECT_TRUE(plannerRuns.empty());

  // The lunch-box game is missing from this build: a notice, then the menus still open.
  nvtest::ScriptedPrompt prompt;
  prompt.expectMessage(TSelMainFormForm::lunchBoxMissingText().toStdString());
  EXPECT_TRUE(form.handleArguments({"/d/one.nvu", "/d/box.nvub", "/d/two.nvu"}));
  ASSERT_EQ(plannerRuns.size(), 1u);
  EXPECT_EQ(plannerRuns[0], (std::vector<std::string>{"/d/one.nvu", "/d/two.nvu"}));

  std::vector<std::string> boxes;
  form.hooks.startLunchBox = [&](const std::string& file) { boxes.push_back(file); };
  EXPECT_TRUE(form.handleArguments({"/d/box.NVUB"}));
  EXPECT_EQ(boxes, std::vector<std::string>{"/d/box.NVUB"});
  EXPECT_FALSE(form.isVisible());
}

TEST_F(StartScreenTest, ButtonsRunTheActivityThenCloseAndTheColourIsKept) {
  {
    nv::Ini ini(nv::joinPath(dir.path(), "NV.ini"));
    ini.writeInteger("StartForm", "BackColor", 255);
    ASSERT_TRUE(ini.save());
  }
  TSelMainFormForm form("");
  EXPECT_EQ(form.defaultName(), "");
  EXPECT_EQ(form.backColor(), 255);
  EXPECT_EQ(form.SB_BackColor->text(), nv::toQ(sj("色番号=255")));
  EXPECT_EQ(form.L_Version->text(), nv::toQ(nv::programVersionText()));
  EXPECT_EQ(form.size(), QSize(515, 365));
  EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
  form.show();

  // Without the game the screen stays for the other choice.
  {
    nvtest::ScriptedPrompt prompt;
    prompt.expectMessage(TSelMainFormForm::lunchBoxMissingText().toStdString());
    form.SB_DoBentou->click();
    EXPECT_TRUE(form.isVisible());
  }

  int runs = 0;
  form.hooks.startMenuPlanner = [&](const std::vector<std::string>& files) {
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(files.empty());
    ++runs;
  };
  form.SB_DoBD->click();
  EXPECT_EQ(runs, 1);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(nv::Ini(form.iniPath()).readInteger("StartForm", "BackColor", 0), 255);
}

TEST_F(StartScreenTest, BalloonsPointAtTheControl) {
  TSelMainFormForm form("host");
  form.show();
  const QPoint top = form.SB_Exit->mapToGlobal(QPoint(0, 0));
  EXPECT_EQ(nv::StartHints::hintPoint(form.SB_Exit), top + QPoint(form.SB_Exit->width() / 2, -16));
  const QPoint icon = form.ProgramIcon->mapToGlobal(QPoint(16, 0));
  EXPECT_EQ(nv::StartHints::hintPoint(form.ProgramIcon), icon);
  EXPECT_EQ(nv::StartHints::hintPoint(form.Label1),
            form.Label1->mapToGlobal(QPoint(form.Label1->width() / 2, -form.Label1->height())));
}

// The re-open dialog, run modally; `act` drives it from inside its loop.
ReOpenChoice runReOpen(nv::RecentFiles& recent, std::function<bool()> profile,
                       std::function<void(TReOpenForm&)> act) {
  nvtest::whenModal([act](QWidget* w) {
    auto* form = qobject_cast<TReOpenForm*>(w);
    ASSERT_NE(form, nullptr);
    act(*form);
    // Whatever the step left open is closed, so the test never hangs.
    if (form->isVisible()) QTimer::singleShot(0, form, [form] { form->done(QDialog::Rejected); });
  });
  return TReOpenForm::choose(recent, std::move(profile));
}

TEST(ReOpenForm, ChooseOpensTheSelectedFileFromButtonOrDoubleClick) {
  nvtest::plannerApp();
  nv::RecentFiles recent;
  recent.setPaths({"/m/a.nvu", "/m/b.nvu"});
  ReOpenChoice c = runReOpen(recent, {}, [](TReOpenForm& f) {
    EXPECT_EQ(f.windowTitle(), nv::toQ(sj("選択して下さい。")));
    EXPECT_EQ(f.ListBox1->count(), 2);
    EXPECT_EQ(f.ListBox1->currentRow(), 0);
    EXPECT_TRUE(f.SelectBtn->isDefault());
    f.SelectBtn->click();
  });
  EXPECT_EQ(c.kind, ReOpenChoice::Open);
  EXPECT_EQ(c.path, "/m/a.nvu");

  c = runReOpen(recent, {}, [](TReOpenForm& f) {
    f.ListBox1->setCurrentRow(1);
    emit f.ListBox1->itemDoubleClicked(f.ListBox1->item(1));
  });
  EXPECT_EQ(c.kind, ReOpenChoice::Open);
  EXPECT_EQ(c.path, "/m/b.nvu");
}

TEST(ReOpenForm, NewClosesOnlyOnAnAcceptedNameAndEscapeMeansNew) {
  nvtest::plannerApp();
  nv::RecentFiles recent;
  recent.setPaths({"/m/a.nvu"});
  int asked = 0;
  bool accept = false;
  auto profile = [&] {
    ++asked;
    return accept;
  };
  ReOpenChoice c = runReOpen(recent, profile, [&](TReOpenForm& f) {
    f.NewBtn->click();
    EXPECT_TRUE(f.isVisible());  // name cancelled: the dialog stays
    accept = true;
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&f, &esc);
  });
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(c.kind, ReOpenChoice::New);
  EXPECT_EQ(recent.paths().size(), 1u);

  // Closed any other way: nothing is opened.
  c = runReOpen(recent, profile, [](TReOpenForm&) {});
  EXPECT_EQ(c.kind, ReOpenChoice::Closed);
}

TEST(ReOpenForm, DeleteHistoryClearsTheListAndCloses) {
  nvtest::plannerApp();
  nv::RecentFiles recent;
  recent.setPaths({"/m/a.nvu", "/m/b.nvu"});
  ReOpenChoice c = runReOpen(recent, {}, [](TReOpenForm& f) {
    f.DeleteBtn->click();
    EXPECT_EQ(f.ListBox1->count(), 0);
    EXPECT_FALSE(f.SelectBtn->isEnabled());
  });
  EXPECT_EQ(c.kind, ReOpenChoice::DeleteHistory);
  EXPECT_TRUE(recent.empty());
}

// Pictures for a person to look at; only when NV_SHOT_DIR names a folder.
TEST_F(StartScreenTest, Screenshots) {
  const QString shots = qEnvironmentVariable("NV_SHOT_DIR");
  if (shots.isEmpty()) GTEST_SKIP() << "NV_SHOT_DIR not set";
  const QString pictures = qEnvironmentVariable("NV_SHOT_PROGRAM_FOLDER");
  if (!pictures.isEmpty()) nv::setProgramFolder(nv::fromQ(pictures));
  TSelMainFormForm form("host");
  form.show();
  QApplication::processEvents();
  EXPECT_TRUE(form.grab().save(QDir(shots).filePath(QStringLiteral("start_screen.png"))));
  nv::BalloonHints* balloons = nv::StartHints::install()->balloons();
  balloons->showHint(nv::StartHints::hintPoint(form.SB_DoBD), form.SB_DoBD->toolTip(),
                     form.SB_DoBD);
  QApplication::processEvents();
  EXPECT_TRUE(
      balloons->window()->grab().save(QDir(shots).filePath(QStringLiteral("start_balloon.png"))));
  balloons->hideHint();

  nv::RecentFiles recent;
  recent.setPaths({"/home/taro/menus/taro.nvu", "/home/taro/menus/monday.nvu"});
  runReOpen(recent, {}, [&](TReOpenForm& f) {
    QApplication::processEvents();
    EXPECT_TRUE(f.grab().save(QDir(shots).filePath(QStringLiteral("re_open.png"))));
  });
}

}  // namespace

namespace {

TEST(StartScreen, ShowModalReturnsWhenTheWindowCloses) {
  nvtest::plannerApp();
  QWidget window;
  QTimer::singleShot(0, &window, [&] {
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowModality(), Qt::ApplicationModal);
    window.close();
  });
  TSelMainFormForm::showModal(window);
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
