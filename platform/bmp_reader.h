#pragma once
// The one Windows bitmap reader: the kitchen and the printed menu show pictures through it
// (platform/qt/picture_file.h), the picture conversion and nvtool convert through it, and the
// kitchen's layout takes sizes from its header check, so what one accepts the others accept. Reads
// 1, 4, 8, 16, 24 and 32 bits a pixel, uncompressed, with bit fields or run-length encoded (RLE8,
// RLE4), bottom-up or top-down.
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "platform/rgb_picture.h"

namespace nv {

// Pictures above this many pixels are refused before anything is allocated for them, as on
// the JPEG side.
inline constexpr int64_t kMaxBmpPixels = kMaxPicturePixels;
inline constexpr int kMaxBmpSide = 65535;
// The largest file such a picture makes (32 bits a pixel), with room for headers.
inline constexpr uint64_t kMaxBmpFileBytes = uint64_t(kMaxBmpPixels) * 4 + (uint64_t(1) << 20);

enum class BmpStatus {
  Ok,
  NotBitmap,    // no bitmap file at all
  Unsupported,  // a bitmap of a kind not read here (compression, depth)
  TooLarge,     // more pixels than kMaxBmpPixels
  Damaged,      // headers, palette or pixel data cut short or impossible
};

struct BmpHeader {
  int width = 0, height = 0;
  int bits = 0;
  uint32_t compression = 0;  // 0 plain, 1 RLE8, 2 RLE4, 3 bit fields
  bool topDown = false;
};

// The width and height the first 26 bytes declare, with the size checks of the reader: Ok,
// NotBitmap, Damaged (no width or height) or TooLarge.
BmpStatus readBmpSize(std::string_view bytes, int& width, int& height);

// The whole header check: every field, the palette and (uncompressed) the pixel rows must be
// there. Nothing is allocated for the pixels.
BmpStatus readBmpHeader(std::string_view bytes, BmpHeader& out);

// Decodes the pixels: row(y, pixels) is called for every row, y counted from the top, with
// `width` values 0xFFRRGGBB. On failure some rows may have been delivered.
using BmpRowSink = std::function<void(int y, const uint32_t* pixels)>;
BmpStatus decodeBmp(std::string_view bytes, const BmpRowSink& row);

// The picture as 8-bit RGB rows (the conversion's form); `out` is empty on failure.
BmpStatus readBmp(std::string_view bytes, RgbPicture& out);
std::optional<RgbPicture> readBmp(std::string_view bytes);

}  // namespace nv
