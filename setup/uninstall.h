#pragma once
// Uninstalling: the key, the association, the folder (only one that holds the installed NV)
// and the launchers.
#include <string>

namespace nv {

class InstallDirStore;

enum class UninstallCheck { NothingInstalled, Refused, Done };

// Checks the stored folder; when it may be deleted, removes the key and the association,
// deletes the folder and the launchers at once (the command line's way).
UninstallCheck uninstallNow(InstallDirStore& store);

}  // namespace nv
