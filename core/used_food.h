#pragma once
// TUsedFood, one ingredient line, and the operations on ingredient lists.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/nutrients.h"
#include "core/rows.h"
#include "platform/result.h"

namespace nv {

class ByteReader;
class ByteWriter;
class TFoodData;

constexpr size_t kUsedFoodRecordSize = 32;

struct TUsedFood {
  int32_t foodNumber = -1;    // -1: the name could not be resolved
  double amount = 0;          // grams used
  double standardAmount = 0;  // grams in the dish database (可食量)
};
using TUsedFoodList = std::vector<TUsedFood>;

void writeUsedFoodRecord(ByteWriter& out, const TUsedFood& food);
TUsedFood readUsedFoodRecord(const char* record32);
// Takes the next 32-byte record from `in`; false (taking nothing) when fewer bytes remain.
bool readUsedFoodRecord(ByteReader& in, TUsedFood& food);
void writeUsedFoods(ByteWriter& out, const TUsedFoodList& list);

// From a food name resolved in `foods`. Amount and standard amount are both `grams`; the
// number is -1 when the name is not in the table.
TUsedFood usedFoodFromName(std::string_view name, double grams, const TFoodData& foods);

double totalAmount(const TUsedFoodList& list);
double amountOfFood(const TUsedFoodList& list, int32_t foodNumber);  // first match; 0 when none
// Adds every ingredient's nutrients (amount x 0.01) to acc by TFoodData::addNutrients, telling
// its notices in ingredient order; nothing when foods is nullptr.
Result addNutrientTotals(const TUsedFoodList& list, const TFoodData* foods, Nutrients& acc);
// Adds each ingredient's amount to the slot of its food's group; unknown foods (and every
// ingredient when foods is nullptr) are skipped.
void addGroupGrams(const TUsedFoodList& list, const TFoodData* foods, GroupGrams& acc);
// "%s,%s,%s,%lf\n" rows: category, dish, food name (CSV variant), standard amount.
std::string csvRows(const TUsedFoodList& list, const TFoodData* foods, std::string_view category,
                    std::string_view dish);
// The ingredient grid: ingredients + 1 rows of two cells; row 0 is the caller's header row (left
// empty here); row r from 1 shows the display name and the standard amount (shortest decimal
// text). The grid's current row is then set to 1 by the caller. With foods nullptr the names
// read "不明(データなし)".
TextRows ingredientGridRows(const TUsedFoodList& list, const TFoodData* foods);

}  // namespace nv
