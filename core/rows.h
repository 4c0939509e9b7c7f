#pragma once
// Plain row data for list views and grids: the windows show these as they are.
#include <string>
#include <vector>

namespace nv {
using TextRow = std::vector<std::string>;  // CP932 cells
using TextRows = std::vector<TextRow>;
}  // namespace nv
