#include "setup/model/maker_settings.h"

#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace nv::setup {

namespace {
// A value ends where the file's writer would cut it (a NUL or a line break), so settings read
// are the settings written back.
std::string value(const Ini& ini, const char* section, const std::string& key) {
  std::string v = ini.readString(section, key, "");
  return v.substr(0, v.find_first_of(std::string("\0\r\n", 3)));
}
}  // namespace

void MakerSettings::read(const Ini& ini) {
  src = value(ini, "MainForm", "Src");
  lzh = value(ini, "MainForm", "Lzh");
  main = value(ini, "MainForm", "Main");
  patterns.clear();
  int max = ini.readInteger("HaihuFiles", "Max", 0);
  for (int i = 0; i < max && i < 10000; ++i) {
    std::string name = value(ini, "HaihuFiles", cformat("i%dn", i));
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

}  // namespace nv::setup
