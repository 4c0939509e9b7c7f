#include "bento/model/kitchen_settings.h"

#include <algorithm>

#include "bento/model/bento_pictures.h"
#include "core/gun_name.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/user_folders.h"

namespace nv {

KitchenSettings KitchenSettings::defaults() {
  KitchenSettings k;
  // A packaged install reads the NV.nvb the teacher converted into the user's folder.
  k.dataBaseFileName = dataFileForReading(joinPath(programFolder(), "NV.nvb"));
  k.bmpFolder = defaultBentoBmpFolder();
  for (int i = 0; i < 7; ++i) k.groupColors[size_t(i)] = TGunName::defaultColor(i);
  return k;
}

KitchenSettings KitchenSettings::read(const Ini& ini) {
  KitchenSettings k = defaults();
  const char* sec = kKitchenSection;
  k.foodDataFile = ini.readString(sec, "FoodDataFile", k.foodDataFile);
  k.kondateDataFile = ini.readString(sec, "KondateDataFile", k.kondateDataFile);
  k.dataBaseFileName =
      dataFileForReading(ini.readString(sec, "DataBaseFileName", k.dataBaseFileName));
  k.bmpFolder = ini.readString(sec, "BmpFolder", k.bmpFolder);
  if (k.bmpFolder.empty()) k.bmpFolder = defaultBentoBmpFolder();
  k.kondateIconSize = std::clamp(ini.readInteger(sec, "KondateIconSize", 128), 1, 1024);
  k.scrollBarStyle = std::clamp(ini.readInteger(sec, "ReizoukoScrollBarStyle", 0), 0, 4);
  k.saveDir = ini.readString(sec, "BentouDataSaveDir", k.saveDir);
  TGunName colors;
  colors.loadColors(ini);
  for (int i = 0; i < 7; ++i) k.groupColors[size_t(i)] = colors.color(i);
  return k;
}

bool KitchenSettings::write(Ini& ini) const {
  TGunName colors;
  for (int i = 0; i < 7; ++i) colors.setColor(i, groupColors[size_t(i)]);
  bool ok = colors.saveColors(ini);
  const char* sec = kKitchenSection;
  ok = ini.writeString(sec, "FoodDataFile", foodDataFile) && ok;
  ok = ini.writeString(sec, "KondateDataFile", kondateDataFile) && ok;
  ok = ini.writeString(sec, "DataBaseFileName", dataBaseFileName) && ok;
  ok = ini.writeInteger(sec, "ReizoukoScrollBarStyle", scrollBarStyle) && ok;
  ok = ini.writeString(sec, "BentouDataSaveDir", saveDir) && ok;
  return ok;
}

std::string KitchenSettings::dataFileToRead() const {
  if (!dataBaseFileName.empty() && fileExists(dataBaseFileName)) return dataBaseFileName;
  return joinPath(programFolder(), "NV.nvb");
}

}  // namespace nv
