// The maker's settings file nvsetup.ini as the builder reads it: no crash, no endless count
// loop, and what it writes reads back as the same settings.
#include "setup/model/maker_settings.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/ini.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  nv::Ini ini;
  ini.parse(std::string_view(reinterpret_cast<const char*>(data), size));
  nv::setup::MakerSettings settings;
  settings.read(ini);
  nv::Ini written;
  settings.write(written);
  nv::Ini parsed;
  parsed.parse(written.bytes());
  nv::setup::MakerSettings back;
  back.read(parsed);
  if (back.src != settings.src || back.lzh != settings.lzh || back.main != settings.main ||
      back.patterns != settings.patterns)
    __builtin_trap();
  settings.checkedPatterns();
  return 0;
}
