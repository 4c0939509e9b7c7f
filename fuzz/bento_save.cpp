// Fuzzes the lunch-box save file reader; what it accepts must write back and read again.
#include "bento/model/bento_save.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/kojin_data.h"
#include "fuzz/silent_prompt.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  nvfuzz::installSilentPrompt();
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  nv::TKojinData child;
  nv::PlacedDishRecords dishes;
  double scale = size > 0 ? 0.5 + data[0] / 64.0 : 1.0;
  if (!nv::parseBentoSave(bytes, scale, child, dishes).ok()) return 0;
  // Saved at the scale it was read at, as the kitchen does.
  nv::TKojinData again;
  nv::PlacedDishRecords back;
  if (!nv::parseBentoSave(nv::bentoSaveBytes(child, scale, dishes), scale, again, back).ok() ||
      back.size() != dishes.size())
    std::abort();
  for (size_t i = 0; i < back.size(); ++i)
    if (back[i].name != dishes[i].name || back[i].left != dishes[i].left) std::abort();
  return 0;
}
