#pragma once
// Where a window goes when its stored bounds may lie off every screen (a monitor unplugged,
// a hand-edited NV.ini): on the screen it overlaps most, or the first one, shrunk to that
// screen's work area and moved inside it.
#include <vector>

#include "planner/model/planner_settings.h"

namespace nv {

// workAreas: the screens' available areas, primary first. Without any, `wanted` is kept.
ScreenRect placeOnScreens(const ScreenRect& wanted, const std::vector<ScreenRect>& workAreas);

}  // namespace nv
