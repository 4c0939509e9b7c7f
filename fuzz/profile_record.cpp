// Feeds arbitrary bytes to the profile record reader, then writes and re-reads what it got.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/kojin_data.h"
#include "fuzz/silent_prompt.h"
#include "platform/binio.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  nvfuzz::installSilentPrompt();
  nv::TKojinData profile;
  nv::KojinViewState view;
  nv::ByteReader in(std::string_view(reinterpret_cast<const char*>(data), size));
  if (profile.readRecord(in, &view).ok()) {
    for (int meal = 0; meal < 4; ++meal) {
      for (int slot = 0; slot < nv::kNutrientCount; ++slot) (void)profile.Requirement(meal, slot);
      for (int group = 0; group < nv::kFoodGroupCount; ++group)
        (void)profile.GroupRequirement(meal, group);
    }
    // A record the program wrote must read back to the same record.
    nv::ByteWriter out;
    profile.writeRecord(out, view);
    if (out.size() != nv::kKojinRecordSize) __builtin_trap();
    nv::TKojinData again;
    nv::KojinViewState view2;
    nv::ByteReader back(out.data());
    if (!again.readRecord(back, &view2).ok()) __builtin_trap();
    nv::ByteWriter out2;
    again.writeRecord(out2, view2);
    if (out2.data() != out.data()) __builtin_trap();
  }
  return 0;
}
