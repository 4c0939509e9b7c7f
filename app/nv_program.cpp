#include "app/nv_program.h"

#include <QApplication>
#include <QFont>

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
#include "planner/single_instance.h"
#include "platform/paths.h"
#include "platform/qt/app_identity.h"
#include "platform/qt/ui_language.h"
#include "summary/class_summary_form.h"
#include "teacher/bentou_details_form.h"

namespace nv {
namespace {

// Timing runs start on an empty menu: no name entry, no re-open dialog.
struct NoDialog : ProfileEditor, ReOpenChooser {
  bool editProfile(TKojinData&, QWidget*) override { return false; }
  ReOpenChoice choose(RecentFiles&, ProfileEditor&, TKojinData&, QWidget*) override { return {}; }
};

}  // namespace

void prepareApplication() {
  // No display name: the platform would append it to every window title.
  QApplication::setApplicationName(QStringLiteral("NV"));
  setApplicationIdentity();
  useJapaneseUi();
  // The fonts the windows were designed with, on the fonts a Linux desktop has.
  QFont::insertSubstitution(QString::fromUtf8("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
  QFont::insertSubstitution(QString::fromUtf8("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
  QFont::insertSubstitution(QString::fromUtf8("ＭＳ Ｐ明朝"), QStringLiteral("IPAPMincho"));
}

NvProgram::NvProgram(ProgramOptions options)
    : options_(std::move(options)),
      start_(options_.hostName),
      printSearchAbout_(options_.printer, programFolder()) {
  start_.hooks.startMenuPlanner = [this](const std::vector<std::string>& menuFiles) {
    runMenuPlanner(menuFiles);
  };
  start_.hooks.startLunchBox = [this](const std::string& file) { runLunchBox(file); };
  // "データ印刷": the class's lunch boxes on the printer the set-up dialog chooses.
  start_.hooks.printBentouData = [this] {
    if (options_.printer)
      printBentouData(start_.kojinData(), start_.gunName(), *options_.printer, editProfile,
                      &start_);
  };
  start_.hooks.showClassSummary = [this] { showClassSummary(&start_); };
}

NvProgram::~NvProgram() = default;

void NvProgram::runMenuPlanner(const std::vector<std::string>& menuFiles) {
  auto* splash = new TIniForm;
  splash->showNow();
  NoDialog noDialog;
  PlannerParts parts{.profile = start_.kojinData(),
                     .gunName = start_.gunName(),
                     .services = {.printer = printSearchAbout_,
                                  .search = printSearchAbout_,
                                  .about = printSearchAbout_,
                                  .lunchBox = *this,
                                  .classSummary = *this,
                                  .settings = settingsEditor_,
                                  .dishes = dishEditor_}};
  parts.defaultName = start_.defaultName();
  parts.menuFiles = menuFiles;
  if (options_.timing) {
    parts.services.profile = &noDialog;
    parts.services.reOpen = &noDialog;
  }
  std::unique_ptr<Planner> planner = makePlanner(parts);
  TMainForm& mainForm = *planner->mainForm;
  mainForm.setSplash(splash);
  if (options_.instance) options_.instance->listen(&mainForm);
  if (options_.shown) options_.shown(mainForm);
  planner_ = planner.get();
  TSelMainFormForm::showModal(mainForm);  // returns when the main window has closed
  planner_ = nullptr;
}

void NvProgram::showClassSummary(QWidget* parent) { openClassSummary(parent, options_.printer); }

void NvProgram::runLunchBox(const std::string& file) {
  // The kitchen's windows outlive the kitchen that calls them.
  RiceBall riceBall;
  BentouDetailsPort builder;
  BentoResult result(&riceBall);
  RecipeWindows recipes;
  KitchenPorts ports;
  ports.settings = &builder;
  ports.about = &kitchenAbout_;
  ports.riceBall = &riceBall;
  ports.result = &result;
  ports.recipes = &recipes;
  TBentoubakoForm kitchen(start_.kojinData(), start_.gunName(), start_.defaultName(), ports);
  kitchen.profileDialog = [](TKojinData& kojin, QWidget* parent) {
    return editProfile(kojin, parent);
  };
  if (!file.empty()) kitchen.loadFile(file);
  // From the planner's tool bar the planner waits behind the kitchen until it closes.
  TSelMainFormForm::showModal(kitchen);
}

}  // namespace nv
