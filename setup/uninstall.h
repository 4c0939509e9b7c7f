#pragma once
// Uninstalling at once (the command line's way): the key, the association, the recorded
// files and the launchers.
#include <string>

#include "setup/model/uninstall_plan.h"

namespace nv::setup {

class InstallDirStore;

// Checks the stored folder; when it may be uninstalled, removes the key and the association,
// the recorded files and the launchers. The plan says what was found (problem None when it
// went ahead; Empty when nothing is installed), `removed` what the deleting did: when files
// are left the key is stored again, so that another uninstall finds them.
UninstallPlan uninstallNow(InstallDirStore& store, RemoveResult& removed);

}  // namespace nv::setup
