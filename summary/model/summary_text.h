#pragma once
// The texts every view of the class summary shares (CP932): column titles, the class rows'
// titles, the cells of a child's row.
#include <array>
#include <string>

#include "summary/model/class_summary.h"

namespace nv {

// The ten nutrient labels without their padding, then the six food-group names.
const std::array<std::string, kSummaryColumns>& summaryColumnTitles();

// The columns before the percentages in a child's row: "ファイル", "名前", "年齢", "性別",
// "生活活動強度", "種類", "評価(栄養素)", "評価(食品群)".
constexpr int kChildFixedColumns = 8;
const std::array<std::string, kChildFixedColumns>& childColumnTitles();
// Those cells of a child's row.
std::array<std::string, kChildFixedColumns> childFixedCells(const ChildResult& child);

// The class rows under the title row, in order.
enum class ClassRow { Median, Lowest, Highest, Under, Within, Over };
constexpr int kClassRowCount = 6;
// "中央値", "最低", "最高", "80%未満", "80～120%", "120%超"
const std::string& classRowTitle(ClassRow row);
// The row's value in a column as the tables show it ("" when no child has a value).
std::string classRowCell(const ColumnStats& stats, ClassRow row);

std::string sexText(int sex);                 // "男", "女"
std::string activityText(int activityLevel);  // "Ⅰ".."Ⅳ"
std::string kindText(ChildKind kind);         // "献立", "お弁当"
// "朝食", "昼食", "夕食", "１日分"
std::string mealText(SummaryMeal meal);
// A child's percentage in a column for the meal: the whole number, or "" when the file does
// not hold the meal.
std::string percentCell(const ChildResult& child, SummaryMeal meal, int column);
// A lunch box's grade 0..3 as a number; "" for a menu.
std::string gradeCell(const ChildResult& child, bool byGroups);

}  // namespace nv
