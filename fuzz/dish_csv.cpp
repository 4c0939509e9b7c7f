// Feeds arbitrary bytes to the dish CSV import, then exports what it built.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/food.h"
#include "core/kondate_data.h"
#include "fuzz/silent_prompt.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  nvfuzz::installSilentPrompt();
  static nv::TFoodData foods = [] {
    std::vector<nv::TFood> list(3);
    const char* names[] = {"a", "b", "c"};
    for (int i = 0; i < 3; ++i) {
      list[i].number = i + 1;
      list[i].name = names[i];
    }
    nv::TFoodData f;
    f.setFoods(std::move(list));
    return f;
  }();
  nv::TKondateData db;
  std::string report;
  db.importCsvData(foods, std::string_view(reinterpret_cast<const char*>(data), size), report,
                   &nv::prompt());
  if (db.orders().size() < 15) __builtin_trap();
  for (const nv::TOrder& o : db.orders())
    for (const nv::TKondate& k : o.base)
      if (k.foods.empty() || k.name.empty() || k.name.size() > 47) __builtin_trap();
  (void)db.exportCsv(&foods);
  return 0;
}
