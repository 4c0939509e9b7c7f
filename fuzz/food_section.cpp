// Fuzzes the food-section reader; a section it accepts must survive a write and re-read.
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
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  nv::TFoodData table;
  nv::ByteReader in(bytes);
  if (!table.readSection(in, &nv::prompt()).ok()) return 0;
  for (const nv::TFood& f : table.foods()) {
    table.displayName(f.number);
    table.numberOfName(f.name);
  }
  table.listRows();
  nv::ByteWriter out;
  table.writeSection(out);
  nv::TFoodData again;
  nv::ByteReader in2(out.data());
  if (!again.readSection(in2, nullptr).ok() || again.count() != table.count()) std::abort();
  return 0;
}
