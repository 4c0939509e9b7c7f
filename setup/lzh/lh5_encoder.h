#pragma once
// The archive format's "-lh5-" compression: LZSS over an 8 KiB window, matches of 3 to 256
// bytes, coded in blocks with static Huffman tables stored at the head of each block.
#include <cstddef>
#include <cstdint>
#include <string>

namespace nv::lzh {

// The compressed bytes of data (empty data gives an empty result).
std::string encodeLh5(const uint8_t* data, size_t size);

}  // namespace nv::lzh
