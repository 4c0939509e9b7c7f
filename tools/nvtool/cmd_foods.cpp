#include "tools/nvtool/commands.h"

namespace nvtool {
namespace {
// Filled in with the food table.
int cmdFoods(const Args& args) {
  if (args.size() != 1) return usageError("foods takes one FILE");
  return failure("not yet available");
}
Registration reg{"foods", "foods FILE                 list the foods of a food section (NV.nv, NV.nvb)",
                 cmdFoods};
}  // namespace
}  // namespace nvtool
