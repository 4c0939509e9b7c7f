// nvtool combine NV.nv NV_ADD.nv --yes: the added dishes joined into NV.nv, NV_ADD.nv removed.
#include "core/food.h"
#include "core/kondate_data.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/result.h"
#include "platform/text.h"
#include "tools/nvtool/commands.h"
#include "tools/nvtool/dish_tool.h"

namespace nvtool {
namespace {

int cmdCombine(const Args& args) {
  if (args.size() != 3 || args[2] != "--yes")
    return usageError("combine takes NV.nv NV_ADD.nv --yes (it answers Yes to both questions)");
  nv::TFoodData foods;
  nv::TKondateData dishes;
  if (!loadDishDatabase(args[0], args[1], foods, dishes)) return kFailed;
  nv::ConsolePrompt console;
  nv::ScopedPrompt scoped(console);
  // No asking: --yes has answered both questions.
  if (!nv::showResult(dishes.combine(foods, nv::pathFromNative(args[0]),
                                     nv::pathFromNative(args[1]), {}, &console),
                      console))
    return kFailed;
  return kOk;
}
Registration reg{"combine",
                 "combine NV.nv NV_ADD.nv --yes   join the added dishes into NV.nv and delete "
                 "NV_ADD.nv",
                 cmdCombine};
}  // namespace
}  // namespace nvtool
