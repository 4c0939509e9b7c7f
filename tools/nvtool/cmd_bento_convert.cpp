// nvtool bento-convert FOODS.csv BENTO.csv -o NV.nvb [--pictures DIR]: the lunch-box data
// builder's conversion, with error.txt beside NV.nvb.
#include <cstdio>

#include "bento/model/bento_csv.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/result.h"
#include "platform/text.h"
#include "tools/nvtool/commands.h"

namespace nvtool {
namespace {

int cmdBentoConvert(const Args& args) {
  std::vector<std::string> files;
  std::string out, pictures;
  bool havePictures = false;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "-o" || args[i] == "--pictures") {
      if (i + 1 == args.size()) return usageError(args[i] + " needs a value");
      if (args[i] == "-o") {
        out = args[++i];
      } else {
        pictures = nv::pathFromNative(args[++i]);
        havePictures = true;
      }
    } else {
      files.push_back(args[i]);
    }
  }
  if (files.size() != 2 || out.empty())
    return usageError("bento-convert takes FOODS.csv BENTO.csv -o NV.nvb");
  nv::ConsolePrompt console;
  std::string errorFile;
  // No progress windows here; the console prompt's are silent.
  if (!nv::showResult(nv::convertBentoCsv(nv::pathFromNative(files[0]),
                                          nv::pathFromNative(files[1]), nv::pathFromNative(out),
                                          havePictures ? &pictures : nullptr, &errorFile, &console),
                      console))
    return kFailed;
  std::printf("%s\n", nv::cp932ToUtf8(errorFile).c_str());
  return kOk;
}

Registration reg{"bento-convert",
                 "bento-convert FOODS.csv BENTO.csv -o NV.nvb [--pictures DIR]   build the "
                 "lunch-box data file from CP932 or UTF-8 sources; prints the path of error.txt "
                 "(dishes without DIR/<name>.bmp are listed there when DIR is given); a data file "
                 "replaced is kept as NV.nvb.bak",
                 cmdBentoConvert};

}  // namespace
}  // namespace nvtool
