#pragma once
// The lunch-box data file NV.nvb: the food section, then the kitchen part.
#include <string>
#include <string_view>

#include "platform/result.h"

namespace nv {

class ProgressOpener;
class TDaidokoro;
class TFoodData;

// Parses NV.nvb held in memory. Fails when the food section is refused (with its reader's
// messages; the kitchen is left empty) or the kitchen part is damaged (no message; the
// complete dishes before the damage are kept). The food section's reading shows its progress
// through `progress` (null: none).
Result parseBentoData(std::string_view bytes, TFoodData& foods, TDaidokoro& kitchen,
                      ProgressOpener* progress = nullptr);
std::string bentoDataBytes(const TFoodData& foods, const TDaidokoro& kitchen);

// Reads the data file at `path`. Carries the box for a file that cannot be opened or is
// damaged, after what the food section has to tell.
Result readBentoDataFile(std::string_view path, TFoodData& foods, TDaidokoro& kitchen,
                         ProgressOpener* progress = nullptr);

// The kitchen window's load: the configured file, or NV.nvb of the program folder when it
// does not exist. Carries the box for a file that cannot be opened or is damaged. `usedPath`
// receives the path actually read.
Result loadBentoDataFile(std::string_view configuredPath, TFoodData& foods, TDaidokoro& kitchen,
                         std::string* usedPath = nullptr, ProgressOpener* progress = nullptr);

// Writes NV.nvb atomically; carries the box for a file that cannot be written.
Result saveBentoDataFile(std::string_view path, const TFoodData& foods, const TDaidokoro& kitchen);

}  // namespace nv
