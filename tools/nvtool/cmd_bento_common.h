#pragma once
// What the lunch-box commands share: reading NV.nvb and printing CP932 cells.
#include <string>

namespace nv {
class TDaidokoro;
class TFoodData;
}  // namespace nv

namespace nvtool {

// A CP932 field as one UTF-8 cell: tabs and line breaks become blanks.
std::string bentoCell(const std::string& cp932);
// Reads a lunch-box data file (no fallback to the program folder). Readers' boxes go to
// stderr; false (after printing why) on any problem.
bool loadBentoData(const std::string& pathUtf8, nv::TFoodData& foods, nv::TDaidokoro& kitchen);

}  // namespace nvtool
