#include "bento/model/bento_grade.h"

#include <array>
#include <cmath>

#include "core/gun_name.h"
#include "core/kojin_data.h"
#include "platform/text.h"

namespace nv {
namespace {

bool within(double r, double lo, double hi) { return r >= lo && r <= hi; }

// trunc(v) as an int, clamped so that absurd totals cannot overflow the conversion.
int truncToInt(double v) {
  double t = std::trunc(v);
  if (!(t == t)) return 0;
  if (t > 2147483647.0) return 2147483647;
  if (t < -2147483648.0) return -2147483647 - 1;
  return int(t);
}

}  // namespace

LunchRequirements LunchRequirements::of(const TKojinData& profile) {
  LunchRequirements r;
  for (int i = 0; i < kNutrientCount; ++i) r.nutrients[size_t(i)] = profile.Requirement(kLunch, i);
  for (int g = 0; g < kFoodGroupCount; ++g)
    r.groups[size_t(g)] = profile.GroupRequirement(kLunch, g);
  return r;
}

double requirementRatio(double total, double requirement) {
  if (!(requirement > 0)) return 0;
  return total / requirement;
}

int gradeByNutrients(const Nutrients& totals, const Nutrients& lunch) {
  int outside = 0;
  for (size_t i = 0; i < 9; ++i)
    if (!within(requirementRatio(totals[i], lunch[i]), 0.7, 1.3)) ++outside;
  if (outside <= 2) return 0;
  if (outside <= 5) return 1;
  if (outside <= 8) return 2;
  return 3;
}

int groupPoints(const GroupGrams& grams, const GroupGrams& lunch) {
  auto r = [&](size_t g) { return requirementRatio(grams[g], lunch[g]); };
  int points = 0;
  int held = int(within(r(1), 0.7, 1.3)) + int(within(r(2), 0.3, 1.5));
  points += 3 - held;
  if (r(3) < 0.7) {
    points += 3;
  } else {
    double e = requirementRatio(grams[3] + grams[4], lunch[3] + lunch[4]);
    points += e < 0.7 ? 2 : 1;
  }
  held = int(within(r(5), 0.7, 1.3)) + int(r(6) <= 1.3);
  points += 3 - held;
  return points;
}

int gradeByGroups(const GroupGrams& grams, const GroupGrams& lunch) {
  int points = groupPoints(grams, lunch);
  if (points <= 4) return 0;
  if (points <= 7) return 2;
  return 3;
}

BoxGrade gradeBox(const TDaidokoro& kitchen, const NameList& dishes, const TKojinData& profile,
                  GraphKind kind, const TFoodData& foods) {
  LunchRequirements lunch = LunchRequirements::of(profile);
  BoxGrade g;
  if (kind == GraphKind::Nutrients) {
    Nutrients totals{};
    g.told = kitchen.nutrientTotals(dishes, totals, foods);
    g.grade = gradeByNutrients(totals, lunch.nutrients);
    return g;
  }
  GroupGrams grams{};
  g.told = kitchen.foodGroupGrams(dishes, grams, foods);
  g.grade = gradeByGroups(grams, lunch.groups);
  return g;
}

const std::string& nutrientGraphLabel(int slot) {
  static const std::array<std::string, kNutrientCount> kLabels = {
      sj("エネルギー"), sj("蛋白質 "), sj(" 脂肪  "), sj(" ｶﾙｼｳﾑ "), sj(" 鉄分  "),
      sj("ﾋﾞﾀﾐﾝA "),    sj("ﾋﾞﾀﾐﾝB1"), sj("ﾋﾞﾀﾐﾝB2"), sj("ﾋﾞﾀﾐﾝC "), sj(" 塩分  ")};
  static const std::string kNone;
  return slot >= 0 && slot < kNutrientCount ? kLabels[size_t(slot)] : kNone;
}

std::vector<GraphRow> evaluationGraphRows(GraphKind kind, const Nutrients& totals,
                                          const GroupGrams& grams, const LunchRequirements& lunch,
                                          const TGunName& groupNames) {
  std::vector<GraphRow> rows;
  int count = kind == GraphKind::Nutrients ? kNutrientCount : 6;
  for (int i = 0; i < count; ++i) {
    GraphRow row;
    if (kind == GraphKind::Nutrients) {
      row.label = nutrientGraphLabel(i);
      row.total = totals[size_t(i)];
      row.requirement = lunch.nutrients[size_t(i)];
      row.colorGroup = i <= 6 ? i : -1;
    } else {
      row.label = groupNames.name(i + 1);
      row.total = grams[size_t(i + 1)];
      row.requirement = lunch.groups[size_t(i + 1)];
      row.colorGroup = i + 1;
    }
    row.ratio = requirementRatio(row.total, row.requirement);
    row.percent = truncToInt(row.ratio * 100);
    row.percentText = cformat("%d%%", row.percent);
    rows.push_back(std::move(row));
  }
  return rows;
}

int barRight(int x0, int half, int right, double ratio) {
  double end = double(x0) + std::trunc(ratio * half);
  if (!(end == end)) return x0;
  if (end < -2147483648.0) return -2147483647 - 1;
  return end < double(right) ? int(end) : right;
}

}  // namespace nv
