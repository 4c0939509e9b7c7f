#pragma once
// A class of 40 saved menus and 40 lunch boxes over a synthetic NV.nv and NV.nvb of 2,000
// foods, written into a folder: the class summary's timing input (see class_summary.cpp).
#include <string>

#include "bench/bench_foods.h"
#include "bento/model/bento_data.h"
#include "bento/model/bento_data_file.h"
#include "bento/model/bento_save.h"
#include "core/kojin_data.h"
#include "core/kondate_data.h"
#include "core/nv_file.h"
#include "planner/model/menu_file.h"
#include "planner/model/selected_menu.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace nvbench {

constexpr int kClassFoods = 2000;

inline nv::TDaidokoro classKitchen() {
  nv::TDaidokoro k;
  for (int i = 0; i < 300; ++i) {
    nv::TBentouData d;
    d.Number = i + 1;
    d.Name = nv::sj("おかず") + std::to_string(i);
    for (int f = 0; f < 4; ++f) d.Foods.push_back({((i * 7 + f * 13) % kClassFoods) * 3 + 1, 20.0});
    k.Dishes.push_back(std::move(d));
  }
  return k;
}

inline void writeClassFolder(const std::string& folder) {
  static const char* names[] = {"はると", "ゆい", "そうた", "あおい", "れん",   "ひまり",
                                "ゆうと", "めい", "こはる", "いつき", "さくら", "たくみ"};
  // Scaled so that a day's menu lands near a child's requirement, as real ones do.
  const double scale[nv::kNutrientCount] = {6.7, 0.23,   0.18,   2.3,  0.029,
                                            4.8, 0.0025, 0.0027, 0.17, 0.021};
  std::vector<nv::TFood> table = makeFoods(kClassFoods);
  for (nv::TFood& f : table)
    for (int s = 0; s < nv::kNutrientCount; ++s) f.nutrients[size_t(s)] *= scale[s];
  nv::TFoodData foods;
  foods.setFoods(std::move(table));
  const nv::TDaidokoro kitchen = classKitchen();
  nv::writeFileAtomic(nv::joinPath(folder, "NV.nv"),
                      nv::dataFileBytes(foods, nv::TKondateData(), nullptr));
  nv::writeFileAtomic(nv::joinPath(folder, "NV.nvb"), nv::bentoDataBytes(foods, kitchen));
  for (int c = 0; c < 40; ++c) {
    nv::TKojinData child;
    child.setName(nv::sj(names[c % 12]) + std::to_string(c / 12 + 1));
    child.sex = c % 2;
    nv::SelectedMenu menu;
    for (int meal = 0; meal < 3; ++meal)
      for (int d = 0; d < 3; ++d) {
        nv::SelDish dish;
        dish.serialNo = menu.nextSerial();
        for (int f = 0; f < 5; ++f)
          dish.usedFoods.push_back({((c * 31 + meal * 7 + d * 5 + f) % kClassFoods) * 3 + 1,
                                    20.0 + (c * 13 + f * 7) % 60, 30});
        dish.weight = nv::totalAmount(dish.usedFoods);
        menu.add(meal, dish);
      }
    (void)nv::saveMenuFile(nv::joinPath(folder, "menu" + std::to_string(c) + ".nvu"), menu, child,
                           {});
    nv::PlacedDishRecords placed;
    for (int d = 0; d < 6; ++d)
      placed.push_back({kitchen.Dishes[size_t((c * 17 + d * 29) % 300)].Name, d * 40, 0, 40, 40});
    (void)nv::writeBentoSaveFile(nv::joinPath(folder, "box" + std::to_string(c) + ".nvub"), child,
                                 1.0, placed);
  }
}

}  // namespace nvbench
