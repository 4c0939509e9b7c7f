#pragma once
// The rendering of one food or dish row of the printable nutrient table (17 columns).
#include <map>
#include <string>

#include "core/nutrients.h"
#include "core/used_food.h"

namespace nv {

struct TFood;
class TFoodData;

constexpr int kNutrientTableColumns = 17;
constexpr int kFirstNutrientColumn = 7;

// Column index -> CP932 cell text; columns not in the map are left as they are.
using RowCells = std::map<int, std::string>;

std::string rowNumberText(int row);        // "%5d "
std::string nutrientCellText(double v);    // "%6.1lf", or "   0  " below 0.04
std::string amountCellText(double grams);  // "%5.1lf", or "  0" below 0.04

// Column 0 the row number; with `descriptive` column 3 the name, 5 the group ("%4d", empty for
// group 0) and 6 "赤"/"黄"/"緑"; columns 7..16 each nutrient x factor.
RowCells nutrientRowCells(const TFood& food, int row, bool descriptive, double factor);

// The factor of an ingredient's food row: amount x 0.01, the same scale as every total.
double foodRowFactor(const TUsedFood& ingredient);

// A scratch food (all nutrients 0 to start) holding the summed nutrients of the ingredients whose
// standard amount is above 0 and whose food is known, each scaled by foodRowFactor(). Unknown
// foods are left out silently.
TFood summedFood(const TUsedFoodList& ingredients, const TFoodData* foods);
// Adds the same sums to an existing scratch food (for a total over several dishes).
void addToSummedFood(const TUsedFoodList& ingredients, const TFoodData* foods, TFood& sum);

}  // namespace nv
