// nvtool menu-print FILE.nvu --data NV.nv [--add NV_ADD.nv] -o OUT.pdf [--table] [--meals LIST]:
// the printed menu as a landscape PDF, drawn by the same page painter as the printer. The
// command needs no display: its Qt runs on the offscreen platform unless told otherwise.
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>
#include <memory>

#include "core/gun_name.h"
#include "planner/model/nutrient_table.h"
#include "planner/pages/menu_charts.h"
#include "planner/pages/menu_pages.h"
#include "platform/paths.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "tools/nvtool/commands.h"
#include "tools/nvtool/menu_tool.h"
#include "tools/nvtool/pdf/gui_application.h"

namespace nvtool {
namespace {

// The pictures beside the program, or beside the data file when the program has none.
std::string pictureFolder(const std::string& dataPathUtf8) {
  const std::string own = nv::joinPath(nv::programFolder(), "bmp");
  if (nv::fileExists(own)) return own + "/";
  const std::string besideData = nv::folderOf(nv::pathFromNative(dataPathUtf8));
  return nv::joinPath(besideData.empty() ? std::string(".") : besideData, "bmp") + "/";
}

int cmdMenuPrint(const Args& args) {
  MenuOptions options;
  if (int status = parseMenuOptions(args, true, options); status != kOk) return status;
  LoadedMenu loaded;
  if (!loadMenu(options, loaded)) return kFailed;
  // As the print dialog says it when opened on such a menu.
  if (!nv::menuHasDishes(loaded.menu)) return failure(nv::cp932ToUtf8(nv::noMenuToPrint()));
  auto app = headlessGuiApplication();

  nv::MenuPrintData data;
  data.childName = loaded.profile.name();
  data.menu = &loaded.menu;
  data.bmpFolder = pictureFolder(options.dataPath);
  data.withTable = options.table;
  // Meals are printed in list order; a meal without dishes cannot be checked.
  std::vector<int> meals = options.mealsGiven ? options.meals : std::vector<int>{0, 1, 2, 3};
  if (!options.mealsGiven && options.table) meals.clear();
  std::sort(meals.begin(), meals.end());
  for (int node : meals)
    if (!loaded.menu.dishes(node).empty()) data.checkedNodes.push_back(node);
  const std::string problem =
      nv::printRequestProblem(true, data.withTable, int(data.checkedNodes.size()));
  if (!problem.empty()) return failure(nv::cp932ToUtf8(problem));

  const nv::TGunName gun;
  for (int node = 0; node < 4; ++node) {
    const nv::MealTotals totals = loaded.menu.totals(node, &loaded.foods);
    nv::showResult(totals.told, nv::prompt());
    data.charts[size_t(node)] =
        nv::mealPaperChart(totals, node, loaded.profile, gun, loaded.view.graphByNutrient);
  }
  nv::TStrGridPrinter table;
  nv::setGridPrinterRows(table, nv::nutrientTableRows(loaded.menu, loaded.foods, [&](int no) {
                           return loaded.dishes.nameOf(no);
                         }));
  const nv::MenuPages pages(std::move(data), &table);

  QSaveFile file(nv::toQ(nv::pathFromNative(options.outPath)));
  if (!file.open(QIODevice::WriteOnly)) return failure("cannot write " + options.outPath);
  QPdfWriter writer(&file);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF()));
  writer.setResolution(300);
  writer.setTitle(nv::toQ(nv::printJobTitle(pages.data().childName)));
  writer.setCreator(QStringLiteral("NV"));
  if (!nv::printMenuPages(writer, pages) || !file.commit())
    return failure("cannot write " + options.outPath);
  return kOk;
}

Registration reg{"menu-print",
                 "menu-print FILE.nvu --data NV.nv [--add NV_ADD.nv] -o OUT.pdf [--table] "
                 "[--meals LIST]   the printed menu as a landscape PDF: the nutrient table with "
                 "--table, the charts of the meals in LIST (0 朝食, 1 昼食, 2 夕食, 3 １日分; "
                 "default: every meal with dishes when --table is not given); pictures from bmp/ "
                 "beside the program or beside NV.nv",
                 cmdMenuPrint};
}  // namespace
}  // namespace nvtool
