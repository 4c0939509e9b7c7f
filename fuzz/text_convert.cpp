// Fuzzes the CP932 conversions and the Japanese ordering with arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::string utf8 = nv::cp932ToUtf8(bytes);
  std::string back = nv::utf8ToCp932(utf8);
  size_t half = size / 2;
  nv::compareJa(bytes.substr(0, half), bytes.substr(half));
  nv::utf8ToCp932(bytes);
  if (back.size() > 4 * size + 16) __builtin_trap();  // output stays proportional to input
  return 0;
}
