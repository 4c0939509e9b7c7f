// The lookups of the kitchen data: name lists for the appliance views and the recipe
// browser, and the sums the box and its evaluation need.
#include <algorithm>

#include "bento/model/bento_data.h"
#include "core/food.h"
#include "platform/text.h"

namespace nv {
namespace {

int32_t indexOf(const NameList& list, std::string_view name) {
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i] == name) return int32_t(i);
  return -1;
}

}  // namespace

const TBentouData* TDaidokoro::find(std::string_view name) const {
  for (const TBentouData& d : Dishes)
    if (d.Name == name) return &d;
  return nullptr;
}

void TDaidokoro::dishesWhere(int32_t TBentouData::*field, const NameList& names,
                             std::string_view name, NameList& out) const {
  out.clear();
  int32_t index = indexOf(names, name);
  if (index < 0) return;
  for (const TBentouData& d : Dishes)
    if (d.*field == index) out.push_back(d.Name);
}

void TDaidokoro::dishesOfCategory(std::string_view category, NameList& out) const {
  dishesWhere(&TBentouData::CategoryIndex, Categories, category, out);
}
void TDaidokoro::dishesOfPlacement(std::string_view placement, NameList& out) const {
  dishesWhere(&TBentouData::PlacementIndex, Placements, placement, out);
}
void TDaidokoro::dishesOfStorage(std::string_view storage, NameList& out) const {
  dishesWhere(&TBentouData::StorageIndex, Storages, storage, out);
}

void TDaidokoro::inUse(int32_t TBentouData::*field, const NameList& names, NameList& out) const {
  for (size_t i = 0; i < names.size(); ++i) {
    bool used = std::any_of(Dishes.begin(), Dishes.end(),
                            [&](const TBentouData& d) { return d.*field == int32_t(i); });
    if (used) out.push_back(names[i]);
  }
}

void TDaidokoro::categoriesInUse(NameList& out) const {
  inUse(&TBentouData::CategoryIndex, Categories, out);
}
void TDaidokoro::placementsInUse(NameList& out) const {
  inUse(&TBentouData::PlacementIndex, Placements, out);
}
void TDaidokoro::storagesInUse(NameList& out) const {
  inUse(&TBentouData::StorageIndex, Storages, out);
}

void TDaidokoro::allDishNames(NameList& out) const {
  for (const TBentouData& d : Dishes) out.push_back(d.Name);
}

void TDaidokoro::dishesOfReadingGroup(std::string_view group, NameList& out) const {
  for (const TBentouData& d : Dishes)
    if (inReadingGroup(group, d.Name)) out.push_back(d.Name);
  std::stable_sort(out.begin(), out.end(),
                   [](const std::string& a, const std::string& b) { return compareJa(a, b) < 0; });
}

std::string TDaidokoro::placementName(std::string_view dish) const {
  const TBentouData* d = find(dish);
  int32_t index = d ? d->PlacementIndex : 0;
  if (index < 0 || size_t(index) >= Placements.size()) return {};
  return Placements[size_t(index)];
}

double TDaidokoro::sizeFactor(std::string_view dish) const {
  const TBentouData* d = find(dish);
  return d ? d->SizeFactor : 1.0;
}

bool TDaidokoro::hasRecipe(std::string_view dish) const {
  return std::any_of(Dishes.begin(), Dishes.end(),
                     [&](const TBentouData& d) { return d.Name == dish && !d.StepLines.empty(); });
}

bool TDaidokoro::recipe(std::string_view dish, NameList& ingredients, NameList& steps,
                        NameList& quantities) const {
  for (const TBentouData& d : Dishes) {
    if (d.Name != dish || d.StepLines.empty()) continue;
    ingredients.assign(1, sj("材料"));
    ingredients.insert(ingredients.end(), d.IngredientLines.begin(), d.IngredientLines.end());
    quantities.assign(1, sj("量"));
    quantities.insert(quantities.end(), d.QuantityLines.begin(), d.QuantityLines.end());
    steps = d.StepLines.toList();
    return true;
  }
  return false;
}

double TDaidokoro::volumeSum(const NameList& dishes) const {
  double sum = 0;
  for (const std::string& name : dishes) {
    const TBentouData* d = find(name);
    if (d && d->PlacementIndex == 0) sum += d->VolumeMl;
  }
  return sum;
}

template <typename Add>
Result TDaidokoro::forEachFoodOf(const NameList& dishes, Add add) const {
  Result told;
  if (Dishes.empty()) {
    told.tell(plainMessage("BentouData == NULL"));
    return told;
  }
  for (const std::string& name : dishes) {
    const TBentouData* d = find(name);
    if (!d) {
      told.tell(plainMessage(sj("料理名が見つかりませんでした:") + name));
      continue;
    }
    for (const TBentouShokuhin& f : d->Foods) add(f, told);
  }
  return told;
}

Result TDaidokoro::nutrientTotals(const NameList& dishes, Nutrients& acc,
                                  const TFoodData& foods) const {
  return forEachFoodOf(dishes, [&](const TBentouShokuhin& f, Result& told) {
    told.then(foods.addNutrients(f.FoodNumber, f.Grams, acc));
  });
}

Result TDaidokoro::foodGroupGrams(const NameList& dishes, GroupGrams& acc,
                                  const TFoodData& foods) const {
  return forEachFoodOf(dishes, [&](const TBentouShokuhin& f, Result&) {
    int32_t g = foods.groupOf(f.FoodNumber);
    if (g >= 0 && g < kFoodGroupCount) acc[size_t(g)] += f.Grams;
  });
}

}  // namespace nv
