#pragma once
// The kitchen's settings in NV.ini: section "Bentoubako" and the group colours of "Data".
// A dialog edits a copy and hands it back; the kitchen writes it when the dialog is accepted.
#include <array>
#include <cstdint>
#include <string>

namespace nv {

class Ini;

struct KitchenSettings {
  std::string foodDataFile;              // "FoodDataFile": food CSV of the data builder
  std::string kondateDataFile;           // "KondateDataFile": dish CSV of the data builder
  std::string dataBaseFileName;          // "DataBaseFileName": NV.nvb
  std::string bmpFolder;                 // "BmpFolder": base of the dish and appliance pictures
  int kondateIconSize = 128;             // "KondateIconSize": design pixels, 1..1024
  int scrollBarStyle = 0;                // "ReizoukoScrollBarStyle": 0..4
  std::string saveDir;                   // "BentouDataSaveDir": folder of new save files
  std::array<int32_t, 7> groupColors{};  // "Data" / "GunColor0".."GunColor6"

  // Defaults: the program folder's NV.nvb and bentou/, icon 128, buttons, the built-in
  // group colours.
  static KitchenSettings defaults();
  // Missing keys keep the defaults; numbers outside their range are pulled into it.
  static KitchenSettings read(const Ini& ini);
  // Writes what the settings dialog changes: the seven colours and every Bentoubako key but
  // BmpFolder and KondateIconSize (which only a hand edit changes). False when refused.
  bool write(Ini& ini) const;

  // The data file the kitchen reads: the configured one, or the program folder's NV.nvb
  // when the configured one does not exist.
  std::string dataFileToRead() const;
};

inline constexpr const char* kKitchenSection = "Bentoubako";

}  // namespace nv
