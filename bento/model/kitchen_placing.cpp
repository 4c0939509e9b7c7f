#include "bento/model/kitchen_placing.h"

#include <algorithm>

namespace nv {
namespace {

// Neighbours keep a little air between them, so that their names do not touch.
constexpr int kGap = 2;

// How much of r the others cover (with the gap around each); 0 for a free place.
long long overlap(const KRect& r, const std::vector<KRect>& taken) {
  long long sum = 0;
  for (const KRect& t : taken) {
    const long long w = std::min(r.right, t.right + kGap) - std::max(r.left, t.left - kGap);
    const long long h = std::min(r.bottom, t.bottom + kGap) - std::max(r.top, t.top - kGap);
    if (w > 0 && h > 0) sum += w * h;
  }
  return sum;
}

}  // namespace

KRect nextFreePlace(const KitchenAreas& areas, KSize dish, bool insideBox,
                    const std::vector<KRect>& taken) {
  const int w = std::max(0, dish.width), h = std::max(0, dish.height);
  const KRect bounds = confinementBounds(areas, insideBox);
  const KRect holder = insideBox ? areas.largeBox : areas.coaster;
  // The first row sits just inside the box's back rim (about half as deep as its front).
  const int rim = insideBox ? areas.boxFront.height() / 2 : 0;
  const int firstBottom = std::min(bounds.bottom, std::max(bounds.top, holder.top + rim + h));
  const int stepX = std::max(1, w / 8), stepY = std::max(1, h / 8);
  // In a crowded box the place least covered by others, so that dishes still spread out.
  KRect best = confine({bounds.left, firstBottom - h, bounds.left + w, firstBottom}, bounds);
  long long bestOverlap = -1;
  for (int bottom = firstBottom; bottom <= bounds.bottom; bottom += stepY)
    for (int left = bounds.left; left + w <= bounds.right; left += stepX) {
      const KRect r{left, bottom - h, left + w, bottom};
      const long long o = overlap(r, taken);
      if (o == 0) return r;
      if (bestOverlap < 0 || o < bestOverlap) best = r, bestOverlap = o;
    }
  return best;
}

KRect placeStoredDish(const KitchenAreas& areas, const KRect& stored, bool insideBox) {
  return confine(areas.place(stored), confinementBounds(areas, insideBox));
}

KRect storedPlaceOf(const KitchenAreas& areas, const KRect& window) {
  return movedRect(window, -areas.originX, -areas.originY);
}

}  // namespace nv
