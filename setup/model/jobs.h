#pragma once
// The installer's background work: finding distribution archives, scanning the source
// folder against the previous tree, deleting the install folder. Each runs as a job on its
// own thread with a stop flag polled once per file; its completion runs in the window's
// thread through the `post` function the window gives.
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "setup/model/file_tree.h"

namespace nv::setup {

// Archive search: the matching files (not folders, no subfolders) of each folder, the newest
// first; folders spelled alike ignoring case are searched once.
std::vector<std::string> searchArchives(std::vector<std::string> folders,
                                        const std::vector<std::string>& patterns,
                                        const std::atomic<bool>& stop);
// The order handed to the window: with more than two results, the newest stays on top and
// the rest are sorted by path ignoring case.
void orderArchiveResults(std::vector<std::string>& found);

// True when the file name matches a pattern as the file search does ("*.*" also matches
// names without a dot), ignoring case.
bool matchesPattern(const std::string& name, const std::string& pattern);

struct ScanResult {
  bool updated = false;                   // some file changed (false when stopped)
  int32_t newestChanged = 0;              // newest stamp among changed files
  int32_t newestAll = 0;                  // newest stamp among all files
  std::vector<std::string> skippedLinks;  // symbolic links that matched a pattern (left out)
};

// Fills `current` (an empty root) from the source folder with the files matching the checked
// patterns, marking each changed file against `previous` (may be null). Subfolders whose
// names start with "." are skipped, and so are symbolic links (listed in the result).
ScanResult scanSource(const std::string& sourceFolder, TBrCaFolder& current,
                      const TBrCaFolder* previous, const std::vector<std::string>& patterns,
                      const std::atomic<bool>& stop);

// Empties and removes the folder. Links are removed, never followed (also a link given as the
// folder, with or without a trailing separator); folders on another file system are left
// alone. Files that cannot be deleted are passed over. Stops between two entries when asked.
void deleteTree(const std::string& folder, const std::atomic<bool>& stop);

// A job on its own thread. The object lives until its work and completion have run.
class Job {
 public:
  using Post = std::function<void(std::function<void()>)>;
  static std::shared_ptr<Job> start(std::function<void(const std::atomic<bool>&)> work,
                                    std::function<void()> done, Post post);
  void requestStop() { stop_ = true; }
  bool stopRequested() const { return stop_; }

 private:
  std::atomic<bool> stop_{false};
};

}  // namespace nv::setup
