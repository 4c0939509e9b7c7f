#pragma once
// The chosen menu of a day: three meals and the day node that holds a copy of every chosen
// dish, the serial numbers that tie a dish to its copy, and the balance of each node.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/nutrients.h"
#include "core/used_food.h"
#include "platform/result.h"

namespace nv {

class TFoodData;

// One chosen dish (the data of a TSelButton).
struct SelDish {
  int32_t serialNo = 0;
  int32_t kondateNo = 0;
  double standardWeight = 0;  // the dish's weight in the dish database
  double weight = 0;          // sum of the amounts of its own foods
  TUsedFoodList usedFoods;
  std::string caption;  // dish name, CP932
  std::string hint;     // meal name + "：" + dish name

  double pictureScale() const { return standardWeight > 0 ? weight / standardWeight : 1.0; }
};

struct MealTotals {
  Nutrients nutrients{};
  GroupGrams groups{};
  Result told;  // the food table's notices on the way, for the caller to show
};

class SelectedMenu {
 public:
  static constexpr int kMealCount = 3;  // breakfast, lunch, dinner
  static constexpr int kDayNode = 3;
  static constexpr int kNodeCount = 4;

  // "朝食", "昼食", "夕食", "１日分" (CP932).
  static const std::array<std::string, kNodeCount>& nodeNames();
  static std::string hintFor(int node, const std::string& dishName);

  const std::vector<SelDish>& dishes(int node) const { return nodes_[size_t(node)]; }
  bool modified() const { return modified_; }
  void setModified(bool m) { modified_ = m; }
  int32_t counter() const { return counter_; }

  // Hands out the counter, then increases it: the first dish of a run is number 0. At the top
  // of the range (a stored counter of 2147483647) it hands out the lowest number no dish holds
  // instead of overflowing.
  int32_t nextSerial();
  // Appends the dish to meal (0..2) and a copy to the day node; sets Modified. The dish keeps
  // the serial number it was given (0 included). False for an invalid meal.
  bool add(int meal, SelDish dish);
  // The meal (0..2) holding the dish with this serial number, or -1.
  int mealOf(int32_t serialNo) const;
  const SelDish* find(int32_t serialNo) const;
  // New amounts for a chosen dish and its day copy: weight recomputed; sets Modified.
  bool setAmounts(int32_t serialNo, const TUsedFoodList& foods);
  // Removes the dish and its day copy.
  bool remove(int32_t serialNo);
  // Empties every node; clears Modified.
  void clearAll();

  // The balance of node (0..3), leaving out the dish `exclude` and adding `preview` (the
  // quantity dialog's current amounts) in its place when given. The day sums the three meals.
  MealTotals totals(int node, const TFoodData* foods, std::optional<int32_t> exclude = std::nullopt,
                    const TUsedFoodList* preview = nullptr) const;

  // Replaces the whole menu (used by the menu file reader); keeps serial numbers unique
  // within the run even when the stored counter is lower than numbers already used.
  void replace(std::array<std::vector<SelDish>, kMealCount> meals, int32_t storedCounter);

 private:
  std::array<std::vector<SelDish>, kNodeCount> nodes_;
  int32_t counter_ = 0;
  bool modified_ = false;
};

}  // namespace nv
