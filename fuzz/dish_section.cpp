// Feeds arbitrary bytes to the dish-section reader; what it keeps must write and read back
// to the same bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/kondate_data.h"
#include "fuzz/silent_prompt.h"
#include "platform/binio.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  nvfuzz::installSilentPrompt();
  nv::TKondateData db;
  nv::ByteReader in(std::string_view(reinterpret_cast<const char*>(data), size));
  (void)db.readBaseSection(in, &nv::prompt());
  (void)db.dishCount();
  (void)db.nameOf(1);
  (void)db.standardWeightOf(1, 2);
  (void)db.rowsWithPrefix("a", true);
  nv::ByteWriter out;
  db.writeBaseSection(out, nullptr);
  nv::TKondateData again;
  nv::ByteReader back(out.data());
  if (!again.readBaseSection(back, nullptr).ok() || !back.atEnd()) __builtin_trap();
  nv::ByteWriter out2;
  again.writeBaseSection(out2, nullptr);
  if (out2.data() != out.data()) __builtin_trap();
  return 0;
}
