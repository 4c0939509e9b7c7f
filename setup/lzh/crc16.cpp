#include "setup/lzh/crc16.h"

#include <array>

namespace nv::lzh {
namespace {
constexpr std::array<uint16_t, 256> makeTable() {
  std::array<uint16_t, 256> table{};
  for (unsigned i = 0; i < 256; ++i) {
    uint16_t r = static_cast<uint16_t>(i);
    for (int k = 0; k < 8; ++k) r = (r & 1) ? static_cast<uint16_t>((r >> 1) ^ 0xA001) : r >> 1;
    table[i] = r;
  }
  return table;
}
constexpr auto kTable = makeTable();
}  // namespace

uint16_t crc16(const void* data, size_t size, uint16_t crc) {
  const auto* p = static_cast<const unsigned char*>(data);
  for (size_t i = 0; i < size; ++i)
    crc = static_cast<uint16_t>(kTable[(crc ^ p[i]) & 0xFF] ^ (crc >> 8));
  return crc;
}

}  // namespace nv::lzh
