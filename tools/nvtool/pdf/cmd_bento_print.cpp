// nvtool bento-print FILE.nvub [FILE.nvub ...] --data NV.nvb -o OUT.pdf [--by groups|nutrients]
// [--name-from-file]: one landscape A4 page per saved lunch box, as the start screen's batch
// print makes them, and each file's grade on stdout. Qt runs on the offscreen platform.
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <cstdio>
#include <memory>

#include "bento/bento_page.h"
#include "bento/model/bento_grade.h"
#include "bento/model/bento_pictures.h"
#include "bento/model/bento_save.h"
#include "bento/model/bmp_size.h"
#include "bento/model/kitchen_placing.h"
#include "bento/model/kitchen_settings.h"
#include "core/food.h"
#include "core/gun_name.h"
#include "core/kojin_data.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "tools/nvtool/cmd_bento_common.h"
#include "tools/nvtool/commands.h"
#include "tools/nvtool/pdf/gui_application.h"

namespace nvtool {
namespace {

// The kitchen the pages are composed from: 1024 x 768 at scale 1.
constexpr int kKitchenWidth = 1024, kKitchenHeight = 768;

// The game's pictures beside the program, or beside the data file when the program has none.
std::string bentoPictureFolder(const std::string& dataCp932) {
  const std::string own = nv::joinPath(nv::programFolder(), "bentou");
  if (nv::fileExists(own)) return own + "/";
  const std::string besideData = nv::folderOf(dataCp932);
  return nv::joinPath(besideData.empty() ? std::string(".") : besideData, "bentou") + "/";
}

int cmdBentoPrint(const Args& args) {
  std::vector<std::string> saves;
  std::string data, out, by = "groups";
  bool nameFromFileName = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--data" || a == "-o" || a == "--by") {
      if (i + 1 == args.size()) return usageError(a + " needs a value");
      const std::string& v = args[++i];
      (a == "--data" ? data : a == "-o" ? out : by) = v;
    } else if (a == "--name-from-file") {
      nameFromFileName = true;
    } else if (!a.empty() && a[0] == '-') {
      return usageError("unknown option " + a);
    } else {
      saves.push_back(a);
    }
  }
  if (saves.empty() || data.empty() || out.empty() || (by != "groups" && by != "nutrients"))
    return usageError(
        "bento-print takes FILE.nvub [...] --data NV.nvb -o OUT.pdf [--by groups|nutrients]");
  const nv::GraphKind kind = by == "groups" ? nv::GraphKind::Groups : nv::GraphKind::Nutrients;

  nv::TFoodData foods;
  nv::TDaidokoro kitchen;
  if (!loadBentoData(data, foods, kitchen)) return kFailed;
  nv::ConsolePrompt console;
  nv::ScopedPrompt scoped(console);
  const nv::TGunName groupNames;
  const nv::KitchenSettings settings = nv::KitchenSettings::defaults();
  const std::string pictures = bentoPictureFolder(nv::utf8ToCp932(data));
  // Its areas follow the box pictures the page is drawn with.
  const nv::KitchenAreas areas = nv::computeKitchenAreas(
      kKitchenWidth, kKitchenHeight,
      {nv::bmpFileSize(nv::kitchenPicturePath(pictures, nv::KitchenPicture::Box)),
       nv::bmpFileSize(nv::kitchenPicturePath(pictures, nv::KitchenPicture::BoxFront)),
       nv::bmpFileSize(pictures + nv::sj("daidokoro/コースター.bmp"))});

  std::vector<nv::BentoPageData> pages;
  for (const std::string& save : saves) {
    nv::TKojinData child;
    nv::PlacedDishRecords placed;
    if (!nv::showResult(nv::openBentoSaveFile(nv::utf8ToCp932(save), 1.0, child, placed), console))
      return kFailed;
    nv::BentoPageData page;
    page.childName =
        nameFromFileName ? nv::childNameOfSaveFile(nv::utf8ToCp932(save)) : child.name();
    page.bmpFolder = pictures;
    page.kitchenBox = areas.largeBox;
    nv::NameList names;
    for (const nv::PlacedDishRecord& p : placed) {
      names.push_back(p.name);
      // Placed as the kitchen places a box it opens, so paper shows what the screen would.
      const bool inBox = kitchen.placementName(p.name) == nv::sj("弁当箱");
      page.dishes.push_back(
          {p.name,
           nv::placeStoredDish(areas, {p.left, p.top, p.left + p.width, p.top + p.height}, inBox)});
    }
    nv::Nutrients totals{};
    nv::GroupGrams grams{};
    nv::Result told = kitchen.nutrientTotals(names, totals, foods);
    told.then(kitchen.foodGroupGrams(names, grams, foods));
    nv::showResult(told, console);
    const nv::LunchRequirements lunch = nv::LunchRequirements::of(child);
    page.grade = kind == nv::GraphKind::Nutrients ? nv::gradeByNutrients(totals, lunch.nutrients)
                                                  : nv::gradeByGroups(grams, lunch.groups);
    page.graphRows = nv::evaluationGraphRows(kind, totals, grams, lunch, groupNames);
    page.groupColors = settings.groupColors;
    std::printf("%s\t%d\n", save.c_str(), page.grade);
    pages.push_back(std::move(page));
  }

  auto app = headlessGuiApplication();
  QSaveFile file(nv::toQ(nv::utf8ToCp932(out)));
  if (!file.open(QIODevice::WriteOnly)) return failure("cannot write " + out);
  QPdfWriter writer(&file);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF()));
  writer.setResolution(300);
  writer.setTitle(nv::toQ(nv::bentoPrintJobTitle(pages.front().childName)));
  writer.setCreator(QStringLiteral("NV"));
  if (!nv::printBentoPages(writer, pages) || !file.commit()) return failure("cannot write " + out);
  return kOk;
}

Registration reg{"bento-print",
                 "bento-print FILE.nvub [FILE.nvub ...] --data NV.nvb -o OUT.pdf [--by "
                 "groups|nutrients] [--name-from-file]   one landscape page per saved lunch box "
                 "as the batch print makes it (graph by groups unless told); prints FILE<TAB>grade "
                 "per file; pictures from bentou/ beside the program or beside NV.nvb",
                 cmdBentoPrint};

}  // namespace
}  // namespace nvtool
