#pragma once
// The maker's settings file nvsetup.ini beside the installer: folders and the patterns of
// the files to distribute. Its presence turns maker mode on.
#include <string>
#include <utility>
#include <vector>

namespace nv {
class Ini;
}

namespace nv::setup {

struct MakerSettings {
  std::string src, lzh, main;
  std::vector<std::pair<std::string, bool>> patterns;  // pattern, checked

  void read(const Ini& ini);  // patterns with an empty name are skipped
  void write(Ini& ini) const;
  std::vector<std::string> checkedPatterns() const;
};

// The installer's own files: nvsetup, nvsetup.ini, nvsetup.dat beside the program.
std::string installerPath();
std::string settingsPath();
std::string snapshotPath();

}  // namespace nv::setup
