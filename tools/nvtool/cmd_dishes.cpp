// nvtool dishes NV.nv [--add NV_ADD.nv]: every dish in database order, one a line.
#include <cstdio>

#include "core/food.h"
#include "core/kondate_data.h"
#include "platform/text.h"
#include "tools/nvtool/commands.h"
#include "tools/nvtool/dish_tool.h"

namespace nvtool {
namespace {

int cmdDishes(const Args& args) {
  std::string data, add;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--add") {
      if (++i == args.size()) return usageError("--add needs a FILE");
      add = args[i];
    } else if (data.empty()) {
      data = args[i];
    } else {
      return usageError("dishes takes one data FILE");
    }
  }
  if (data.empty()) return usageError("dishes takes one data FILE");
  nv::TFoodData foods;
  nv::TKondateData dishes;
  if (!loadDishDatabase(data, add, foods, dishes)) return kFailed;
  std::string line;
  for (const nv::TOrder& o : dishes.orders())
    for (const nv::TKondateList* list : {&o.base, &o.added})
      for (const nv::TKondate& k : *list) {
        line = dishCell(o.name) + (list == &o.base ? "\tbase\t" : "\tadded\t") +
               std::to_string(k.number) + '\t' + dishCell(k.name) + '\t' +
               nv::cformat("%.17g", k.standardWeight);
        for (const nv::TUsedFood& f : k.foods)
          line += nv::cformat("\t%d/%.17g/%.17g", f.foodNumber, f.amount, f.standardAmount);
        line += '\n';
        std::fputs(line.c_str(), stdout);
      }
  return kOk;
}
Registration reg{"dishes",
                 "dishes NV.nv [--add NV_ADD.nv]   list every dish: category, base/added, number, "
                 "name, standard weight, then food/amount/standard per ingredient",
                 cmdDishes};
}  // namespace
}  // namespace nvtool
