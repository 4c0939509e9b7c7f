// nvtool bento-dishes NV.nvb [--recipe NAME]: the dishes of a lunch-box data file.
#include <cstdio>

#include "bento/model/bento_data.h"
#include "core/food.h"
#include "platform/text.h"
#include "tools/nvtool/cmd_bento_common.h"
#include "tools/nvtool/commands.h"

namespace nvtool {
namespace {

std::string nameAt(const nv::NameList& list, int32_t index) {
  return index >= 0 && size_t(index) < list.size() ? bentoCell(list[size_t(index)]) : "";
}

int printRecipe(const nv::TDaidokoro& kitchen, const std::string& nameUtf8) {
  nv::NameList ingredients, steps, quantities;
  if (!kitchen.recipe(nv::utf8ToCp932(nameUtf8), ingredients, steps, quantities))
    return failure("no recipe for " + nameUtf8);
  std::string line;
  for (size_t i = 0; i < ingredients.size(); ++i) {
    line = "ingredient\t" + bentoCell(ingredients[i]) + '\t' +
           (i < quantities.size() ? bentoCell(quantities[i]) : "") + '\n';
    std::fputs(line.c_str(), stdout);
  }
  for (size_t i = 0; i < steps.size(); ++i) {
    line = "step\t" + std::to_string(i + 1) + '\t' + bentoCell(steps[i]) + '\n';
    std::fputs(line.c_str(), stdout);
  }
  return kOk;
}

int cmdBentoDishes(const Args& args) {
  std::string data, recipe;
  bool wantRecipe = false;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--recipe") {
      if (++i == args.size()) return usageError("--recipe needs a NAME");
      recipe = args[i];
      wantRecipe = true;
    } else if (data.empty()) {
      data = args[i];
    } else {
      return usageError("bento-dishes takes one NV.nvb");
    }
  }
  if (data.empty()) return usageError("bento-dishes takes one NV.nvb");
  nv::TFoodData foods;
  nv::TDaidokoro kitchen;
  if (!loadBentoData(data, foods, kitchen)) return kFailed;
  if (wantRecipe) return printRecipe(kitchen, recipe);
  std::string line;
  for (const nv::TBentouData& d : kitchen.Dishes) {
    line = std::to_string(d.Number) + '\t' + nameAt(kitchen.Categories, d.CategoryIndex) + '\t' +
           bentoCell(d.Name) + '\t' + nv::shortestDecimal(d.VolumeMl) + '\t' +
           nv::shortestDecimal(d.SizeFactor) + '\t' + nameAt(kitchen.Placements, d.PlacementIndex) +
           '\t' + nameAt(kitchen.Storages, d.StorageIndex);
    for (const nv::TBentouShokuhin& f : d.Foods)
      line +=
          '\t' + bentoCell(foods.displayName(f.FoodNumber)) + '/' + nv::shortestDecimal(f.Grams);
    line += '\n';
    std::fputs(line.c_str(), stdout);
  }
  return kOk;
}

Registration reg{"bento-dishes",
                 "bento-dishes NV.nvb [--recipe NAME]   list the lunch-box dishes: number, "
                 "category, name, volume, size factor, placement, storage, then food/grams; "
                 "--recipe prints one dish's ingredient and step lines",
                 cmdBentoDishes};

}  // namespace
}  // namespace nvtool
