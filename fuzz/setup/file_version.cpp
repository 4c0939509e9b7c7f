// The version stamp found in a program's bytes (the builder's and the About box's source of
// "major.minor.release.build"): any bytes, no crash; a stamp put in front is always found.
#include "setup/model/file_version.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::array<long, 4> v{};
  nv::setup::findFileVersion(bytes, v);
  if (!nv::setup::findFileVersion(std::string("NVFILEVERSION=1.2.3.4") + '\0' + bytes, v) ||
      v != std::array<long, 4>{1, 2, 3, 4})
    __builtin_trap();
  return 0;
}
