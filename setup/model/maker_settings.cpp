#include "setup/model/maker_settings.h"

#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace nv {

void MakerSettings::read(const Ini& ini) {
  src = ini.readString("MainForm", "Src", "");
  lzh = ini.readString("MainForm", "Lzh", "");
  main = ini.readString("MainForm", "Main", "");
  patterns.clear();
  int max = ini.readInteger("HaihuFiles", "Max", 0);
  for (int i = 0; i < max && i < 10000; ++i) {
    std::string name = ini.readString("HaihuFiles", cformat("i%dn", i), "");
    if (name.empty()) continue;
    patterns.push_back({name, ini.readInteger("HaihuFiles", cformat("i%dc", i), 0) == 1});
  }
}

void MakerSettings::write(Ini& ini) const {
  ini.writeString("MainForm", "Src", src);
  ini.writeString("MainForm", "Lzh", lzh);
  ini.writeString("MainForm", "Main", main);
  ini.writeInteger("HaihuFiles", "Max", static_cast<int>(patterns.size()));
  for (size_t i = 0; i < patterns.size(); ++i) {
    ini.writeString("HaihuFiles", cformat("i%zun", i), patterns[i].first);
    ini.writeInteger("HaihuFiles", cformat("i%zuc", i), patterns[i].second ? 1 : 0);
  }
}

std::vector<std::string> MakerSettings::checkedPatterns() const {
  std::vector<std::string> out;
  for (const auto& [p, on] : patterns)
    if (on) out.push_back(p);
  return out;
}

std::string installerPath() { return joinPath(programFolder(), "nvsetup"); }
std::string settingsPath() { return joinPath(programFolder(), "nvsetup.ini"); }
std::string snapshotPath() { return joinPath(programFolder(), "nvsetup.dat"); }

}  // namespace nv
