// The main window's document and teacher commands. The menu-file commands are the
// document's; the windows behind the teacher commands come in through PlannerServices.
#include <QAction>
#include <QTabBar>

#include "core/food.h"
#include "core/kojin_data.h"
#include "core/kondate_data.h"
#include "planner/conveyor_view.h"
#include "planner/main_form.h"
#include "planner/menu_document.h"
#include "planner/menu_ports.h"
#include "planner/planner_config.h"
#include "platform/dialogs.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/qt/prompt_texts.h"
#include "platform/qt/qtext.h"
#include "platform/result.h"
#include "platform/text.h"
#include "widgets/help_window.h"

using namespace Qt::StringLiterals;

namespace nv {

void TMainForm::connectDocument() {
  connect(&doc_, &MenuDocument::fileNameChanged, this,
          [this] { setWindowTitle(toQ(doc_.title())); });
  // A file read brings the graph basis and the meal tab it was saved with.
  connect(&doc_, &MenuDocument::viewStateLoaded, this, [this](const KojinViewState& view) {
    ui_.ShowGraphFormByEiyousoAction->setChecked(view.graphByNutrient);
    if (view.activeMealTab >= 0 && view.activeMealTab <= 3) selectMealTab(view.activeMealTab);
  });
}

void TMainForm::runPrintSetup() { services_.printer.get().printSetup(this); }

void TMainForm::runSetDetails() {
  pauseConveyor();
  // The dialog applies through the config; applySettings() does the rest.
  if (services_.settings.get().editSettings(config_, this)) {
    loadData(true);
    makeDishButtons(categoryTabs()->currentIndex(), true);
  }
  resumeConveyor();
}

void TMainForm::runAddKondateData() {
  pauseConveyor();
  if (services_.dishes.get().editDishes(*foodData_, *kondateData_, this)) {
    showResult(kondateData_->writeAddFile(addFileName(), &prompt()), prompt());
    fillCategoryTabs();
    makeDishButtons(categoryTabs()->currentIndex(), true);
  }
  resumeConveyor();
}

void TMainForm::runSearchOrder() {
  std::string category, dish;
  if (!services_.search.get().search(category, dish, this)) return;
  // A leading "*" marks the category row itself.
  if (!category.empty() && category.front() == '*') category.erase(0, 1);
  showDishOf(category, dish);
}

void TMainForm::exportCsv() {
  FileRequest request = fileRequest(u"献立データファイル(*.csv)|*.csv|全てのファイル(*.*)|*.*"_s);
  request.defaultExt = "csv";
  std::string path;
  if (!dialogs().saveFile(request, path)) return;
  showResult(kondateData_->exportCsvFile(foodData_.get(), path), prompt());
}

void TMainForm::combineAdded() {
  if (!showResult(kondateData_->combine(*foodData_, dataFileName(), addFileName(),
                                        askThrough(prompt()), &prompt()),
                  prompt()))
    return;
  fillCategoryTabs();
  makeDishButtons(categoryTabs()->currentIndex(), true);
}

HelpWindow* TMainForm::openUsagePage(const char* page) {
  return HelpWindow::open(this, QString::fromLatin1(page));
}

}  // namespace nv
