#pragma once
// Where a dish lands when the child does not say: a dish added without a drop point takes the
// next free place of the box, and a dish read from a save file is put back where it was in
// the kitchen, whatever the screen it was saved on.
#include <vector>

#include "bento/model/kitchen_geometry.h"

namespace nv {

// The first place, left to right and then row by row from the back of the box (or of the
// coaster), where a dish of that size overlaps none of `taken`; in a full box the first of the
// places the others cover least.
KRect nextFreePlace(const KitchenAreas& areas, KSize dish, bool insideBox,
                    const std::vector<KRect>& taken);

// A rectangle of a save file, already at the current scale and relative to the kitchen layout,
// on the screen: moved with the layout and kept in its bounds (inside the box, above its rim).
KRect placeStoredDish(const KitchenAreas& areas, const KRect& stored, bool insideBox);
// The window rectangle of a placed dish as a save file keeps it: relative to the layout.
KRect storedPlaceOf(const KitchenAreas& areas, const KRect& window);

}  // namespace nv
