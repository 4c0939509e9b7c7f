#pragma once
// The lunch-box game's own dishes: TBentouShokuhin, TBentouData and the kitchen data
// TDaidokoro with every lookup the game windows and the recipe windows make.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "bento/model/text_lines.h"
#include "core/nutrients.h"
#include "platform/result.h"

namespace nv {

class ByteReader;
class ByteWriter;
class TFoodData;

using NameList = std::vector<std::string>;  // CP932 names

// One food of a dish.
struct TBentouShokuhin {
  int32_t FoodNumber = 0;  // the food's number in the food table, not its position
  double Grams = 0;        // grams in one portion
};

// One dish of the lunch-box game.
struct TBentouData {
  int32_t Number = 0;  // 1-based serial in list order
  int32_t CategoryIndex = 0;
  std::string Name;
  std::vector<TBentouShokuhin> Foods;
  double VolumeMl = 0;
  double SizeFactor = 1.0;
  int32_t PlacementIndex = 0;  // only index 0 counts against the box's capacity
  int32_t StorageIndex = 0;
  TextLines IngredientLines;
  TextLines QuantityLines;  // parallel to IngredientLines
  TextLines StepLines;      // a dish has a recipe when this is not empty
};

// The fifteen categories a fresh import starts with.
NameList defaultBentoCategories();

// Far beyond a real lunch-box data file (some hundred dishes of a few dozen lines).
inline constexpr int32_t kMaxKitchenEntries = 100000;
inline constexpr size_t kMaxTextLines = 1000;
inline constexpr size_t kMaxKitchenLines = 200000;

class TDaidokoro {
 public:
  NameList Categories;
  NameList Placements;
  NameList Storages;
  std::vector<TBentouData> Dishes;  // file order; the first of equal names wins every lookup

  bool hasDishes() const { return !Dishes.empty(); }
  void clear();

  // The kitchen part of NV.nvb (everything after the food section). Reading replaces the
  // lists; false when the input ends early or holds impossible counts (no message here: the
  // file reader reports). Complete dishes read before the damage are kept. Counts are held
  // to what a real file holds (kMaxKitchenEntries names or dishes a list, kMaxTextLines
  // lines a text, kMaxKitchenLines lines in all): a file beyond them is damaged.
  bool read(ByteReader& in);
  void write(ByteWriter& out) const;

  // The first dish of that name, or nullptr.
  const TBentouData* find(std::string_view name) const;

  void dishesOfCategory(std::string_view category, NameList& out) const;
  void dishesOfPlacement(std::string_view placement, NameList& out) const;
  void dishesOfStorage(std::string_view storage, NameList& out) const;
  void categoriesInUse(NameList& out) const;
  void placementsInUse(NameList& out) const;
  void storagesInUse(NameList& out) const;
  void allDishNames(NameList& out) const;
  void dishesOfReadingGroup(std::string_view group, NameList& out) const;

  std::string placementName(std::string_view dish) const;
  double sizeFactor(std::string_view dish) const;
  bool hasRecipe(std::string_view dish) const;
  bool recipe(std::string_view dish, NameList& ingredients, NameList& steps,
              NameList& quantities) const;
  double volumeSum(const NameList& dishes) const;

  // Nutrient totals and food-group grams of the named dishes. `foods` is the food table the
  // dishes refer to. Each tells, in order, every unknown name (each time it is met) and an
  // empty kitchen, and the nutrient totals the food table's notices; the status stays success.
  Result nutrientTotals(const NameList& dishes, Nutrients& acc, const TFoodData& foods) const;
  Result foodGroupGrams(const NameList& dishes, GroupGrams& acc, const TFoodData& foods) const;

  // Renumbers the dishes 1, 2, 3 ... in list order.
  void renumber();
  // Index of name in list, appending it when new.
  static int32_t indexOrAppend(NameList& list, std::string_view name);

 private:
  void dishesWhere(int32_t TBentouData::*field, const NameList& names, std::string_view name,
                   NameList& out) const;
  void inUse(int32_t TBentouData::*field, const NameList& names, NameList& out) const;
  // Calls add(food) for every food of the named dishes; tells what the totals do.
  template <typename Add>
  Result forEachFoodOf(const NameList& dishes, Add add) const;
};

// The eleven reading groups ("あ行" ... "わ行", "漢字").
void readingGroups(NameList& out);
// Whether a name's first character (its first two bytes) lies in the group's ranges.
bool inReadingGroup(std::string_view group, std::string_view name);

// The box takes a dish only while its capacity is strictly greater than what it would hold.
inline bool boxAccepts(double capacityMl, double volumeInBox, double volumeOfDish) {
  return capacityMl > volumeInBox + volumeOfDish;
}

// Side of a placed dish's picture in the 1024-wide design space (never negative).
int placedPictureSize(int iconSize, double sizeFactor);

}  // namespace nv
