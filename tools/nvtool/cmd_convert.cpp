// nvtool convert FOODS.csv DISHES.csv -o NV.nv: both CSV sources into the data file.
#include "core/food.h"
#include "core/kondate_data.h"
#include "core/nv_file.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/text.h"
#include "tools/nvtool/commands.h"

namespace nvtool {
namespace {

int cmdConvert(const Args& args) {
  if (args.size() != 4 || args[2] != "-o")
    return usageError("convert takes FOODS.csv DISHES.csv -o NV.nv");
  std::string foodCsv;
  if (!nv::readFile(nv::pathFromNative(args[0]), foodCsv)) return failure("cannot read " + args[0]);
  nv::ConsolePrompt console;
  nv::ScopedPrompt scoped(console);
  nv::TFoodData foods;
  // A table cut short would give a data file whose dishes miss their foods.
  if (!foods.importCsv(foodCsv)) return failure("the food table ends early: " + args[0]);
  nv::TKondateData dishes;
  // The import writes its report (DISHES.txt) beside the CSV.
  if (!dishes.importCsv(foods, nv::pathFromNative(args[1]))) return kFailed;
  if (!nv::writeDataFile(nv::pathFromNative(args[3]), foods, dishes)) return kFailed;
  return kOk;
}
Registration reg{"convert",
                 "convert FOODS.csv DISHES.csv -o NV.nv   build the data file from the CSV "
                 "sources (import report beside DISHES.csv)",
                 cmdConvert};
}  // namespace
}  // namespace nvtool
