#pragma once
// Uninstalling at once (the command line's way): the key, the association, the recorded
// files and the launchers.
#include <string>

#include "setup/model/uninstall_plan.h"

namespace nv {
class InstallDirStore;
}

namespace nv::setup {

// Checks the stored folder; when it may be uninstalled, removes the key and the association,
// the recorded files and the launchers. The plan says what was found (problem None when done;
// Empty when nothing is installed).
UninstallPlan uninstallNow(InstallDirStore& store);

}  // namespace nv::setup
