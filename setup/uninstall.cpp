#include "setup/uninstall.h"

#include <atomic>

#include "setup/desktop_integration.h"
#include "setup/model/install.h"

namespace nv::setup {

UninstallPlan uninstallNow(InstallDirStore& store, RemoveResult& removed) {
  const std::string stored = store.read();
  UninstallPlan plan = planUninstall(stored, homeFolder());
  if (plan.problem != FolderProblem::None) return plan;
  store.remove();
  removeAssociation();
  std::atomic<bool> stop{false};
  removed = removeInstalled(plan, stop);
  if (!removed) store.write(stored);
  removeShortcuts();
  return plan;
}

}  // namespace nv::setup
