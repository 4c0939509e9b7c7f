// nvtool menu-table FILE.nvu --data NV.nv [--add NV_ADD.nv]: the print dialog's nutrient
// table, one row a line, the 17 cells tab-separated, header row first.
#include <cstdio>

#include "planner/model/nutrient_table.h"
#include "tools/nvtool/commands.h"
#include "tools/nvtool/dish_tool.h"
#include "tools/nvtool/menu_tool.h"

namespace nvtool {
namespace {

int cmdMenuTable(const Args& args) {
  MenuOptions options;
  if (int status = parseMenuOptions(args, false, options); status != kOk) return status;
  LoadedMenu loaded;
  if (!loadMenu(options, loaded)) return kFailed;
  const nv::TextRows rows = nv::nutrientTableRows(loaded.menu, loaded.foods,
                                                  [&](int no) { return loaded.dishes.nameOf(no); });
  std::string line;
  for (const nv::TextRow& row : rows) {
    line.clear();
    for (size_t c = 0; c < row.size(); ++c) {
      if (c) line += '\t';
      line += dishCell(row[c]);
    }
    line += '\n';
    std::fputs(line.c_str(), stdout);
  }
  return kOk;
}
Registration reg{"menu-table",
                 "menu-table FILE.nvu --data NV.nv [--add NV_ADD.nv]   the menu's nutrient table "
                 "as the print dialog holds it: 17 cells a row, header first",
                 cmdMenuTable};
}  // namespace
}  // namespace nvtool
