#pragma once
// A class of six hand-made files over a two-food table, with every sum simple enough to work
// out by hand:
//   food 1 (group 1): 200 kcal and 0.5 g salt per 100 g; food 2 (group 5): 100 kcal.
// Group targets come from the standard table: a boy of 12 g1 310 g5 410, a girl 300 and 390.
//   taro.nvu   boy, energy 2000: breakfast 200 g food 1 (400 kcal), lunch
//              300 g food 2 (300), dinner 300 g food 1 + 200 g food 2 (800) -> day 1500 kcal.
//   hana.nvu   girl, energy 1500: breakfast 300 g food 2, lunch 300 g food 1,
//              dinner 600 g food 2 -> day 1500 kcal.
//   jiro.nvu   boy, energy 2000, lunch only: 750 g food 2.
//   sakura.nvub girl, energy 1600: two rice balls (150 g food 2 each) and fried chicken (100 g food
//   1). ken.nvub   boy, energy 2400: fried chicken and a dish NV.nvb does not know. broken.nvu a
//   few bytes of text.
// Meal shares are the default 2:3:3 of 8.
#include <string>
#include <vector>

#include "bento/model/bento_data.h"
#include "bento/model/bento_data_file.h"
#include "bento/model/bento_save.h"
#include "core/food.h"
#include "core/kojin_data.h"
#include "core/kondate_data.h"
#include "core/nv_file.h"
#include "planner/model/menu_file.h"
#include "planner/model/selected_menu.h"
#include "platform/text.h"
#include "temp_dir.h"

namespace nvtest {

inline nv::TFoodData classFoods() {
  nv::TFood a, b;
  a.number = 1, a.name = nv::sj("とりにく"), a.group = 1, a.nutrients[nv::kEnergy] = 200;
  a.nutrients[nv::kSalt] = 0.5;
  b.number = 2, b.name = nv::sj("ごはん"), b.group = 5, b.nutrients[nv::kEnergy] = 100;
  nv::TFoodData foods;
  foods.setFoods({a, b});
  return foods;
}

inline nv::TDaidokoro classKitchen() {
  nv::TDaidokoro kitchen;
  nv::TBentouData rice, chicken;
  rice.Number = 1, rice.Name = nv::sj("おにぎり"), rice.Foods = {{2, 150}};
  chicken.Number = 2, chicken.Name = nv::sj("からあげ"), chicken.Foods = {{1, 100}};
  kitchen.Dishes = {rice, chicken};
  return kitchen;
}

inline nv::TKojinData classChild(const char* nameUtf8, int sex, double energy) {
  nv::TKojinData k;
  k.setName(nv::sj(nameUtf8));
  k.sex = sex;
  k.requirements[nv::kEnergy] = energy;
  return k;
}

struct MenuDish {
  int meal;
  std::vector<nv::TUsedFood> foods;
};

inline void writeClassMenu(const std::string& path, const nv::TKojinData& child,
                           const std::vector<MenuDish>& dishes) {
  nv::SelectedMenu menu;
  for (const MenuDish& d : dishes) {
    nv::SelDish dish;
    dish.serialNo = menu.nextSerial();
    dish.usedFoods = d.foods;
    for (const nv::TUsedFood& f : d.foods) dish.weight += f.amount;
    menu.add(d.meal, dish);
  }
  nv::saveMenuFile(path, menu, child, {});
}

// Writes the six files and the two data files into `dir`.
inline void writeClass(const TempDir& dir) {
  const nv::TFoodData foods = classFoods();
  writeBytes(dir.file("NV.nv"), nv::dataFileBytes(foods, nv::TKondateData()));
  writeBytes(dir.file("NV.nvb"), nv::bentoDataBytes(foods, classKitchen()));
  writeClassMenu(dir.file("taro.nvu"), classChild("たろう", 0, 2000),
                 {{0, {{1, 200, 200}}}, {1, {{2, 300, 300}}}, {2, {{1, 300, 300}, {2, 200, 200}}}});
  writeClassMenu(dir.file("hana.nvu"), classChild("はなこ", 1, 1500),
                 {{0, {{2, 300, 300}}}, {1, {{1, 300, 300}}}, {2, {{2, 600, 600}}}});
  writeClassMenu(dir.file("jiro.nvu"), classChild("じろう", 0, 2000), {{1, {{2, 750, 750}}}});
  writeBytes(dir.file("sakura.nvub"), nv::bentoSaveBytes(classChild("さくら", 1, 1600), 1.0,
                                                         {{nv::sj("おにぎり"), 0, 0, 10, 10},
                                                          {nv::sj("おにぎり"), 10, 0, 10, 10},
                                                          {nv::sj("からあげ"), 20, 0, 10, 10}}));
  writeBytes(dir.file("ken.nvub"), nv::bentoSaveBytes(classChild("けん", 0, 2400), 1.0,
                                                      {{nv::sj("からあげ"), 0, 0, 10, 10},
                                                       {nv::sj("なぞ"), 10, 0, 10, 10}}));
  writeBytes(dir.file("broken.nvu"), "not a menu");
}

}  // namespace nvtest
