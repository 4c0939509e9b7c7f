#pragma once
// Windows bitmaps without Qt, for the picture conversion of the settings dialog and nvtool:
// reading the uncompressed kinds, writing 24-bit and 8-bit (own 256-colour palette) files,
// and resampling to a new size.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nv {

struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgb;  // 3 bytes a pixel (red, green, blue), rows top-down
};

// Reads a bitmap file's bytes: 1, 4, 8, 16, 24 or 32 bits a pixel, uncompressed or with bit
// fields, bottom-up or top-down. nullopt for any other kind and for damaged or truncated data.
std::optional<RgbImage> readBmp(std::string_view bytes);
// A 24-bit bitmap file.
std::string writeBmp24(const RgbImage& image);
// An 8-bit bitmap file with a palette of at most 256 colours chosen for this picture
// (median cut); a quarter of the 24-bit size, and photos stay recognisable.
std::string writeBmp8(const RgbImage& image);

// The picture stretched to width x height (at least 1 x 1): each new pixel averages the
// source area it covers, so shrinking keeps detail that point sampling would lose.
RgbImage resample(const RgbImage& image, int width, int height);

}  // namespace nv
