#pragma once
// Length-limited canonical Huffman codes as the archive format's blocks store them: lengths
// by symbol, codes assigned shortest first and in symbol order within one length.
#include <cstdint>
#include <vector>

namespace nv::lzh {

// Code lengths for the frequencies, none longer than maxLength. Symbols of frequency 0 get
// length 0. With fewer than two used symbols every length is 0 (the caller stores the one
// symbol directly).
std::vector<uint8_t> huffmanLengths(const std::vector<uint32_t>& freq, int maxLength);

// Canonical codes for the lengths.
std::vector<uint16_t> canonicalCodes(const std::vector<uint8_t>& lengths);

}  // namespace nv::lzh
