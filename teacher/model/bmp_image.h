#pragma once
// Windows bitmaps without Qt, for the picture conversion of the settings dialog and nvtool:
// writing 24-bit and 8-bit (own 256-colour palette) files and resampling to a new size.
// Reading is the kitchen's own bitmap reader (readBmp), so both take the same files.
#include <cstdint>
#include <string>

#include "platform/bmp_reader.h"

namespace nv {

// 3 bytes a pixel (red, green, blue), rows top-down.
using RgbImage = RgbPicture;
// A 24-bit bitmap file.
std::string writeBmp24(const RgbImage& image);
// An 8-bit bitmap file with a palette of at most 256 colours chosen for this picture
// (median cut); a quarter of the 24-bit size, and photos stay recognisable.
std::string writeBmp8(const RgbImage& image);

// The picture stretched to width x height (at least 1 x 1): each new pixel averages the
// source area it covers, so shrinking keeps detail that point sampling would lose.
RgbImage resample(const RgbImage& image, int width, int height);

}  // namespace nv
