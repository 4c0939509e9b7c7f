#pragma once
// JPEG decoding for the how-to-make pictures, through libjpeg. Damaged input (cut short,
// garbage, absurd sizes) is a failure with a reason, never a crash or a grey half picture.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/rgb_picture.h"

namespace nv {

// Larger pictures are refused before anything is allocated for them.
inline constexpr int64_t kMaxJpegPixels = kMaxPicturePixels;

// False with the reason in `error` (English, from libjpeg or ours); `out` is then empty.
bool decodeJpeg(std::string_view bytes, RgbPicture& out, std::string& error);
bool readJpegFile(std::string_view cp932Path, RgbPicture& out, std::string& error);

}  // namespace nv
