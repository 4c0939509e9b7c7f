#pragma once
// What the balance charts show for one meal: bars as percentages of that meal's requirement.
#include <array>
#include <string>
#include <vector>

#include "core/nutrients.h"

namespace nv {

// The chart labels in nutrient order, CP932, exactly as the charts show them.
const std::array<std::string, kNutrientCount>& nutrientChartLabels();

// total / requirement x 100; a requirement of 0 (possible through the profile dialog) gives 0
// rather than an infinite or undefined bar.
double percentOfRequirement(double total, double requirement);
// The main window's percent chart: truncated toward zero, kept within the int range.
int truncatedPercent(double percent);

struct ChartBar {
  std::string label;    // CP932
  double value = 0;     // percent
  int colourIndex = 0;  // index into the food-group colours (TGunName)
};

// Graph window: ten nutrient bars (colour k mod 7) or six group bars (groups 1..6).
std::vector<ChartBar> nutrientBars(const Nutrients& totals, const Nutrients& requirement);
std::vector<ChartBar> groupBars(const GroupGrams& grams,
                                const std::array<double, kFoodGroupCount>& requirement,
                                const std::array<std::string, kFoodGroupCount>& groupNames);
// The main window's percent chart: ten nutrient bars, values truncated toward zero.
std::vector<ChartBar> percentBars(const Nutrients& totals, const Nutrients& requirement);

}  // namespace nv
