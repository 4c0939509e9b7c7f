// nvtool convert FOODS.csv DISHES.csv -o NV.nv: both CSV sources into the data file.
#include "core/converted_file.h"
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
  const std::string foodPath = nv::pathFromNative(args[0]);
  const std::string dishPath = nv::pathFromNative(args[1]);
  const std::string outPath = nv::pathFromNative(args[3]);
  nv::ConsolePrompt console;
  nv::ScopedPrompt scoped(console);
  if (!nv::outputsAreNotInputs({foodPath, dishPath},
                               {outPath, nv::changeExtension(dishPath, ".txt")}))
    return kFailed;
  std::string foodCsv;
  if (!nv::readFile(foodPath, foodCsv)) return failure("cannot read " + args[0]);
  nv::TFoodData foods;
  std::string foodNote;
  // A table cut short would give a data file whose dishes miss their foods.
  if (!foods.importCsv(foodCsv, &foodNote)) return failure("the food table ends early: " + args[0]);
  nv::TKondateData dishes;
  // The import writes its report (DISHES.txt) beside the CSV.
  if (!dishes.importCsv(foods, dishPath, foodNote.empty() ? std::string() : foodNote + "\n"))
    return kFailed;
  if (!nv::writeConvertedDataFile(outPath, foods, dishes)) return kFailed;
  return kOk;
}
Registration reg{"convert",
                 "convert FOODS.csv DISHES.csv -o NV.nv   build the data file from the CSV "
                 "sources, CP932 or UTF-8 (import report beside DISHES.csv; a data file replaced "
                 "is kept as NV.nv.bak)",
                 cmdConvert};
}  // namespace
}  // namespace nvtool
