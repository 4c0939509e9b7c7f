#pragma once
// The data file NV.nv (food section, then dish section) and the add-dish file NV_ADD.nv.
#include <string>
#include <string_view>

#include "platform/result.h"

namespace nv {

class TFoodData;
class TKondateData;

// Loads NV.nv into fresh tables. When the file cannot be read, the failure's box shows its
// path with the caption "食品データ/献立データ・ファイルが見つかりません（原因不明）" and both
// tables stay as they were. A food section that cannot be read stops the load before the
// dish section. Succeeds when both sections were read whole. `progress` may be null.
Result loadDataFile(std::string_view path, TFoodData& foods, TKondateData& dishes,
                    ProgressOpener* progress);

// Merges NV_ADD.nv into the added dishes; a missing file fails with nothing to tell.
Result loadAddFile(std::string_view path, TKondateData& dishes);

// The bytes of NV.nv: the food section, then the base dishes.
std::string dataFileBytes(const TFoodData& foods, const TKondateData& dishes,
                          ProgressOpener* progress);

// Replaces NV.nv atomically; a failure comes with a box naming the path.
Result writeDataFile(std::string_view path, const TFoodData& foods, const TKondateData& dishes,
                     ProgressOpener* progress);

// Writes NV.nv from a CSV conversion. Tables without a named food or without a dish never
// replace a file that is there (a box says so); a file replaced is kept as NV.nv.bak.
Result writeConvertedDataFile(std::string_view path, const TFoodData& foods,
                              const TKondateData& dishes, ProgressOpener* progress);

}  // namespace nv
