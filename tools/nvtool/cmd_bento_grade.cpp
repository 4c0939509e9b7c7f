// nvtool bento-grade FILE.nvub --data NV.nvb --by groups|nutrients [--scale S]: the grade of
// a saved lunch box and the rows of its evaluation graph.
#include <cstdio>
#include <cstdlib>

#include "bento/model/bento_grade.h"
#include "bento/model/bento_save.h"
#include "core/food.h"
#include "core/gun_name.h"
#include "core/kojin_data.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/text.h"
#include "tools/nvtool/cmd_bento_common.h"
#include "tools/nvtool/commands.h"

namespace nvtool {
namespace {

int cmdBentoGrade(const Args& args) {
  std::string save, data, by;
  double scale = 1.0;
  bool showDishes = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--data" || a == "--by" || a == "--scale") {
      if (i + 1 == args.size()) return usageError(a + " needs a value");
      const std::string& v = args[++i];
      if (a == "--data") data = v;
      if (a == "--by") by = v;
      if (a == "--scale") {
        char* end = nullptr;
        scale = std::strtod(v.c_str(), &end);
        if (end == v.c_str() || *end != '\0' || !(scale > 0)) return usageError("bad --scale");
        showDishes = true;
      }
    } else if (save.empty()) {
      save = a;
    } else {
      return usageError("bento-grade takes one FILE.nvub");
    }
  }
  if (save.empty() || data.empty() || (by != "groups" && by != "nutrients"))
    return usageError("bento-grade takes FILE.nvub --data NV.nvb --by groups|nutrients");
  nv::GraphKind kind = by == "groups" ? nv::GraphKind::Groups : nv::GraphKind::Nutrients;

  nv::TFoodData foods;
  nv::TDaidokoro kitchen;
  if (!loadBentoData(data, foods, kitchen)) return kFailed;
  nv::ConsolePrompt console;
  nv::ScopedPrompt scoped(console);
  nv::TKojinData child;
  nv::PlacedDishRecords placed;
  if (!nv::showResult(nv::openBentoSaveFile(nv::pathFromNative(save), scale, child, placed),
                      console))
    return kFailed;

  nv::NameList names;
  for (const nv::PlacedDishRecord& p : placed) names.push_back(p.name);
  // Unknown dishes are reported on stderr and count as nothing, as in the game.
  nv::Nutrients totals{};
  nv::GroupGrams grams{};
  nv::Result told = kitchen.nutrientTotals(names, totals, foods);
  told.then(kitchen.foodGroupGrams(names, grams, foods));
  nv::showResult(told, console);
  nv::LunchRequirements lunch = nv::LunchRequirements::of(child);
  int grade = kind == nv::GraphKind::Nutrients ? nv::gradeByNutrients(totals, lunch.nutrients)
                                               : nv::gradeByGroups(grams, lunch.groups);
  std::printf("grade\t%d\n", grade);
  nv::TGunName groupNames;
  for (const nv::GraphRow& r : nv::evaluationGraphRows(kind, totals, grams, lunch, groupNames)) {
    std::string line = bentoCell(r.label) + '\t' +
                       nv::cformat("%.2f\t%.2f\t", r.total, r.requirement) + r.percentText + '\n';
    std::fputs(line.c_str(), stdout);
  }
  if (showDishes)
    for (const nv::PlacedDishRecord& p : placed)
      std::printf("dish\t%s\t%d\t%d\t%d\t%d\n", bentoCell(p.name).c_str(), p.left, p.top, p.width,
                  p.height);
  return kOk;
}

Registration reg{"bento-grade",
                 "bento-grade FILE.nvub --data NV.nvb --by groups|nutrients [--scale S]   the "
                 "grade of a saved lunch box, then label, total, lunch requirement and percentage "
                 "per graph row; with --scale also each dish's rectangle at that kitchen scale",
                 cmdBentoGrade};

}  // namespace
}  // namespace nvtool
