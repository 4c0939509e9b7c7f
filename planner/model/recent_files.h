#pragma once
// The recent menu files: most recent first, case-insensitive de-duplication, 20 stored.
#include <string>
#include <vector>

namespace nv {

class Ini;

class RecentFiles {
 public:
  static constexpr int kStored = 20;

  const std::vector<std::string>& paths() const { return paths_; }
  bool empty() const { return paths_.empty(); }
  void clear() { paths_.clear(); }
  // Removes every entry equal to path ignoring ASCII case, then puts path at the top.
  void add(const std::string& path);
  void setPaths(std::vector<std::string> paths) { paths_ = std::move(paths); }

  // The submenu captions of entries 1..19 ("&0 path".."&9 path", "&A path".."&I path").
  std::vector<std::string> menuCaptions() const;
  // The path a caption opens: the text after its first three characters.
  static std::string pathOfCaption(const std::string& caption);
  // What is stored: entries equal to "default" dropped, at most 20.
  std::vector<std::string> storedPaths() const;

  // Section MainForm: MenuCount and Menu0..; only paths of existing files are taken.
  void read(const Ini& ini);
  void write(Ini& ini) const;

 private:
  std::vector<std::string> paths_;
};

}  // namespace nv
