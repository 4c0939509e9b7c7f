#pragma once
// The synthetic food table the benchmarks share: count foods with distinct numbers,
// all seven groups and three colour classes.
#include <string>
#include <vector>

#include "core/food.h"
#include "platform/text.h"

namespace nvbench {

inline std::vector<nv::TFood> makeFoods(int count) {
  std::vector<nv::TFood> foods;
  for (int i = 0; i < count; ++i) {
    nv::TFood f;
    f.number = i * 3 + 1;
    f.code = std::to_string(10000 + i);
    f.name = nv::sj("しょくひん") + std::to_string(i);
    f.group = i % 7;
    f.colorClass = 1 + i % 3;
    for (int s = 0; s < nv::kNutrientCount; ++s) f.nutrients[s] = (i % 97) * 0.5 + s;
    foods.push_back(std::move(f));
  }
  return foods;
}

}  // namespace nvbench
