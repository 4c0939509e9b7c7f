#include "setup/uninstall.h"

#include <atomic>

#include "setup/desktop_integration.h"
#include "setup/model/install.h"
#include "setup/model/jobs.h"

namespace nv {

UninstallCheck uninstallNow(InstallDirStore& store) {
  std::string folder = store.read();
  if (folder.empty()) return UninstallCheck::NothingInstalled;
  if (!mayUninstallFolder(folder, homeFolder())) return UninstallCheck::Refused;
  store.remove();
  removeAssociation();
  std::atomic<bool> stop{false};
  deleteTree(folder, stop);
  removeShortcuts();
  return UninstallCheck::Done;
}

}  // namespace nv
