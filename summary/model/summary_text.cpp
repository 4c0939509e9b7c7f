#include "summary/model/summary_text.h"

#include "core/gun_name.h"
#include "planner/model/chart_values.h"
#include "planner/model/selected_menu.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace nv {
namespace {

std::string trimmed(const std::string& s) {
  const size_t first = s.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

}  // namespace

const std::array<std::string, kSummaryColumns>& summaryColumnTitles() {
  static const std::array<std::string, kSummaryColumns> titles = [] {
    std::array<std::string, kSummaryColumns> t;
    for (int k = 0; k < kNutrientCount; ++k)
      t[size_t(k)] = trimmed(nutrientChartLabels()[size_t(k)]);
    const TGunName groups;
    for (int g = 1; g < kFoodGroupCount; ++g) t[size_t(kNutrientCount + g - 1)] = groups.name(g);
    return t;
  }();
  return titles;
}

const std::array<std::string, kChildFixedColumns>& childColumnTitles() {
  static const std::array<std::string, kChildFixedColumns> titles = {
      sj("ファイル"),     sj("名前"), sj("年齢"),         sj("性別"),
      sj("生活活動強度"), sj("種類"), sj("評価(栄養素)"), sj("評価(食品群)")};
  return titles;
}

std::array<std::string, kChildFixedColumns> childFixedCells(const ChildResult& c) {
  return {fileNameOf(c.path),
          c.name,
          std::to_string(c.age),
          sexText(c.sex),
          activityText(c.activityLevel),
          kindText(c.kind),
          gradeCell(c, false),
          gradeCell(c, true)};
}

const std::string& classRowTitle(ClassRow row) {
  static const std::array<std::string, kClassRowCount> titles = {
      sj("中央値"), sj("最低"), sj("最高"), sj("80%未満"), sj("80～120%"), sj("120%超")};
  return titles[size_t(row)];
}

std::string classRowCell(const ColumnStats& s, ClassRow row) {
  switch (row) {
    case ClassRow::Median:
      return s.children ? std::to_string(wholePercent(s.median)) : std::string();
    case ClassRow::Lowest:
      return s.children ? std::to_string(wholePercent(s.lowest)) : std::string();
    case ClassRow::Highest:
      return s.children ? std::to_string(wholePercent(s.highest)) : std::string();
    case ClassRow::Under:
      return std::to_string(s.bands[0]);
    case ClassRow::Within:
      return std::to_string(s.bands[1]);
    case ClassRow::Over:
      return std::to_string(s.bands[2]);
  }
  return {};
}

std::string sexText(int sex) { return sex == 1 ? sj("女") : sj("男"); }

std::string activityText(int level) {
  static const std::array<std::string, 4> levels = {sj("Ⅰ"), sj("Ⅱ"), sj("Ⅲ"), sj("Ⅳ")};
  return level >= 0 && level < 4 ? levels[size_t(level)] : std::to_string(level);
}

std::string kindText(ChildKind kind) { return kind == ChildKind::Menu ? sj("献立") : sj("お弁当"); }

std::string mealText(SummaryMeal meal) { return SelectedMenu::nodeNames()[size_t(meal)]; }

std::string percentCell(const ChildResult& child, SummaryMeal meal, int column) {
  const Percents* p = child.percents(meal);
  return p ? std::to_string(wholePercent((*p)[size_t(column)])) : std::string();
}

std::string gradeCell(const ChildResult& child, bool byGroups) {
  if (child.kind != ChildKind::LunchBox) return {};
  return std::to_string(byGroups ? child.gradeByGroups : child.gradeByNutrients);
}

}  // namespace nv
