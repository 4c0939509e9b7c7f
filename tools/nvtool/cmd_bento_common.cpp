#include "tools/nvtool/cmd_bento_common.h"

#include "bento/model/bento_data.h"
#include "bento/model/bento_data_file.h"
#include "core/food.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/result.h"
#include "platform/text.h"
#include "tools/nvtool/commands.h"

namespace nvtool {

std::string bentoCell(const std::string& cp932) {
  std::string s = nv::cp932ToUtf8(cp932);
  for (char& c : s)
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  return s;
}

bool loadBentoData(const std::string& pathUtf8, nv::TFoodData& foods, nv::TDaidokoro& kitchen) {
  std::string bytes;
  if (!nv::readFile(nv::pathFromNative(pathUtf8), bytes)) {
    failure("cannot read " + pathUtf8);
    return false;
  }
  nv::ConsolePrompt console;
  const nv::Result read = nv::parseBentoData(bytes, foods, kitchen);
  if (!nv::showResult(read, console)) {
    if (read.messages().empty()) failure(pathUtf8 + ": the lunch-box data is damaged");
    return false;
  }
  return true;
}

}  // namespace nvtool
