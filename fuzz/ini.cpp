// Fuzzes the settings-file reader and writer: whatever a file holds, the document must
// survive, and what it writes must read back as the document it had in memory.
#include "platform/ini.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {
void sameAsWritten(const nv::Ini& ini) {
  nv::Ini back;
  back.parse(ini.bytes());
  if (back.bytes() != ini.bytes()) __builtin_trap();
  if (back.sectionNames() != ini.sectionNames()) __builtin_trap();
  for (const std::string& s : ini.sectionNames()) {
    if (back.keyNames(s) != ini.keyNames(s)) __builtin_trap();
    for (const std::string& k : ini.keyNames(s))
      if (back.readString(s, k, "?") != ini.readString(s, k, "?")) __builtin_trap();
  }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  nv::Ini ini;
  ini.parse(bytes);
  sameAsWritten(ini);
  for (const std::string& s : ini.sectionNames())
    for (const std::string& k : ini.keyNames(s)) ini.readInteger(s, k, 0);

  // Writes of names and values cut from the input itself.
  std::string_view section = bytes.substr(0, size / 4), key = bytes.substr(size / 4, size / 4);
  std::string_view value = bytes.substr(size / 2);
  if (ini.writeString(section, key, value) && !ini.hasKey(section, key)) __builtin_trap();
  ini.writeInteger("Data", "GunColor1", int(size));
  sameAsWritten(ini);
  ini.deleteKey(section, key);
  if (ini.hasKey(section, key)) __builtin_trap();
  ini.eraseSection(section);
  if (ini.hasSection(section)) __builtin_trap();
  sameAsWritten(ini);
  return 0;
}
