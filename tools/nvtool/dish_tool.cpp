#include "tools/nvtool/dish_tool.h"

#include "core/food.h"
#include "core/kondate_data.h"
#include "core/nv_file.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/result.h"
#include "platform/text.h"
#include "tools/nvtool/commands.h"

namespace nvtool {

std::string dishCell(const std::string& cp932) {
  std::string s = nv::cp932ToUtf8(cp932);
  for (char& c : s)
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  return s;
}

bool loadDishDatabase(const std::string& dataPathUtf8, const std::string& addPathUtf8,
                      nv::TFoodData& foods, nv::TKondateData& dishes) {
  nv::ConsolePrompt console;
  nv::ScopedPrompt scoped(console);
  const nv::Result data =
      nv::loadDataFile(nv::pathFromNative(dataPathUtf8), foods, dishes, nullptr);
  if (!nv::showResult(data, console) || !data.messages().empty()) {
    failure("cannot load " + dataPathUtf8);
    return false;
  }
  if (addPathUtf8.empty()) return true;
  std::string addPath = nv::pathFromNative(addPathUtf8);
  if (!nv::fileExists(addPath)) {
    failure("cannot read " + addPathUtf8);
    return false;
  }
  const nv::Result added = nv::loadAddFile(addPath, dishes);
  if (!nv::showResult(added, console) || !added.messages().empty()) {
    failure("cannot load " + addPathUtf8);
    return false;
  }
  return true;
}

}  // namespace nvtool
