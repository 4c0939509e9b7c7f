// NV as main() builds it (prepareApplication and NvProgram, the same code): the start screen
// starts the menu planner, and every action of the main window's menus and tool bar reaches
// the window or service behind it. An action added without a check here fails the test.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <set>

#include "../planner/window_parts.h"
#include "accessible_names.h"
#include "app/nv_program.h"
#include "core/kojin_data.h"
#include "planner/kondate_button.h"
#include "planner/main_form.h"
#include "planner/menu_document.h"
#include "planner/planner_factory.h"
#include "platform/paths.h"
#include "platform/qt/app_identity.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "scripted_dialogs.h"
#include "scripted_prompt.h"
#include "summary/class_summary_form.h"
#include "temp_dir.h"
#include "widgets/help_window.h"

namespace nvtest {
namespace {

namespace fs = std::filesystem;

QApplication& programApp() {
  static int argc = 1;
  static char name[] = "test_app";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    auto* a = new QApplication(argc, argv);
    nv::prepareApplication();
    return a;
  }();
  return *app;
}

fs::path distFolder() { return fs::path(NV_TOOL_PATH).parent_path().parent_path() / "dist"; }

std::string classOf(const QWidget* w) { return w ? w->metaObject()->className() : "(none)"; }

// Runs `act` once `ready` holds, checking every 10 ms while `alive` is true. The limit is a
// minute of wall time, not a count of checks, so a loaded machine (checks come late) gets the
// same time; on giving up the modal window is closed, so the test fails instead of hanging.
void when(std::function<bool()> ready, std::function<void()> act,
          std::shared_ptr<bool> alive = std::make_shared<bool>(true),
          std::shared_ptr<QElapsedTimer> since = nullptr) {
  if (!since) {
    since = std::make_shared<QElapsedTimer>();
    since->start();
  }
  QTimer::singleShot(10, [=] {
    if (!*alive) return;
    if (ready()) {
      act();
    } else if (since->elapsed() < 60000) {
      when(ready, act, alive, since);
    } else {
      ADD_FAILURE() << "gave up waiting; the modal window is "
                    << classOf(QApplication::activeModalWidget());
      if (QWidget* w = QApplication::activeModalWidget()) w->close();
    }
  });
}

// Runs `step`; the modal window it opens over the current one is closed, and its class is
// returned ("" when the step opened none).
std::string modalOpenedBy(const std::function<void()>& step) {
  QWidget* base = QApplication::activeModalWidget();
  auto alive = std::make_shared<bool>(true);
  std::string seen;
  when([base] { return QApplication::activeModalWidget() != base; },
       [&seen] {
         QWidget* w = QApplication::activeModalWidget();
         seen = classOf(w);
         // Every window a command opens names its controls for a screen reader (the
         // kitchen's are checked with the kitchen).
         if (seen != "nv::TBentoubakoForm") {
           EXPECT_EQ(controlsWithoutJapaneseNames(w).join(u'\n').toStdString(), "") << seen;
         }
         w->close();
       },
       alive);
  step();
  *alive = false;
  return seen;
}

class ProgramWiring : public ::testing::Test {
 protected:
  void SetUp() override {
    programApp();
    const fs::path dist = distFolder();
    if (!fs::exists(dist / "NV.nvb")) GTEST_SKIP() << "build the dist target";
    // A program folder of its own: the data copied (the combine command may write it), the
    // pictures and pages linked; the user's folders inside the test's folder too.
    const fs::path folder = nv::toFsPath(dir.path());
    fs::copy_file(dist / "NV.nv", folder / "NV.nv");
    for (const char* linked : {"NV.nvb", "about.txt"})
      fs::create_symlink(dist / linked, folder / linked);
    for (const char* linked : {"bmp", "BMP", "bentou", "HTML"})
      fs::create_directory_symlink(dist / linked, folder / linked);
    previousFolder_ = nv::programFolder();
    nv::setProgramFolder(dir.path());
    for (const char* var : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"}) {
      saved_[var] = qgetenv(var);
      const fs::path place = folder / "user" / var;
      fs::create_directories(place);
      qputenv(var, QByteArray::fromStdString(place.string()));
    }
  }
  void TearDown() override {
    if (previousFolder_.empty()) return;
    nv::setProgramFolder(previousFolder_);
    for (const auto& [var, value] : saved_) {
      if (value.isNull()) {
        qunsetenv(var.c_str());
      } else {
        qputenv(var.c_str(), value);
      }
    }
  }

  TempDir dir;
  std::string previousFolder_;
  std::map<std::string, QByteArray> saved_;
};

TEST_F(ProgramWiring, TheStartScreenOpensTheClassSummary) {
  nv::ProgramOptions options;
  nv::NvProgram program(options);
  action(program.start(), "MI_ClassSummary")->trigger();
  auto* summary = program.start().findChild<nv::ClassSummaryForm*>();
  ASSERT_NE(summary, nullptr);
  EXPECT_TRUE(summary->isVisible());
  EXPECT_EQ(summary->windowTitle(), QString::fromUtf8("クラスのまとめ"));
  summary->close();
}

TEST_F(ProgramWiring, TheApplicationBelongsToItsDesktopEntryAndHasTheIcon) {
  EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("Nuvelta"));
  EXPECT_FALSE(QApplication::windowIcon().isNull());
  EXPECT_FALSE(nv::applicationIcon().pixmap(48, 48).isNull());
}

TEST_F(ProgramWiring, EveryMenuAndToolBarActionReachesItsWindowOrService) {
  ScriptedPrompt prompt;
  ScriptedDialogs dialogs;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  nv::ProgramOptions options;
  options.printer = &printer;
  options.hostName = "school-pc.local";
  nv::NvProgram program(options);

  bool checked = false;
  // The start menu choice asks for the child's name over the new window first.
  std::string firstDialog;
  when(
      [&] {
        QWidget* w = QApplication::activeModalWidget();
        return program.planner() && w && w != program.planner()->mainForm.get();
      },
      [&] {
        firstDialog = classOf(QApplication::activeModalWidget());
        QApplication::activeModalWidget()->close();
      });
  when(
      [&] {
        return program.planner() && QApplication::activeModalWidget() ==
                                        static_cast<QWidget*>(program.planner()->mainForm.get());
      },
      [&] {
        checked = true;
        nv::TMainForm& f = *program.planner()->mainForm;
        EXPECT_EQ(controlsWithoutJapaneseNames(&f).join(u'\n').toStdString(), "");
        EXPECT_EQ(controlsWithoutJapaneseNames(&program.start()).join(u'\n').toStdString(), "");
        EXPECT_EQ(f.windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());

        // What each action must reach. Every action of the menus and the tool bar is listed.
        std::map<QAction*, std::function<void()>> checks;
        auto opensModal = [&](QAction* a, const char* cls) {
          checks[a] = [a, cls] { EXPECT_EQ(modalOpenedBy([a] { a->trigger(); }), cls); };
        };
        auto asksDialog = [&](QAction* a, DialogCall::Kind kind) {
          checks[a] = [&dialogs, a, kind] {
            const size_t before = dialogs.calls().size();
            dialogs.expectCancel(kind);
            a->trigger();
            ASSERT_EQ(dialogs.calls().size(), before + 1) << a->objectName().toStdString();
            EXPECT_EQ(dialogs.calls().back().kind, kind);
          };
        };
        auto opensHelp = [&](QAction* a, const char* page) {
          checks[a] = [&f, a, page] {
            a->trigger();
            auto* help = f.findChild<nv::HelpWindow*>();
            ASSERT_NE(help, nullptr) << a->objectName().toStdString();
            EXPECT_TRUE(help->isVisible());
            EXPECT_EQ(help->currentUrl().fileName(), QString::fromLatin1(page));
            EXPECT_EQ(controlsWithoutJapaneseNames(help).join(u'\n').toStdString(), "");
            help->close();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
          };
        };
        opensModal(action(f, "NewAction"), "nv::TGetJidoumeiForm");
        opensModal(action(f, "GetNameAction"), "nv::TGetJidoumeiForm");
        asksDialog(action(f, "OpenAction"), DialogCall::Open);
        asksDialog(action(f, "SaveAction"), DialogCall::Save);
        asksDialog(action(f, "SaveAsAction"), DialogCall::Save);
        asksDialog(action(f, "PrintSetupAction"), DialogCall::PrinterSetup);
        asksDialog(action(f, "WriteKondateDataToCsvFileAction"), DialogCall::Save);
        checks[action(f, "PrintAction")] = [&] {
          // A chosen dish, for the print dialog to have something to print.
          ASSERT_FALSE(f.dishButtons().empty());
          f.addDish(f.dishButtons().front()->category(), f.dishButtons().front()->dishName(), true);
          EXPECT_EQ(modalOpenedBy([&] { action(f, "PrintAction")->trigger(); }),
                    "nv::TEiyousoGridForm");
          program.planner()->document->setModified(false);
        };
        opensModal(action(f, "SetDetailsAction"), "nv::TDetailsForm");
        opensModal(action(f, "AddKondateDataAction"), "nv::TAddKondateForm");
        opensModal(action(f, "SearchOrderAction"), "nv::TSearchOrderForm");
        opensModal(action(f, "ShowAboutAction"), "nv::TAboutBox");
        opensModal(action(f, "BentouAction"), "nv::TBentoubakoForm");
        opensHelp(action(f, "ShowHtmlFileAction"), nv::kHelpContentsPage);
        opensHelp(action(f, "HelpContentsAction"), nv::kHelpContentsPage);
        opensHelp(action(f, "HelpSearchAction"), nv::kHelpTopicsPage);
        opensHelp(action(f, "HelpHowtoUseAction"), nv::kHelpHowToPage);
        checks[action(f, "CombineAddKondateAction")] = [&] {
          prompt.expectBox(
              "追加した献立データを通常の献立データに結合します。\nこの処理を行うと、追加した献立"
              "は削除できなくなります。\n\n下の「はい」をクリックすると、処理を開始します。\n\n"
              "もし意味が分からなければ「いいえ」をクリックして処理を中断して下さい。",
              "処理を始めてよろしいですか？", nv::Icon::Question, nv::Buttons::YesNo,
              nv::Answer::No);
          action(f, "CombineAddKondateAction")->trigger();
        };
        checks[action(f, "ClassSummaryAction")] = [&] {
          action(f, "ClassSummaryAction")->trigger();
          auto* summary = f.findChild<nv::ClassSummaryForm*>();
          ASSERT_NE(summary, nullptr);
          EXPECT_TRUE(summary->isVisible());
          summary->close();
          QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        };
        checks[action(f, "MakeShortCutOnDesktopAction")] = [&] {
          action(f, "MakeShortCutOnDesktopAction")->trigger();
          EXPECT_TRUE(fs::exists(fs::path(qgetenv("HOME").toStdString()) / "Desktop/NV.desktop"));
        };
        checks[action(f, "MakeShortCutOnStartMenuAction")] = [&] {
          action(f, "MakeShortCutOnStartMenuAction")->trigger();
          EXPECT_TRUE(fs::exists(fs::path(qgetenv("XDG_DATA_HOME").toStdString()) /
                                 "applications/Nuvelta.desktop"));
        };
        auto* selDock = f.findChild<QDockWidget*>(QStringLiteral("SelKondateDock"));
        auto* graphDock = f.findChild<QDockWidget*>(QStringLiteral("GraphDock"));
        checks[action(f, "ShowSelKondateFormAction")] = [&] {
          action(f, "ShowSelKondateFormAction")->trigger();
          EXPECT_FALSE(selDock->isVisible());
          action(f, "ShowSelKondateFormAction")->trigger();
          EXPECT_TRUE(selDock->isVisible());
        };
        checks[action(f, "ShowGraphFormAction")] = [&] {
          action(f, "ShowGraphFormAction")->trigger();
          EXPECT_FALSE(graphDock->isVisible());
          action(f, "ShowGraphFormAction")->trigger();
          EXPECT_TRUE(graphDock->isVisible());
        };
        checks[action(f, "ShowGraphFormByEiyousoAction")] = [&] {
          const bool before = f.graphByNutrient();
          action(f, "ShowGraphFormByEiyousoAction")->trigger();
          EXPECT_NE(f.graphByNutrient(), before);
        };
        checks[action(f, "ShowToolBarAction")] = [&] {
          const bool before = toolBar(f)->isVisible();
          action(f, "ShowToolBarAction")->trigger();
          EXPECT_NE(toolBar(f)->isVisible(), before);
        };
        const QAction* meals[] = {action(f, "ShowChoushokuAction"),
                                  action(f, "ShowChuushokuAction"), action(f, "ShowYuushokuAction"),
                                  action(f, "ShowDayAction")};
        for (int i = 0; i < 4; ++i) {
          QAction* a = const_cast<QAction*>(meals[i]);
          checks[a] = [&f, a, i] {
            a->trigger();
            EXPECT_EQ(f.activeMeal(), i);
          };
        }
        checks[action(f, "ShowKaitenSusiAction")] = [&] {
          action(f, "ShowKaitenSusiAction")->trigger();
          EXPECT_EQ(f.view(), nv::TMainForm::View::Conveyor);
        };
        checks[action(f, "ShowEiyousoGraphAction")] = [&] {
          action(f, "ShowEiyousoGraphAction")->trigger();
          EXPECT_EQ(f.view(), nv::TMainForm::View::Chart);
        };
        checks[action(f, "ShowNormalAction")] = [&] {
          action(f, "ShowNormalAction")->trigger();
          EXPECT_EQ(f.view(), nv::TMainForm::View::Normal);
        };
        checks[action(f, "ExitAction")] = [] {};  // last, below

        // Every action the child can reach through the menus and the tool bar has its check.
        std::set<QAction*> reachable;
        std::function<void(const QList<QAction*>&)> collect = [&](const QList<QAction*>& list) {
          for (QAction* a : list) {
            if (a->isSeparator()) continue;
            if (a->menu()) {
              if (a->menu() != menu(f, "ReOpenMenu")) collect(a->menu()->actions());
              continue;
            }
            reachable.insert(a);
          }
        };
        collect(f.menuBar()->actions());
        collect(toolBar(f)->actions());
        for (QAction* a : reachable)
          EXPECT_TRUE(checks.count(a)) << "no check for " << a->objectName().toStdString();
        EXPECT_EQ(reachable.size(), checks.size());

        // The tool bar's buttons trigger these same actions.
        auto* lunchBoxButton =
            qobject_cast<QToolButton*>(toolBar(f)->widgetForAction(action(f, "BentouAction")));
        ASSERT_NE(lunchBoxButton, nullptr);
        EXPECT_EQ(lunchBoxButton->defaultAction(), action(f, "BentouAction"));

        for (auto& [a, check] : checks) {
          if (a == action(f, "ExitAction")) continue;
          SCOPED_TRACE(a->objectName().toStdString());
          // A named child: saving asks for the file name only.
          program.start().kojinData().setName(nv::sj("たろう"));
          check();
        }
        action(f, "ExitAction")->trigger();
      });

  program.start().SB_DoBD->click();  // returns when the planner has closed
  EXPECT_TRUE(checked);
  EXPECT_EQ(firstDialog, "nv::TGetJidoumeiForm");
  EXPECT_EQ(program.planner(), nullptr);
}

}  // namespace
}  // namespace nvtest
