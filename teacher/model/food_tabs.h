#pragma once
// The food list of the dish add-and-edit window: tabs "あ" ... "ら" by kana row, "漢" for
// kanji initials and "全" for every food; rows sorted by food name.
#include <string>
#include <vector>

#include "core/rows.h"

namespace nv {

class TFoodData;

constexpr int kFoodTabCount = 11;
constexpr int kKanjiFoodTab = 9;
constexpr int kAllFoodTab = 10;

// "あ" "か" "さ" "た" "な" "は" "ま" "や" "ら" "漢" "全" (CP932).
const std::vector<std::string>& foodTabCaptions();
// "食品名" "群別" "３色区分" "ｶﾛﾘｰ" ... "塩分".
const TextRow& foodListHeadings();

struct FoodTabRows {
  bool rowFound = true;  // false: the tab's character starts no kana row ("見つかりません")
  TextRows rows;         // name, group, colour class, ten nutrients
};
// The foods of a tab, sorted by name in the Japanese, case-insensitive order.
FoodTabRows foodTabRows(const TFoodData& foods, int tab);

}  // namespace nv
