#pragma once
// What the menu commands share: their options and loading a saved menu with its data.
#include <string>
#include <vector>

#include "core/food.h"
#include "core/kojin_data.h"
#include "core/kondate_data.h"
#include "planner/model/selected_menu.h"

namespace nvtool {

struct MenuOptions {
  std::string menuPath, dataPath, addPath;  // UTF-8
  std::string outPath;                      // -o (menu-print)
  bool table = false;                       // --table (menu-print)
  std::vector<int> meals;                   // --meals (menu-print)
  bool mealsGiven = false;
};

// Parses FILE.nvu --data NV.nv [--add NV_ADD.nv], and with `printOptions` also -o, --table and
// --meals LIST. Returns kOk, or the usage error status after printing why.
int parseMenuOptions(const std::vector<std::string>& args, bool printOptions, MenuOptions& out);

struct LoadedMenu {
  nv::TFoodData foods;
  nv::TKondateData dishes;
  nv::TKojinData profile;
  nv::SelectedMenu menu;
  nv::KojinViewState view;  // the chart basis and meal tab the file holds
};
// Loads the data, the add-dish file and the menu; false after printing why.
bool loadMenu(const MenuOptions& options, LoadedMenu& out);

}  // namespace nvtool
