#pragma once
// The fifteen dish categories every database built from CSV starts with, in this order
// (CP932). The menu planner's dish data and the lunch-box data share them.
#include <string>
#include <vector>

namespace nv {
const std::vector<std::string>& fixedCategoryNames();
}  // namespace nv
