#include "bento/model/kitchen_focus.h"

#include <algorithm>

namespace nv {

std::vector<KitchenFocus> kitchenFocusRing(bool overview, const std::vector<int32_t>& dishSerials) {
  if (overview)
    return {KitchenFocus::of(KitchenArea::SmallBox),
            KitchenFocus::of(KitchenArea::RecipeBook),
            {KitchenFocus::Kind::Exit, KitchenArea::None, -1}};
  // Left to right along the counter, the refrigerator's two doors top first.
  std::vector<KitchenFocus> ring;
  for (KitchenArea a : {KitchenArea::FryingPan, KitchenArea::Pot, KitchenArea::RecipeBook,
                        KitchenArea::Cupboard, KitchenArea::RiceCooker, KitchenArea::Oven,
                        KitchenArea::Refrigerator, KitchenArea::Freezer})
    ring.push_back(KitchenFocus::of(a));
  for (int32_t serial : dishSerials) ring.push_back(KitchenFocus::dish(serial));
  ring.push_back({KitchenFocus::Kind::RiceBall, KitchenArea::None, -1});
  return ring;
}

KitchenFocus stepFocus(const std::vector<KitchenFocus>& ring, const KitchenFocus& current,
                       int step) {
  if (ring.empty()) return {};
  const auto it = std::find(ring.begin(), ring.end(), current);
  if (it == ring.end()) return ring.front();
  const long n = long(ring.size());
  const long i = ((it - ring.begin()) + step % n + n) % n;
  return ring[size_t(i)];
}

}  // namespace nv
