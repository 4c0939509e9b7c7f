#include "planner/model/nutrient_table.h"

#include "core/food.h"
#include "core/nutrient_row.h"
#include "planner/model/selected_menu.h"
#include "platform/text.h"

namespace nv {

namespace {

constexpr double kShownMinimum = 0.04;

TFood totalOf(const std::vector<SelDish>& dishes, const TFoodData& foods) {
  TFood sum;
  for (const SelDish& d : dishes) addToSummedFood(d.usedFoods, &foods, sum);
  return sum;
}

void put(TextRow& row, const RowCells& cells) {
  for (const auto& [column, text] : cells) row[size_t(column)] = text;
}

class TableWriter {
 public:
  explicit TableWriter(TextRows& rows) : rows_(rows) {}

  TextRow& next() {
    TextRow& row = rows_.emplace_back(size_t(kNutrientTableColumns));
    row[0] = rowNumberText(int(rows_.size()) - 1);
    return row;
  }

  void total(const std::string& label, const std::vector<SelDish>& dishes, const TFoodData& foods) {
    TextRow& row = next();
    put(row, nutrientRowCells(totalOf(dishes, foods), int(rows_.size()) - 1, false, 1.0));
    row[1] = label;
  }

 private:
  TextRows& rows_;
};

}  // namespace

const TextRow& nutrientTableTitles() {
  static const TextRow titles = {
      sj(" 番号 "),   sj(" 食事 "),  sj(" 献立名"), sj(" 食品名"), sj(" 重さ　"), sj("群別"),
      sj("３色区分"), sj("ｴﾈﾙｷﾞｰ"),  sj("蛋白質 "), sj(" 脂肪  "), sj(" ｶﾙｼｳﾑ "), sj(" 鉄分  "),
      sj("ﾋﾞﾀﾐﾝA "),  sj("ﾋﾞﾀﾐﾝB1"), sj("ﾋﾞﾀﾐﾝB2"), sj("ﾋﾞﾀﾐﾝC "), sj(" 塩分  "),
  };
  return titles;
}

TextRows nutrientTableRows(const SelectedMenu& menu, const TFoodData& foods,
                           const std::function<std::string(int)>& dishName) {
  TextRows rows;
  rows.push_back(nutrientTableTitles());
  TableWriter out(rows);
  const auto& names = SelectedMenu::nodeNames();

  const auto& day = menu.dishes(SelectedMenu::kDayNode);
  if (!day.empty()) {
    out.total(names[SelectedMenu::kDayNode], day, foods);
    out.next();  // the empty separator row keeps only its number
  }
  for (int meal = 0; meal < SelectedMenu::kMealCount; ++meal) {
    const auto& dishes = menu.dishes(meal);
    if (dishes.empty()) continue;
    out.total(names[size_t(meal)], dishes, foods);
    for (const SelDish& dish : dishes) {
      TextRow& row = out.next();
      put(row,
          nutrientRowCells(summedFood(dish.usedFoods, &foods), int(rows.size()) - 1, false, 1.0));
      row[2] = dishName(dish.kondateNo);
      row[4] = dish.weight >= kShownMinimum ? cformat("%5.1lf", dish.weight) : sj("  0.0");
      for (const TUsedFood& used : dish.usedFoods) {
        TextRow& foodRow = out.next();
        const int index = int(rows.size()) - 1;
        if (const TFood* food = foods.findByNumber(used.foodNumber)) {
          put(foodRow, nutrientRowCells(*food, index, true, foodRowFactor(used)));
        } else {
          // A food missing from the table still gets its line, with zero values.
          TFood unknown;
          unknown.name = foods.displayName(used.foodNumber);
          put(foodRow, nutrientRowCells(unknown, index, true, 0.0));
        }
        foodRow[4] = amountCellText(used.amount);
      }
    }
  }
  return rows;
}

std::vector<PrintCheckItem> printCheckItems(const SelectedMenu& menu) {
  std::vector<PrintCheckItem> items;
  items.push_back({sj("献立テーブル"), true, false});
  for (int node = 0; node < SelectedMenu::kNodeCount; ++node) {
    const bool has = !menu.dishes(node).empty();
    items.push_back({SelectedMenu::nodeNames()[size_t(node)], has, has});
  }
  return items;
}

bool menuHasDishes(const SelectedMenu& menu) {
  for (int node = 0; node < SelectedMenu::kNodeCount; ++node)
    if (!menu.dishes(node).empty()) return true;
  return false;
}

}  // namespace nv
