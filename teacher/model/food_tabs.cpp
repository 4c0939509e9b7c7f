#include "teacher/model/food_tabs.h"

#include <algorithm>

#include "core/food.h"
#include "core/kana_rows.h"
#include "platform/text.h"

namespace nv {

const std::vector<std::string>& foodTabCaptions() {
  static const std::vector<std::string> tabs = {sj("あ"), sj("か"), sj("さ"), sj("た"),
                                                sj("な"), sj("は"), sj("ま"), sj("や"),
                                                sj("ら"), sj("漢"), sj("全")};
  return tabs;
}

const TextRow& foodListHeadings() {
  static const TextRow headings = {sj("食品名"), sj("群別"),    sj("３色区分"), sj("ｶﾛﾘｰ"),
                                   sj("蛋白質"), sj("脂肪"),    sj("ｶﾙｼｳﾑ"),    sj("鉄分"),
                                   sj("ﾋﾞﾀﾐﾝA"), sj("ﾋﾞﾀﾐﾝB1"), sj("ﾋﾞﾀﾐﾝB2"),  sj("ﾋﾞﾀﾐﾝC"),
                                   sj("塩分")};
  return headings;
}

FoodTabRows foodTabRows(const TFoodData& foods, int tab) {
  FoodTabRows out;
  if (tab >= 0 && tab < kKanjiFoodTab) {
    const int row = kanaRowStartingWith(foodTabCaptions()[size_t(tab)]);
    if (row < 0) {
      out.rowFound = false;
      return out;
    }
    out.rows = foods.listRowsOfKanaRow(kanaRows()[size_t(row)]);
  } else if (tab == kKanjiFoodTab) {
    out.rows = foods.listRowsWithoutKana();
  } else if (tab == kAllFoodTab) {
    out.rows = foods.listRows();
    for (TextRow& r : out.rows) r.erase(r.begin());  // the code column is not shown here
  }
  std::stable_sort(out.rows.begin(), out.rows.end(),
                   [](const TextRow& a, const TextRow& b) { return compareJa(a[0], b[0]) < 0; });
  return out;
}

}  // namespace nv
