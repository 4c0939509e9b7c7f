#pragma once
// Small food tables and dish databases for the dish-database tests.
#include <string>
#include <vector>

#include "core/food.h"
#include "core/kondate_data.h"
#include "platform/text.h"

namespace nvtest {

// Foods numbered 1.. with the given (UTF-8) names.
inline nv::TFoodData foodsNamed(const std::vector<std::string>& namesUtf8) {
  std::vector<nv::TFood> foods;
  int32_t number = 1;
  for (const std::string& n : namesUtf8) {
    nv::TFood f;
    f.number = number++;
    f.name = nv::sj(n);
    f.nutrients[0] = 100;
    foods.push_back(f);
  }
  nv::TFoodData data;
  data.setFoods(std::move(foods));
  return data;
}

// A dish of (food number, grams) ingredients; the weight is their sum.
inline nv::TKondate dish(int32_t number, const std::string& nameUtf8,
                         const std::vector<std::pair<int32_t, double>>& foods = {}) {
  nv::TKondate k = nv::TKondate::make(number, nv::sj(nameUtf8));
  for (auto [food, grams] : foods) {
    k.foods.push_back(nv::TUsedFood{food, grams, grams});
    k.standardWeight += grams;
  }
  return k;
}

inline nv::TOrder& category(nv::TKondateData& db, const std::string& nameUtf8) {
  return db.findOrAppendOrder(nv::sj(nameUtf8));
}

inline std::string u8(const std::string& cp932) { return nv::cp932ToUtf8(cp932); }

}  // namespace nvtest
