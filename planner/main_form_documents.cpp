// The main window's document and teacher commands. Each command runs its hook when one is
// set; the fall-backs below keep the program usable until the dialogs behind them exist.
#include <QTabBar>

#include "core/food.h"
#include "core/kojin_data.h"
#include "core/kondate_data.h"
#include "planner/conveyor_view.h"
#include "planner/get_jidoumei_form.h"
#include "planner/main_form.h"
#include "planner/menu_ports.h"
#include "planner/shell.h"
#include "platform/dialogs.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "platform/user_folders.h"
#include "teacher/add_kondate_form.h"

namespace nv {

bool TMainForm::runAskToSave() {
  if (hooks.askToSave) return hooks.askToSave();
  if (!sel_ || !sel_->Modified()) return true;
  switch (prompt().messageBox(currentFileName_, sj("内容が変更されています。保存しますか？"),
                              Icon::Question, Buttons::YesNoCancel)) {
    case Answer::Yes:
      runSaveMenu();
      return !sel_->Modified();
    case Answer::No:
      return true;
    default:
      return false;
  }
}

bool TMainForm::runNewMenu() {
  if (hooks.newMenu) return hooks.newMenu();
  if (!runAskToSave()) return false;
  if (sel_) sel_->ClearAll();
  setCurrentFileName("default");
  profile_.resetToDefaults();
  profile_.setName(defaultName_);
  if (sel_) {
    sel_->SetChartTitles(profile_.name());
    sel_->refresh();
  }
  return true;
}

void TMainForm::runOpenMenu(const std::string& path) {
  if (hooks.openMenu) return hooks.openMenu(path);
  if (!fileExists(path)) {
    prompt().messageBox(path, sj("ファイルが見つかりません"), Icon::Stop, Buttons::Ok);
    return;
  }
  if (!sel_ || !sel_->LoadMenuFile(path)) return;
  setCurrentFileName(path);
  recent_.add(path);
  sel_->SetChartTitles(profile_.name());
  // The file also holds the graph basis and the meal tab it was saved with.
  const KojinViewState view = sel_->loadedViewState();
  ShowGraphFormByEiyousoAction->setChecked(view.graphByNutrient);
  if (view.activeMealTab >= 0 && view.activeMealTab <= 3) selectMealTab(view.activeMealTab);
}

void TMainForm::runOpenMenuDialog() {
  if (hooks.openMenuDialog) return hooks.openMenuDialog();
  FileRequest request;
  request.filter = sj("NVデータファイル(*.nvu)|*.nvu");
  request.defaultExt = "nvu";
  std::string path;
  if (!dialogs().openFile(request, path)) return;
  if (runNewMenu()) runOpenMenu(path);
}

void TMainForm::runSaveMenu() {
  if (hooks.saveMenu) return hooks.saveMenu();
  if (!sel_) return;
  const std::string& path = currentFileName_;
  if (folderOf(path).empty() || path == "default" || path == profile_.name()) {
    runSaveMenuAs();
    return;
  }
  if (!sel_->SaveMenuFile(path)) return;
  recent_.add(path);
  setCurrentFileName(path);
}

void TMainForm::runSaveMenuAs() {
  if (hooks.saveMenuAs) return hooks.saveMenuAs();
  FileRequest request;
  request.defaultExt = "nvu";
  request.filter = sj("NVデータファイル(*.nvu)|*.nvu|全てのファイル(*.*)|*.*");
  const bool unnamed = currentFileName_ == "default";
  request.fileName = unnamed && profile_.name() != defaultName_ ? profile_.name()
                     : unnamed                                  ? std::string()
                                                                : fileNameOf(currentFileName_);
  request.initialDir = unnamed ? saveStartFolder() : folderOf(currentFileName_);
  std::string path;
  if (!dialogs().saveFile(request, path)) return;
  currentFileName_ = path;
  runSaveMenu();
}

void TMainForm::runChooseStartMenu() {
  if (hooks.chooseStartMenu) return hooks.chooseStartMenu();
  std::string chosen;
  if (arguments_.empty()) {
    if (recent_.empty()) {
      runGetName();
    } else if (autoOpen_) {
      chosen = recent_.paths().front();
    }
  } else {
    for (const std::string& arg : arguments_)
      if (fileExists(arg)) chosen = arg;
  }
  if (!chosen.empty()) runOpenMenu(chosen);
}

bool TMainForm::runGetName() {
  bool accepted = false;
  accepted = hooks.getName ? hooks.getName() : editProfile(profile_, this);
  // An accepted profile changes every percentage: the menu counts as changed.
  if (accepted && sel_) {
    sel_->setModified(true);
    sel_->SetChartTitles(profile_.name());
  }
  if (sel_) sel_->refresh();
  return accepted;
}

void TMainForm::runPrintSetup() {
  if (hooks.printSetup) return hooks.printSetup();
  dialogs().printerSetup(PageOrientation::Keep);
}

void TMainForm::runSetDetails() {
  pauseConveyor();
  const bool changed = hooks.setDetails ? hooks.setDetails() : false;
  if (changed) {
    loadData(true);
    makeDishButtons(categoryTabs()->currentIndex(), true);
    if (sel_) sel_->refresh();
  }
  if (view_ == View::Conveyor) conveyor()->applySpeeds(uint32_t(std::max(0, kaitenShuuki_)));
  resumeConveyor();
}

void TMainForm::runAddKondateData() {
  pauseConveyor();
  const bool changed = hooks.addKondateData ? hooks.addKondateData()
                                            : runAddKondateForm(this, *foodData_, *kondateData_);
  if (changed) {
    kondateData_->writeAddFile(addFileName_);
    fillCategoryTabs();
    makeDishButtons(categoryTabs()->currentIndex(), true);
  }
  resumeConveyor();
}

void TMainForm::exportCsv() {
  FileRequest request;
  request.defaultExt = "csv";
  request.filter = sj("献立データファイル(*.csv)|*.csv|全てのファイル(*.*)|*.*");
  std::string path;
  if (!dialogs().saveFile(request, path)) return;
  kondateData_->exportCsvFile(foodData_.get(), path);
}

void TMainForm::combineAdded() {
  if (!kondateData_->combine(*foodData_, dataFileName_, addFileName_)) return;
  fillCategoryTabs();
  makeDishButtons(categoryTabs()->currentIndex(), true);
}

void TMainForm::openUsagePages() {
  openDocumentQuietly(joinPath(programFolder(), "HTML/index.html"));
}

}  // namespace nv
