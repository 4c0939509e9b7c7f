#include "summary/model/class_summary.h"

#include <algorithm>

#include "bento/model/bento_data.h"
#include "bento/model/bento_grade.h"
#include "bento/model/bento_save.h"
#include "core/kojin_data.h"
#include "planner/model/chart_values.h"
#include "planner/model/menu_file.h"
#include "planner/model/selected_menu.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/text.h"
#include "summary/model/recording_prompt.h"
#include "summary/model/summary_files.h"

namespace nv {
namespace {

void takeProfile(const TKojinData& profile, ChildResult& child) {
  child.name = profile.name();
  child.age = profile.age;
  child.sex = profile.sex;
  child.activityLevel = profile.activityLevel;
}

// The percentages of each node of a menu that was read.
void measureMenu(const SelectedMenu& menu, const TKojinData& profile, const TFoodData& foods,
                 ChildResult& child) {
  for (int node = 0; node < SelectedMenu::kNodeCount; ++node) {
    if (menu.dishes(node).empty()) continue;
    const MealTotals totals = menu.totals(node, &foods);
    Percents p{};
    for (int k = 0; k < kNutrientCount; ++k)
      p[size_t(k)] =
          percentOfRequirement(totals.nutrients[size_t(k)], profile.Requirement(node, k));
    for (int g = 1; g < kFoodGroupCount; ++g)
      p[size_t(kNutrientCount + g - 1)] =
          percentOfRequirement(totals.groups[size_t(g)], profile.GroupRequirement(node, g));
    child.nodes[size_t(node)] = p;
  }
}

void measureLunchBox(const PlacedDishRecords& placed, const TKojinData& profile,
                     const TFoodData& foods, const TDaidokoro& kitchen, ChildResult& child) {
  NameList names;
  for (const PlacedDishRecord& d : placed) names.push_back(d.name);
  Nutrients totals{};
  GroupGrams grams{};
  kitchen.nutrientTotals(names, totals, foods);
  kitchen.foodGroupGrams(names, grams, foods);
  const LunchRequirements lunch = LunchRequirements::of(profile);
  Percents p{};
  for (int k = 0; k < kNutrientCount; ++k)
    p[size_t(k)] = requirementRatio(totals[size_t(k)], lunch.nutrients[size_t(k)]) * 100;
  for (int g = 1; g < kFoodGroupCount; ++g)
    p[size_t(kNutrientCount + g - 1)] =
        requirementRatio(grams[size_t(g)], lunch.groups[size_t(g)]) * 100;
  child.nodes[kLunch] = p;
  child.gradeByNutrients = gradeByNutrients(totals, lunch.nutrients);
  child.gradeByGroups = gradeByGroups(grams, lunch.groups);
}

double medianOf(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int wholePercent(double percent) { return truncatedPercent(percent); }

Band bandOf(int whole) {
  if (whole < 80) return Band::Under;
  if (whole > 120) return Band::Over;
  return Band::Within;
}

const Percents* ChildResult::percents(SummaryMeal meal) const {
  const auto& node = nodes[size_t(meal)];
  if (kind == ChildKind::LunchBox) {
    // A lunch box is the child's lunch, and for the day it is all the file tells.
    const bool counts = meal == SummaryMeal::Day || meal == SummaryMeal::Lunch;
    return counts && nodes[kLunch] ? &*nodes[kLunch] : nullptr;
  }
  return node ? &*node : nullptr;
}

std::optional<ChildResult> readChildFile(const std::string& path, const SummaryData& data,
                                         std::string& reason) {
  ChildResult child;
  child.path = path;
  const std::optional<ChildKind> kind = savedFileKind(path);
  if (!kind) {
    reason = sj("献立(.nvu)やお弁当(.nvub)のファイルではありません");
    return std::nullopt;
  }
  child.kind = *kind;
  if (!(reason = savedFileProblem(path)).empty()) return std::nullopt;
  if (child.kind == ChildKind::Menu ? !data.menuFoods : !data.boxFoods || !data.kitchen) {
    reason = child.kind == ChildKind::Menu ? sj("食品データ(NV.nv)がありません")
                                           : sj("お弁当のデータ(NV.nvb)がありません");
    return std::nullopt;
  }
  // The readers' messages, then the totals' notices, in the order a user would meet them:
  // the first becomes the reason or the note.
  RecordingPrompt recorder(path);
  ScopedPrompt scoped(recorder);
  SelectedMenu menu;
  PlacedDishRecords placed;
  TKojinData profile;
  const Result read = child.kind == ChildKind::Menu
                          ? loadMenuFile(path, menu, profile, DishLookup{})
                          : openBentoSaveFile(path, 1.0, profile, placed);
  if (!showResult(read, recorder)) {
    reason = recorder.first().empty() ? sj("読み込めません") : recorder.first();
    return std::nullopt;
  }
  takeProfile(profile, child);
  if (child.kind == ChildKind::Menu)
    measureMenu(menu, profile, *data.menuFoods, child);
  else
    measureLunchBox(placed, profile, *data.boxFoods, *data.kitchen, child);
  child.note = recorder.first();
  return child;
}

std::array<ColumnStats, kSummaryColumns> classStats(const std::vector<ChildResult>& children,
                                                    SummaryMeal meal) {
  std::array<ColumnStats, kSummaryColumns> stats{};
  for (int c = 0; c < kSummaryColumns; ++c) {
    std::vector<double> values;
    ColumnStats& s = stats[size_t(c)];
    for (const ChildResult& child : children) {
      const Percents* p = child.percents(meal);
      if (!p) continue;
      const double v = (*p)[size_t(c)];
      values.push_back(v);
      ++s.bands[size_t(bandOf(wholePercent(v)))];
    }
    s.children = int(values.size());
    if (values.empty()) continue;
    s.lowest = *std::min_element(values.begin(), values.end());
    s.highest = *std::max_element(values.begin(), values.end());
    s.median = medianOf(std::move(values));
  }
  return stats;
}

ClassSummary summarizeClass(const std::vector<std::string>& files, const SummaryData& data,
                            SummaryMeal meal) {
  ClassSummary summary;
  summary.meal = meal;
  for (const std::string& path : files) {
    std::string reason;
    if (std::optional<ChildResult> child = readChildFile(path, data, reason))
      summary.children.push_back(std::move(*child));
    else
      summary.unreadable.push_back({path, reason});
  }
  summary.stats = classStats(summary.children, meal);
  return summary;
}

}  // namespace nv
