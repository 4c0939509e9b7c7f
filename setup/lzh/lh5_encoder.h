#pragma once
// The archive format's "-lh5-" compression: LZSS over an 8 KiB window, matches of 3 to 256
// bytes, coded in blocks with static Huffman tables stored at the head of each block.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace nv::lzh {

// Compresses a stream given in pieces of any size; holds only the window, the look-ahead and
// one block, so a file of any size is packed in a few hundred kilobytes.
class Lh5Encoder {
 public:
  using Sink = std::function<void(const char* bytes, size_t size)>;
  explicit Lh5Encoder(Sink sink);
  ~Lh5Encoder();
  void write(const uint8_t* data, size_t size);
  // Codes what is left and flushes the last bits.
  void finish();

 private:
  class Impl;
  std::unique_ptr<Impl> impl_;
};

// The compressed bytes of data (empty data gives an empty result).
std::string encodeLh5(const uint8_t* data, size_t size);

}  // namespace nv::lzh
