#pragma once
// The dish categories each of the conveyor's three rows carries, top to bottom, as the dish
// database names them (CP932): staples and soups, side dishes, fruit, sweets and drinks.
#include <array>
#include <string>
#include <vector>

namespace nv {

const std::array<std::vector<std::string>, 3>& conveyorRowCategories();

}  // namespace nv
