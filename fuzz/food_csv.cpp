// Fuzzes the food CSV import; every imported table must survive a section write and re-read.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "core/food.h"
#include "fuzz/silent_prompt.h"
#include "platform/binio.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  nvfuzz::installSilentPrompt();
  nv::TFoodData table;
  (void)table.importCsv(std::string_view(reinterpret_cast<const char*>(data), size), nullptr,
                        &nv::prompt());
  if (table.count() < 1) std::abort();
  for (const nv::TFood& f : table.foods())
    if (f.code.size() > 23 || f.name.size() > 47) std::abort();
  nv::ByteWriter out;
  table.writeSection(out);
  nv::TFoodData again;
  nv::ByteReader in(out.data());
  if (!again.readSection(in, nullptr).ok() || again.count() != table.count()) std::abort();
  return 0;
}
