// NV: the start screen owns the shared objects (food-group table, person profile) and starts
// the menu planner: the main window with the chosen-menu and graph windows docked, and the
// menu-file commands wired to them. Files given on the command line are opened directly.
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFont>
#include <QSysInfo>
#include <QTimer>
#include <cstdio>

#include "app/nv_about_port.h"
#include "bento/bento_batch_print.h"
#include "bento/bentou_kekka_form.h"
#include "bento/bentoubako_form.h"
#include "bento/onigiri_bouya_form.h"
#include "bento/recipe_windows.h"
#include "core/gun_name.h"
#include "core/kojin_data.h"
#include "planner/get_jidoumei_form.h"
#include "planner/ini_form.h"
#include "planner/main_form.h"
#include "planner/planner_factory.h"
#include "planner/print_search_about.h"
#include "planner/sel_main_form_form.h"
#include "planner/single_instance.h"
#include "platform/qt/qtext.h"
#include "platform/qt/ui_language.h"
#include "teacher/bentou_details_form.h"
#include "widgets/qt_dialogs.h"
#include "widgets/qt_prompt.h"

int main(int argc, char** argv) {
  QElapsedTimer sinceStart;
  sinceStart.start();
  QApplication app(argc, argv);
  // No display name: the platform would append it to every window title.
  QApplication::setApplicationName(QStringLiteral("NV"));
  nv::useJapaneseUi();
  // The fonts the windows were designed with, on the fonts a Linux desktop has.
  QFont::insertSubstitution(QString::fromUtf8("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
  QFont::insertSubstitution(QString::fromUtf8("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
  QFont::insertSubstitution(QString::fromUtf8("ＭＳ Ｐ明朝"), QStringLiteral("IPAPMincho"));

  nv::QtPrompt qtPrompt;
  nv::ScopedPrompt scopedPrompt(qtPrompt);
  nv::QtDialogs qtDialogs;
  nv::ScopedDialogs scopedDialogs(qtDialogs);

  std::vector<std::string> args;
  // Files named relative to the current folder are kept with their folder, so the title, the
  // recent list (which compares names) and a later save all see the one full path.
  for (const QString& a : QApplication::arguments().mid(1))
    args.push_back(nv::pathFromQ(a.isEmpty() ? a : QFileInfo(a).absoluteFilePath()));

  // A second start without documents brings the running planner to the front instead.
  nv::SingleInstance instance;
  if (args.empty() && instance.handOver()) return 0;

  // NV_STARTUP_TIME=1: report the time from start to the first shown window and end.
  const bool timing = qEnvironmentVariableIsSet("NV_STARTUP_TIME");
  auto reportStartup = [&](QWidget* shown) {
    QTimer::singleShot(0, shown, [&] {
      std::fprintf(stderr, "startup %lld ms\n", static_cast<long long>(sinceStart.elapsed()));
      QApplication::exit(0);
    });
  };

  // Timing runs start on an empty menu: no name entry, no re-open dialog.
  struct NoDialog : nv::ProfileEditor, nv::ReOpenChooser {
    bool editProfile(nv::TKojinData&, QWidget*) override { return false; }
    nv::ReOpenChoice choose(nv::RecentFiles&, nv::ProfileEditor&, nv::TKojinData&,
                            QWidget*) override {
      return {};
    }
  } noDialog;

  // Printing, the dish search and the About box, on the printer the page set-up edits.
  nv::PrintSearchAbout printSearchAbout(&qtDialogs.printer(), nv::programFolder());
  nv::KitchenAbout kitchenAbout;

  nv::TSelMainFormForm start(nv::fromQ(QSysInfo::machineHostName()));
  start.hooks.startMenuPlanner = [&](const std::vector<std::string>& menuFiles) {
    auto* splash = new nv::TIniForm;
    splash->showNow();
    nv::PlannerParts parts;
    parts.profile = &start.kojinData();
    parts.gunName = &start.gunName();
    parts.defaultName = start.defaultName();
    parts.menuFiles = menuFiles;
    parts.services.printer = &printSearchAbout;
    parts.services.search = &printSearchAbout;
    parts.services.about = &printSearchAbout;
    if (timing) {
      parts.services.profile = &noDialog;
      parts.services.reOpen = &noDialog;
    }
    std::unique_ptr<nv::Planner> planner = nv::makePlanner(parts);
    nv::TMainForm& mainForm = *planner->mainForm;
    mainForm.setSplash(splash);
    instance.listen(&mainForm);
    if (timing) reportStartup(&mainForm);
    nv::TSelMainFormForm::showModal(mainForm);  // returns when the main window has closed
  };

  // The lunch-box game, on a save file when one was named on the command line.
  start.hooks.startLunchBox = [&](const std::string& file) {
    nv::RiceBall riceBall;  // outlives the kitchen that calls it
    nv::TBentoubakoForm kitchen(start.kojinData(), start.gunName(), start.defaultName());
    kitchen.profileDialog = [](nv::TKojinData& kojin, QWidget* parent) {
      return nv::editProfile(kojin, parent);
    };
    nv::BentouDetailsPort builder;
    kitchen.ports.settings = &builder;
    kitchen.ports.about = &kitchenAbout;
    kitchen.ports.riceBall = &riceBall;
    nv::BentoResult result(&riceBall);
    kitchen.ports.result = &result;
    nv::RecipeWindows recipes;
    kitchen.ports.recipes = &recipes;
    if (!file.empty()) kitchen.loadFile(file);
    nv::TSelMainFormForm::showModal(kitchen);
  };

  // "データ印刷": the class's lunch boxes on the printer the set-up dialog chooses.
  start.hooks.printBentouData = [&] {
    nv::printBentouData(start.kojinData(), start.gunName(), qtDialogs.printer(), nv::editProfile,
                        &start);
  };

  if (start.handleArguments(args)) return 0;  // files given: the screen is never shown
  start.show();
  if (timing) reportStartup(&start);
  return QApplication::exec();
}
