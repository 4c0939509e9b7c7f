#pragma once
// The printable nutrient table of a chosen menu: the day, each meal, each dish and each food
// with its ten nutrient values, as the cells the print dialog's grid shows (CP932), and the
// state of the print dialog's check list.
#include <functional>
#include <string>
#include <vector>

#include "core/rows.h"

namespace nv {

class SelectedMenu;
class TFoodData;

// The 17 column titles exactly as the grid stores them, spaces included (CP932).
const TextRow& nutrientTableTitles();

// Row 0 holds the titles; below it the day total, an empty numbered row, then per meal with
// dishes its total, and for each dish a dish row followed by one row per food. Every row has
// all 17 cells. dishName gives a dish's name by its number in the dish database.
TextRows nutrientTableRows(const SelectedMenu& menu, const TFoodData& foods,
                           const std::function<std::string(int)>& dishName);

// One item of the check list: item 0 the table, then the four meal nodes in list order.
struct PrintCheckItem {
  std::string text;  // CP932
  bool enabled = true;
  bool checked = false;
};
std::vector<PrintCheckItem> printCheckItems(const SelectedMenu& menu);

// True when any meal holds a dish (the print dialog has something to show).
bool menuHasDishes(const SelectedMenu& menu);

}  // namespace nv
