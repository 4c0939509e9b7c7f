#pragma once
// A whole day as a teacher prints it, from the distribution's data: breakfast ごはん,
// 豆腐とわかめのみそ汁, 目玉焼き, バナナ; lunch カレーライス, 野菜サラダ, 牛乳; dinner ごはん,
// さけの塩焼き, 豚汁, ほうれんそうのおひたし.
#include <filesystem>
#include <string>

#include "core/food.h"
#include "core/gun_name.h"
#include "core/kojin_data.h"
#include "core/kondate_data.h"
#include "core/nv_file.h"
#include "planner/eiyouso_grid_form.h"
#include "planner/model/selected_menu.h"
#include "planner/pages/menu_charts.h"
#include "platform/text.h"
#include "shown.h"

namespace nvtest {

// build/dist beside nvtool's build/bin.
inline std::string distFolder() {
  return (std::filesystem::path(NV_TOOL_PATH).parent_path().parent_path() / "dist").string();
}

struct DayMenu {
  nv::TFoodData foods;
  nv::TKondateData dishes;
  nv::TKojinData profile;
  nv::TGunName gun;
  nv::SelectedMenu menu;
  std::string dist;

  // False when the distribution has not been built.
  bool load() {
    dist = distFolder();
    if (!nvtest::shown(nv::loadDataFile(dist + "/NV.nv", foods, dishes, nullptr))) return false;
    const char* meals[3][4] = {{"ごはん", "豆腐とわかめのみそ汁", "目玉焼き", "バナナ"},
                               {"カレーライス", "野菜サラダ", "牛乳", nullptr},
                               {"ごはん", "さけの塩焼き", "豚汁", "ほうれんそうのおひたし"}};
    for (int meal = 0; meal < 3; ++meal)
      for (const char* name : meals[meal])
        if (name && !add(meal, nv::sj(name))) return false;
    profile.setName(nv::sj("さくら"));
    return true;
  }

  bool add(int meal, const std::string& name) {
    for (const auto& order : dishes.orders())
      for (const auto& k : order.base)
        if (k.name == name) {
          nv::SelDish d;
          d.kondateNo = k.number;
          d.caption = k.name;
          d.usedFoods = k.foods;
          d.standardWeight = k.standardWeight;
          d.weight = nv::totalAmount(k.foods);
          return menu.add(meal, d);
        }
    return false;
  }

  nv::MenuPrintSource source() {
    nv::MenuPrintSource s;
    s.menu = &menu;
    s.foods = &foods;
    s.dishes = &dishes;
    s.profile = &profile;
    s.bmpFolder = dist + "/bmp/";
    s.chart = [this](int node) {
      const nv::MealTotals totals = menu.totals(node, &foods);
      nvtest::shown(totals.told);
      return nv::mealPaperChart(totals, node, profile, gun, true);
    };
    return s;
  }
};

}  // namespace nvtest
