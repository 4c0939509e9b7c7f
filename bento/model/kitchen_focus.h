#pragma once
// The kitchen without a mouse: the things a child can reach with Tab and the arrow keys, in
// the order they are reached. The overview offers the small box, the recipe book and the exit
// sign; the working view its appliances, the recipe book, the placed dishes and the rice ball.
#include <cstdint>
#include <vector>

#include "bento/model/kitchen_geometry.h"

namespace nv {

struct KitchenFocus {
  enum class Kind { Area, Exit, Dish, RiceBall };
  Kind kind = Kind::Area;
  KitchenArea area = KitchenArea::None;  // Kind::Area
  int32_t serial = -1;                   // Kind::Dish
  bool operator==(const KitchenFocus&) const = default;

  static KitchenFocus of(KitchenArea a) { return {Kind::Area, a, -1}; }
  static KitchenFocus dish(int32_t serial) { return {Kind::Dish, KitchenArea::None, serial}; }
};

// dishSerials: the placed dishes in the order Tab visits them.
std::vector<KitchenFocus> kitchenFocusRing(bool overview, const std::vector<int32_t>& dishSerials);

// The next (step 1) or previous (step -1) of `current` in the ring, wrapping round; the ring's
// first when `current` is no longer in it (a removed dish, another view).
KitchenFocus stepFocus(const std::vector<KitchenFocus>& ring, const KitchenFocus& current,
                       int step);

}  // namespace nv
