#include "planner/model/chart_values.h"

#include <climits>
#include <cmath>

#include "platform/text.h"

namespace nv {

const std::array<std::string, kNutrientCount>& nutrientChartLabels() {
  static const std::array<std::string, kNutrientCount> labels = {
      sj("エネルギー"), sj("蛋白質 "), sj(" 脂肪  "), sj(" ｶﾙｼｳﾑ "), sj(" 鉄分  "),
      sj("ﾋﾞﾀﾐﾝA "),    sj("ﾋﾞﾀﾐﾝB1"), sj("ﾋﾞﾀﾐﾝB2"), sj("ﾋﾞﾀﾐﾝC "), sj(" 塩分  ")};
  return labels;
}

double percentOfRequirement(double total, double requirement) {
  if (requirement == 0 || !std::isfinite(requirement)) return 0;
  return total / requirement * 100;
}

int truncatedPercent(double percent) {
  if (!std::isfinite(percent)) return 0;
  double t = std::trunc(percent);
  if (t >= double(INT_MAX)) return INT_MAX;
  if (t <= double(INT_MIN)) return INT_MIN;
  return int(t);
}

std::vector<ChartBar> nutrientBars(const Nutrients& totals, const Nutrients& requirement) {
  std::vector<ChartBar> bars;
  for (int k = 0; k < kNutrientCount; ++k)
    bars.push_back({nutrientChartLabels()[size_t(k)],
                    percentOfRequirement(totals[size_t(k)], requirement[size_t(k)]), k % 7});
  return bars;
}

std::vector<ChartBar> groupBars(const GroupGrams& grams,
                                const std::array<double, kFoodGroupCount>& requirement,
                                const std::array<std::string, kFoodGroupCount>& groupNames) {
  std::vector<ChartBar> bars;
  for (int g = 1; g < kFoodGroupCount; ++g)
    bars.push_back(
        {groupNames[size_t(g)], percentOfRequirement(grams[size_t(g)], requirement[size_t(g)]), g});
  return bars;
}

std::vector<ChartBar> percentBars(const Nutrients& totals, const Nutrients& requirement) {
  std::vector<ChartBar> bars = nutrientBars(totals, requirement);
  for (ChartBar& b : bars) b.value = truncatedPercent(b.value);
  return bars;
}

}  // namespace nv
