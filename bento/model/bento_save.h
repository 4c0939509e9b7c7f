#pragma once
// The lunch-box save file (.nvub): the child's profile record, then the dishes placed in
// the box with their rectangles in window pixels and the kitchen scale they were saved at.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/result.h"

namespace nv {

class TKojinData;

struct PlacedDishRecord {
  std::string name;  // CP932 dish name
  int32_t left = 0, top = 0, width = 0, height = 0;
};
using PlacedDishRecords = std::vector<PlacedDishRecord>;

// A stored coordinate shown at another kitchen scale: v x ratio, truncated toward zero.
int32_t rescaleCoordinate(int32_t v, double ratio);
// current / stored; 1 when the stored scale is unusable (0, negative or not a number).
double rescaleRatio(double currentScale, double storedScale);

std::string bentoSaveBytes(const TKojinData& profile, double scale,
                           const PlacedDishRecords& dishes);
// Parses a save file held in memory. On success the profile and the records (rescaled to
// currentScale) are replaced; on failure both are left as they were. A file whose scale no
// screen gives, with a dish far outside the kitchen or larger than it, or with more dishes
// than a box holds, is damaged. The result carries what the profile record has to tell.
Result parseBentoSave(std::string_view bytes, double currentScale, TKojinData& profile,
                      PlacedDishRecords& dishes);

// File forms; each hands back the message for a file that cannot be read, is damaged or
// cannot be written. A failed open leaves the profile and the records as they were.
Result openBentoSaveFile(std::string_view path, double currentScale, TKojinData& profile,
                         PlacedDishRecords& dishes);
Result writeBentoSaveFile(std::string_view path, const TKojinData& profile, double scale,
                          const PlacedDishRecords& dishes);

// The child's name a file of the batch print starts with: its name without folder and
// extension.
std::string childNameOfSaveFile(std::string_view path);

// "お弁当のデータ.nvub", the name a box has until it is saved or named after the child.
std::string defaultBentoSaveName();
// The save file named after the child: the BentouDataSaveDir setting while the current file
// still has the default name (when the setting is not empty), else the documents folder
// (default name) or the current file's folder.
std::string bentoSaveNameForChild(std::string_view currentFile, std::string_view childName,
                                  std::string_view saveDirSetting,
                                  std::string_view documentsFolder);

}  // namespace nv
