#include "planner/model/selected_menu.h"

#include <algorithm>
#include <limits>

#include "core/food.h"
#include "platform/text.h"

namespace nv {

const std::array<std::string, SelectedMenu::kNodeCount>& SelectedMenu::nodeNames() {
  static const std::array<std::string, kNodeCount> names = {sj("朝食"), sj("昼食"), sj("夕食"),
                                                            sj("１日分")};
  return names;
}

std::string SelectedMenu::hintFor(int node, const std::string& dishName) {
  if (node < 0 || node >= kNodeCount) return dishName;
  return nodeNames()[size_t(node)] + sj("：") + dishName;
}

int32_t SelectedMenu::nextSerial() {
  if (counter_ < std::numeric_limits<int32_t>::max()) return counter_++;
  std::vector<int32_t> used;
  for (const auto& node : nodes_)
    for (const SelDish& d : node) used.push_back(d.serialNo);
  std::sort(used.begin(), used.end());
  int32_t serial = 0;
  for (int32_t u : used)
    if (u == serial) ++serial;
  return serial;
}

bool SelectedMenu::add(int meal, SelDish dish) {
  if (meal < 0 || meal >= kMealCount) return false;
  dish.weight = totalAmount(dish.usedFoods);
  nodes_[size_t(meal)].push_back(dish);
  nodes_[kDayNode].push_back(std::move(dish));
  modified_ = true;
  return true;
}

int SelectedMenu::mealOf(int32_t serialNo) const {
  for (int m = 0; m < kMealCount; ++m)
    for (const SelDish& d : nodes_[size_t(m)])
      if (d.serialNo == serialNo) return m;
  return -1;
}

const SelDish* SelectedMenu::find(int32_t serialNo) const {
  int m = mealOf(serialNo);
  if (m < 0) return nullptr;
  for (const SelDish& d : nodes_[size_t(m)])
    if (d.serialNo == serialNo) return &d;
  return nullptr;
}

bool SelectedMenu::setAmounts(int32_t serialNo, const TUsedFoodList& foods) {
  bool found = false;
  for (auto& node : nodes_)
    for (SelDish& d : node)
      if (d.serialNo == serialNo) {
        d.usedFoods = foods;
        d.weight = totalAmount(foods);
        found = true;
      }
  if (found) modified_ = true;
  return found;
}

bool SelectedMenu::remove(int32_t serialNo) {
  size_t removed = 0;
  for (auto& node : nodes_)
    removed += std::erase_if(node, [&](const SelDish& d) { return d.serialNo == serialNo; });
  if (removed) modified_ = true;
  return removed > 0;
}

void SelectedMenu::clearAll() {
  for (auto& node : nodes_) node.clear();
  modified_ = false;
}

MealTotals SelectedMenu::totals(int node, const TFoodData* foods, std::optional<int32_t> exclude,
                                const TUsedFoodList* preview) const {
  MealTotals t;
  t.nutrients.fill(0);
  t.groups.fill(0);
  auto addList = [&](const TUsedFoodList& list) {
    t.told.then(addNutrientTotals(list, foods, t.nutrients));
    addGroupGrams(list, foods, t.groups);
  };
  // The day sums the meals' own dishes; its copies are for display only.
  const int first = node == kDayNode ? 0 : node;
  const int last = node == kDayNode ? kMealCount - 1 : node;
  if (node < 0 || node >= kNodeCount) return t;
  for (int m = first; m <= last; ++m)
    for (const SelDish& d : nodes_[size_t(m)])
      if (!exclude || d.serialNo != *exclude) addList(d.usedFoods);
  if (exclude && preview) addList(*preview);
  return t;
}

void SelectedMenu::replace(std::array<std::vector<SelDish>, kMealCount> meals,
                           int32_t storedCounter) {
  clearAll();
  for (int m = 0; m < kMealCount; ++m)
    for (SelDish& d : meals[size_t(m)]) {
      d.serialNo = nextSerial();
      nodes_[size_t(m)].push_back(d);
    }
  for (int m = 0; m < kMealCount; ++m)
    for (const SelDish& d : nodes_[size_t(m)]) nodes_[kDayNode].push_back(d);
  // The stored counter is restored, but never below a number already handed out.
  counter_ = std::max(storedCounter, counter_);
  modified_ = false;
}

}  // namespace nv
