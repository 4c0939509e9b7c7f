#include "setup/uninstall.h"

#include <atomic>

#include "setup/desktop_integration.h"
#include "setup/model/install.h"

namespace nv::setup {

UninstallPlan uninstallNow(InstallDirStore& store) {
  UninstallPlan plan = planUninstall(store.read(), homeFolder());
  if (plan.problem != FolderProblem::None) return plan;
  store.remove();
  removeAssociation();
  std::atomic<bool> stop{false};
  removeInstalled(plan, stop);
  removeShortcuts();
  return plan;
}

}  // namespace nv::setup
