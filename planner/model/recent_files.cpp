#include "planner/model/recent_files.h"

#include <algorithm>

#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace nv {
namespace {
// Lower-cases ASCII letters only; the trail byte of a double-byte character is left alone.
std::string lowerCp932(const std::string& s) {
  std::string out = s;
  for (size_t i = 0; i < out.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(out[i]);
    if (isCp932LeadByte(c)) {
      ++i;
      continue;
    }
    if (c >= 'A' && c <= 'Z') out[i] = char(c - 'A' + 'a');
  }
  return out;
}
}  // namespace

void RecentFiles::add(const std::string& path) {
  const std::string key = lowerCp932(path);
  std::erase_if(paths_, [&](const std::string& p) { return lowerCp932(p) == key; });
  paths_.insert(paths_.begin(), path);
}

std::vector<std::string> RecentFiles::menuCaptions() const {
  std::vector<std::string> captions;
  const int last = std::min<int>(int(paths_.size()), kStored) - 1;
  for (int i = 1; i <= last; ++i) {
    const char* path = paths_[size_t(i)].c_str();
    if (i <= 10)
      captions.push_back(cformat("&%d %s", i - 1, path));
    else
      captions.push_back(cformat("&%c %s", char(i + 54), path));
  }
  return captions;
}

std::string RecentFiles::pathOfCaption(const std::string& caption) {
  return caption.size() > 3 ? caption.substr(3) : std::string();
}

std::vector<std::string> RecentFiles::storedPaths() const {
  std::vector<std::string> out;
  for (const std::string& p : paths_)
    if (p != "default") out.push_back(p);
  if (out.size() > size_t(kStored)) out.resize(size_t(kStored));
  return out;
}

void RecentFiles::read(const Ini& ini) {
  paths_.clear();
  const int count = ini.readInteger("MainForm", "MenuCount", 0);
  for (int i = 0; i < count && i < kStored; ++i) {
    std::string path = ini.readString("MainForm", cformat("Menu%d", i), "");
    if (!path.empty() && fileExists(path)) paths_.push_back(path);
  }
}

void RecentFiles::write(Ini& ini) const {
  const std::vector<std::string> stored = storedPaths();
  ini.writeInteger("MainForm", "MenuCount", int(stored.size()));
  for (size_t i = 0; i < stored.size(); ++i)
    ini.writeString("MainForm", cformat("Menu%zu", i), stored[i]);
}

}  // namespace nv
