#pragma once
// The data file NV.nv (food section, then dish section) and the add-dish file NV_ADD.nv.
#include <string>
#include <string_view>

namespace nv {

class TFoodData;
class TKondateData;

// Loads NV.nv into fresh tables. When the file cannot be read, a box shows its path with the
// caption "食品データ/献立データ・ファイルが見つかりません（原因不明）" and both tables stay as
// they were. A food section that cannot be read stops the load before the dish section.
// True when both sections were read whole.
bool loadDataFile(std::string_view path, TFoodData& foods, TKondateData& dishes, bool showProgress);

// Merges NV_ADD.nv into the added dishes; a missing file is no error (false, no message).
bool loadAddFile(std::string_view path, TKondateData& dishes);

// The bytes of NV.nv: the food section, then the base dishes.
std::string dataFileBytes(const TFoodData& foods, const TKondateData& dishes);

// Replaces NV.nv atomically; a failure is reported in a box with the path.
bool writeDataFile(std::string_view path, const TFoodData& foods, const TKondateData& dishes);

// At exit, while added dishes are still unsaved (their last write failed): writes them to
// addPath again. When that fails, asks whether to save them elsewhere (a save dialog; addPath
// then names the file written), to quit without them, or to stay (false: do not quit). The
// data file dataPath is never offered as elsewhere.
bool saveAddedDishesAtExit(TKondateData& dishes, std::string& addPath, std::string_view dataPath);

// Writes NV.nv from a CSV conversion. Tables without a named food or without a dish never
// replace a file that is there (a box says so); a file replaced is kept as NV.nv.bak.
bool writeConvertedDataFile(std::string_view path, const TFoodData& foods,
                            const TKondateData& dishes);

}  // namespace nv
