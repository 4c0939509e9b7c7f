#include "core/nutrient_row.h"

#include "core/food.h"
#include "platform/text.h"

namespace nv {

namespace {
constexpr double kShownMinimum = 0.04;  // smaller values print as zero texts
}

std::string rowNumberText(int row) { return cformat("%5d ", row); }

std::string nutrientCellText(double v) {
  return v >= kShownMinimum ? cformat("%6.1lf", v) : std::string("   0  ");
}

std::string amountCellText(double grams) {
  return grams >= kShownMinimum ? cformat("%5.1lf", grams) : std::string("  0");
}

RowCells nutrientRowCells(const TFood& food, int row, bool descriptive, double factor) {
  RowCells cells;
  cells[0] = rowNumberText(row);
  if (descriptive) {
    cells[3] = food.name;
    cells[5] = food.group == 0 ? std::string() : cformat("%4d", food.group);
    switch (food.colorClass) {
      case 1:
        cells[6] = sj("赤");
        break;
      case 2:
        cells[6] = sj("黄");
        break;
      case 3:
        cells[6] = sj("緑");
        break;
      default:
        cells[6] = std::string();
        break;
    }
  }
  for (int i = 0; i < kNutrientCount; ++i)
    cells[kFirstNutrientColumn + i] = nutrientCellText(food.nutrients[i] * factor);
  return cells;
}

double foodRowFactor(const TUsedFood& ingredient) { return ingredient.amount * 0.01; }

void addToSummedFood(const TUsedFoodList& ingredients, const TFoodData* foods, TFood& sum) {
  if (!foods) return;
  for (const TUsedFood& u : ingredients) {
    if (!(u.standardAmount > 0)) continue;
    const TFood* f = foods->findByNumber(u.foodNumber);
    if (!f) continue;
    double factor = foodRowFactor(u);
    for (int i = 0; i < kNutrientCount; ++i) sum.nutrients[i] += f->nutrients[i] * factor;
  }
}

TFood summedFood(const TUsedFoodList& ingredients, const TFoodData* foods) {
  TFood sum;
  addToSummedFood(ingredients, foods, sum);
  return sum;
}

}  // namespace nv
