#pragma once
// Names the lunch-box data and the kitchen's folders hold (CP932), for the windows that
// compare with them or join them to a path.
#include <string>

namespace nv {

// The placement of the dishes that go inside the box.
const std::string& boxPlacementName();
// The recipe page's background picture, relative to the lunch-box picture folder.
const std::string& recipePageBackground();

}  // namespace nv
