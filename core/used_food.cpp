#include "core/used_food.h"

#include "core/food.h"
#include "platform/binio.h"
#include "platform/text.h"

namespace nv {

void writeUsedFoodRecord(ByteWriter& out, const TUsedFood& food) {
  out.int32(food.foodNumber);
  out.zeros(4);
  out.f64(food.amount);
  out.f64(food.standardAmount);
  out.zeros(8);  // link and padding: meaningless on disk
}

TUsedFood readUsedFoodRecord(const char* p) {
  TUsedFood f;
  f.foodNumber = getInt32LE(p);
  f.amount = getDoubleLE(p + 8);
  f.standardAmount = getDoubleLE(p + 16);
  return f;
}

bool readUsedFoodRecord(ByteReader& in, TUsedFood& food) {
  std::string_view rec;
  if (!in.readBytes(kUsedFoodRecordSize, rec)) return false;
  food = readUsedFoodRecord(rec.data());
  return true;
}

void writeUsedFoods(ByteWriter& out, const TUsedFoodList& list) {
  for (const TUsedFood& f : list) writeUsedFoodRecord(out, f);
}

TUsedFood usedFoodFromName(std::string_view name, double grams, const TFoodData& foods) {
  TUsedFood f;
  f.foodNumber = foods.numberOfName(name);
  f.amount = grams;
  f.standardAmount = grams;
  return f;
}

double totalAmount(const TUsedFoodList& list) {
  double sum = 0;
  for (const TUsedFood& f : list) sum += f.amount;
  return sum;
}

double amountOfFood(const TUsedFoodList& list, int32_t foodNumber) {
  for (const TUsedFood& f : list)
    if (f.foodNumber == foodNumber) return f.amount;
  return 0;
}

Result addNutrientTotals(const TUsedFoodList& list, const TFoodData* foods, Nutrients& acc) {
  Result told;
  if (!foods) return told;
  for (const TUsedFood& f : list) told.then(foods->addNutrients(f.foodNumber, f.amount, acc));
  return told;
}

void addGroupGrams(const TUsedFoodList& list, const TFoodData* foods, GroupGrams& acc) {
  if (!foods) return;
  for (const TUsedFood& f : list) {
    int32_t g = foods->groupOf(f.foodNumber);
    // A stored group outside 0..6 has no slot; it is skipped like an unknown food.
    if (g >= 0 && g < kFoodGroupCount) acc[size_t(g)] += f.amount;
  }
}

std::string csvRows(const TUsedFoodList& list, const TFoodData* foods, std::string_view category,
                    std::string_view dish) {
  std::string out;
  const std::string cat(category), name(dish);
  for (const TUsedFood& f : list) {
    std::string food = foods ? foods->csvName(f.foodNumber) : sj("不明な食品");
    out += cformat("%s,%s,%s,%lf\n", cat.c_str(), name.c_str(), food.c_str(), f.standardAmount);
  }
  return out;
}

TextRows ingredientGridRows(const TUsedFoodList& list, const TFoodData* foods) {
  TextRows rows;
  rows.reserve(list.size() + 1);
  rows.push_back({std::string(), std::string()});
  for (const TUsedFood& f : list)
    rows.push_back({foods ? foods->displayName(f.foodNumber) : sj("不明(データなし)"),
                    shortestDecimal(f.standardAmount)});
  return rows;
}

}  // namespace nv
