// nvtool foods FILE: the foods of a food section, one a line.
#include <cstdio>
#include <string>

#include "core/food.h"
#include "platform/binio.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/result.h"
#include "platform/text.h"
#include "tools/nvtool/commands.h"

namespace nvtool {
namespace {
// A field holding a tab or line break would break the one-record-a-line output.
std::string cell(const std::string& cp932) {
  std::string s = nv::cp932ToUtf8(cp932);
  for (char& c : s)
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  return s;
}

int cmdFoods(const Args& args) {
  if (args.size() != 1) return usageError("foods takes one FILE");
  std::string bytes;
  if (!nv::readFile(nv::pathFromNative(args[0]), bytes)) return failure("cannot read " + args[0]);
  nv::ConsolePrompt console;
  nv::ScopedPrompt scoped(console);
  nv::TFoodData table;
  nv::ByteReader in(bytes);
  // The reader's own box (bad magic, version, short file) goes to stderr.
  const nv::Result read = table.readSection(in, nullptr);
  if (!nv::showResult(read, console) || !read.messages().empty()) return kFailed;
  std::string line;
  for (const nv::TFood& f : table.foods()) {
    line = std::to_string(f.number) + '\t' + cell(f.code) + '\t' + cell(f.name) + '\t' +
           std::to_string(f.group) + '\t' + std::to_string(f.colorClass);
    for (double v : f.nutrients) line += '\t' + nv::cformat("%.17g", v);
    line += '\n';
    std::fputs(line.c_str(), stdout);
  }
  return kOk;
}
Registration reg{"foods",
                 "foods FILE                 list the foods of a food section (NV.nv, NV.nvb)",
                 cmdFoods};
}  // namespace
}  // namespace nvtool
