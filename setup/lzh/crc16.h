#pragma once
// The archive format's 16-bit CRC (reflected polynomial 0xA001, start 0).
#include <cstddef>
#include <cstdint>

namespace nv::lzh {

uint16_t crc16(const void* data, size_t size, uint16_t crc = 0);

}  // namespace nv::lzh
