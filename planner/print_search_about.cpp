#include "planner/print_search_about.h"

#include "core/kondate_data.h"
#include "planner/about_box.h"
#include "planner/eiyouso_grid_form.h"
#include "planner/main_form.h"
#include "planner/menu_document.h"
#include "planner/pages/menu_charts.h"
#include "planner/search_order_form.h"
#include "platform/dialogs.h"

namespace nv {

PrintSearchAbout::PrintSearchAbout(QPrinter* printer, std::string folder)
    : printer_(printer), folder_(std::move(folder)) {}

void PrintSearchAbout::printSetup(QWidget*) { dialogs().printerSetup(PageOrientation::Keep); }

void PrintSearchAbout::print(MenuDocument& doc, QWidget* parent) {
  auto* form = qobject_cast<TMainForm*>(parent);
  if (!form) return;
  MenuPrintSource source;
  source.menu = &doc.menu();
  source.foods = &form->foodData();
  source.dishes = &form->kondateData();
  source.profile = &doc.profile();
  source.bmpFolder = form->bmpFolder();
  source.chart = [form, &doc](int node) {
    const MealTotals totals = doc.menu().totals(node, &form->foodData());
    showResult(totals.told, prompt());
    PaperChart chart =
        mealPaperChart(totals, node, doc.profile(), form->gunName(), form->graphByNutrient());
    chart.patterns = form->patternBars();
    return chart;
  };
  form->pauseConveyor();
  TEiyousoGridForm::openFor(
      source, printer_, doc.profile().name() == doc.defaultName(), [&doc] { return doc.GetName(); },
      parent);
  form->resumeConveyor();
}

bool PrintSearchAbout::search(std::string& category, std::string& dish, QWidget* parent) {
  auto* form = qobject_cast<TMainForm*>(parent);
  if (!form) return false;
  std::vector<std::string> categories;
  form->kondateData().categoryNames(categories);
  return TSearchOrderForm::run(
      form->kondateData(), categories,
      [&](const std::string& c, const std::string& d) {
        category = c;
        dish = d;
        return true;
      },
      parent);
}

void PrintSearchAbout::showAbout(QWidget* parent) { TAboutBox::showAbout(folder_, parent); }

}  // namespace nv
