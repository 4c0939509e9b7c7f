#pragma once
// The lunch-box data file NV.nvb: the food section, then the kitchen part.
#include <string>
#include <string_view>

namespace nv {

class TDaidokoro;
class TFoodData;

// Parses NV.nvb held in memory. False when the food section is refused (its reader has
// shown why; the kitchen is left empty) or the kitchen part is damaged (no message; the
// complete dishes before the damage are kept).
bool parseBentoData(std::string_view bytes, TFoodData& foods, TDaidokoro& kitchen,
                    bool showProgress = false);
std::string bentoDataBytes(const TFoodData& foods, const TDaidokoro& kitchen);

// The kitchen window's load: the configured file, or NV.nvb of the program folder when it
// does not exist. Reports a file that cannot be opened or is damaged. `usedPath` receives
// the path actually read.
bool loadBentoDataFile(std::string_view configuredPath, TFoodData& foods, TDaidokoro& kitchen,
                       std::string* usedPath = nullptr, bool showProgress = true);

// Writes NV.nvb atomically; reports a file that cannot be written.
bool saveBentoDataFile(std::string_view path, const TFoodData& foods, const TDaidokoro& kitchen);

}  // namespace nv
