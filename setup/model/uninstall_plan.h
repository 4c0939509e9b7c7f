#pragma once
// Uninstalling by the install's record: only the files it lists are deleted, then the folders
// the install made once they are empty, then the record, then the folder itself when the
// install made it. Nothing else in the folder is touched, no link is followed, and nothing on
// another file system (a folder mounted inside) is entered.
#include <atomic>
#include <string>

#include "setup/model/install_folder.h"
#include "setup/model/install_manifest.h"

namespace nv {

struct UninstallPlan {
  std::string folder;  // as stored, ending in '/'
  FolderProblem problem = FolderProblem::None;
  InstallManifest manifest;
};

// Checks the stored folder: not "/", not the home folder or above it, not a link, holding a
// record that describes this very folder.
UninstallPlan planUninstall(const std::string& folder, const std::string& home);

// The delete job. Stops between two files when asked. True when everything listed is gone.
bool removeInstalled(const UninstallPlan& plan, const std::atomic<bool>& stop);

}  // namespace nv
