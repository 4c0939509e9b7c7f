#pragma once
// A small food table and kitchen for the lunch-box model tests.
#include <string>

#include "bento/model/bento_data.h"
#include "core/food.h"
#include "platform/text.h"

namespace nvtest {

inline nv::TFood food(int32_t number, const char* nameUtf8, int32_t group, double energy) {
  nv::TFood f;
  f.number = number;
  f.name = nv::sj(nameUtf8);
  f.group = group;
  f.nutrients.fill(0);
  f.nutrients[0] = energy;
  f.nutrients[1] = 10;
  return f;
}

// Foods 10 ごはん (group 5, 168 kcal), 20 たまご (group 1, 151 kcal), 30 ほうれんそう (group 3).
inline nv::TFoodData sampleFoods() {
  nv::TFoodData foods;
  foods.setFoods(
      {food(10, "ごはん", 5, 168), food(20, "たまご", 1, 151), food(30, "ほうれんそう", 3, 20)});
  return foods;
}

inline nv::TBentouData dish(const char* nameUtf8, int32_t placement, double volume,
                            std::initializer_list<nv::TBentouShokuhin> foods) {
  nv::TBentouData d;
  d.Name = nv::sj(nameUtf8);
  d.PlacementIndex = placement;
  d.VolumeMl = volume;
  d.Foods = foods;
  return d;
}

}  // namespace nvtest
