#pragma once
// A decoded picture as the Qt-free readers and writers hand it on: 8-bit RGB rows.
#include <cstdint>
#include <vector>

namespace nv {

// 8-bit RGB, rows from the top, no padding.
struct RgbPicture {
  int width = 0, height = 0;
  std::vector<uint8_t> rgb;
};

// Pictures above this many pixels are refused before anything is allocated for them.
inline constexpr int64_t kMaxPicturePixels = int64_t(40) << 20;

}  // namespace nv
