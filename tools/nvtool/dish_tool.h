#pragma once
// What the dish commands share: loading NV.nv (and NV_ADD.nv) and printing cells.
#include <string>

namespace nv {
class TFoodData;
class TKondateData;
}  // namespace nv

namespace nvtool {

// A CP932 field as one UTF-8 cell: tabs and line breaks become blanks.
std::string dishCell(const std::string& cp932);
// Loads the data file and, when addPathUtf8 is not empty, the add-dish file (which must
// exist). Readers' boxes go to stderr; false (after printing why) on any problem.
bool loadDishDatabase(const std::string& dataPathUtf8, const std::string& addPathUtf8,
                      nv::TFoodData& foods, nv::TKondateData& dishes);

}  // namespace nvtool
