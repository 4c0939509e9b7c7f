// nvtool export-csv NV.nv -o OUT.csv: the dish CSV export of the base dishes.
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

int cmdExportCsv(const Args& args) {
  if (args.size() != 3 || args[1] != "-o") return usageError("export-csv takes NV.nv -o OUT.csv");
  nv::TFoodData foods;
  nv::TKondateData dishes;
  if (!loadDishDatabase(args[0], "", foods, dishes)) return kFailed;
  nv::ConsolePrompt console;
  nv::ScopedPrompt scoped(console);
  if (!nv::showResult(dishes.exportCsvFile(&foods, nv::pathFromNative(args[2])), console))
    return kFailed;
  return kOk;
}
Registration reg{"export-csv",
                 "export-csv NV.nv -o OUT.csv   write the dish CSV (base dishes, CP932)",
                 cmdExportCsv};
}  // namespace
}  // namespace nvtool
