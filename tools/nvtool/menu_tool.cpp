#include "tools/nvtool/menu_tool.h"

#include <cstdlib>

#include "planner/model/menu_file.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/result.h"
#include "platform/text.h"
#include "tools/nvtool/commands.h"
#include "tools/nvtool/dish_tool.h"

namespace nvtool {

int parseMenuOptions(const std::vector<std::string>& args, bool printOptions, MenuOptions& out) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string& into) {
      if (++i == args.size()) return false;
      into = args[i];
      return true;
    };
    if (a == "--data") {
      if (!value(out.dataPath)) return usageError("--data needs a FILE");
    } else if (a == "--add") {
      if (!value(out.addPath)) return usageError("--add needs a FILE");
    } else if (printOptions && a == "-o") {
      if (!value(out.outPath)) return usageError("-o needs a FILE");
    } else if (printOptions && a == "--table") {
      out.table = true;
    } else if (printOptions && a == "--meals") {
      std::string list;
      if (!value(list)) return usageError("--meals needs a LIST such as 0,1,2");
      out.mealsGiven = true;
      size_t start = 0;
      while (start <= list.size()) {
        const size_t comma = std::min(list.find(',', start), list.size());
        const std::string item = list.substr(start, comma - start);
        if (item.size() != 1 || item[0] < '0' || item[0] > '3')
          return usageError("--meals takes meal indices 0-3 separated by commas");
        const int meal = item[0] - '0';
        bool seen = false;
        for (int m : out.meals) seen = seen || m == meal;
        if (!seen) out.meals.push_back(meal);
        start = comma + 1;
      }
    } else if (!a.empty() && a[0] == '-') {
      return usageError("unknown option " + a);
    } else if (out.menuPath.empty()) {
      out.menuPath = a;
    } else {
      return usageError("one menu FILE only");
    }
  }
  if (out.menuPath.empty()) return usageError("a menu FILE.nvu is needed");
  if (out.dataPath.empty()) return usageError("--data NV.nv is needed");
  if (printOptions && out.outPath.empty()) return usageError("-o OUT.pdf is needed");
  return kOk;
}

bool loadMenu(const MenuOptions& options, LoadedMenu& out) {
  if (!loadDishDatabase(options.dataPath, options.addPath, out.foods, out.dishes)) return false;
  nv::ConsolePrompt console;
  nv::ScopedPrompt scoped(console);
  const nv::TKondateData& dishes = out.dishes;
  nv::DishLookup lookup{[&](int32_t no) { return dishes.nameOf(no); },
                        [&](int32_t no) { return dishes.standardWeightOf(no); }};
  const nv::Result read = nv::loadMenuFile(nv::pathFromNative(options.menuPath), out.menu,
                                           out.profile, lookup, &out.view);
  if (!nv::showResult(read, console) || !read.messages().empty()) {
    failure("cannot load " + options.menuPath);
    return false;
  }
  return true;
}

}  // namespace nvtool
