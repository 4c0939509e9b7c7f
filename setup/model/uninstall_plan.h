#pragma once
// Uninstalling by the install's record: only the files it lists are deleted, then the folders
// the install made once they are empty, then the record, then the folder itself when the
// install made it. Nothing else in the folder is touched, no link is followed, and nothing on
// another file system (a folder mounted inside) is entered.
#include <atomic>
#include <string>
#include <vector>

#include "setup/model/install_folder.h"
#include "setup/model/install_manifest.h"

namespace nv::setup {

struct UninstallPlan {
  std::string folder;  // as stored, ending in '/'
  FolderProblem problem = FolderProblem::None;
  InstallManifest manifest;
};

// Checks the stored folder: not "/", not the home folder or above it, not a link, holding a
// record that describes this very folder.
UninstallPlan planUninstall(const std::string& folder, const std::string& home);

// What the delete job did. When something listed could not be deleted (or the job stopped),
// the record stays, listing what is left, so that another uninstall can finish.
struct RemoveResult {
  bool complete = false;          // everything listed is gone, the record too
  std::vector<std::string> left;  // recorded entries still there, relative to the folder
  explicit operator bool() const { return complete; }
};

// The delete job. Stops between two files when asked.
RemoveResult removeInstalled(const UninstallPlan& plan, const std::atomic<bool>& stop);

// The message for an uninstall that left files behind: how many, the first few by path.
std::string leftFilesText(const std::string& folder, const std::vector<std::string>& left);

}  // namespace nv::setup
