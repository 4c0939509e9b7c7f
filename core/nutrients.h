#pragma once
// The ten nutrient slots every array, chart, table and file uses, in this order.
#include <array>
#include <cstdint>

namespace nv {

enum NutrientSlot : int {
  kEnergy = 0,     // kcal
  kProtein = 1,    // g
  kFat = 2,        // g
  kCalcium = 3,    // mg
  kIron = 4,       // mg
  kVitaminA = 5,   // IU
  kVitaminB1 = 6,  // mg
  kVitaminB2 = 7,  // mg
  kVitaminC = 8,   // mg
  kSalt = 9,       // g
};
constexpr int kNutrientCount = 10;
constexpr int kFoodGroupCount = 7;  // group 0 (none) and the six food groups 1..6

using Nutrients = std::array<double, kNutrientCount>;
using GroupGrams = std::array<double, kFoodGroupCount>;

}  // namespace nv
