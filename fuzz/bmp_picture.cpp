// Fuzzes the bitmap reader and the header check the kitchen's layout shares with it: what
// the reader takes has the size the header check gives, and writes back as the same picture.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "bento/model/bmp_size.h"
#include "platform/bmp_reader.h"
#include "teacher/model/bmp_image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  nv::RgbPicture picture;
  const nv::BmpStatus status = nv::readBmp(bytes, picture);
  const nv::KSize header = nv::bmpSizeOfBytes(bytes.substr(0, 26));
  if (status != nv::BmpStatus::Ok) {
    if (!picture.rgb.empty() || picture.width != 0) std::abort();
    if ((status == nv::BmpStatus::NotBitmap || status == nv::BmpStatus::TooLarge) &&
        header != nv::KSize{})
      std::abort();
    return 0;
  }
  if (header != (nv::KSize{picture.width, picture.height})) std::abort();
  if (picture.rgb.size() != size_t(picture.width) * size_t(picture.height) * 3) std::abort();
  if (int64_t(picture.width) * picture.height > nv::kMaxBmpPixels) std::abort();
  // Small pictures go round through the 24-bit writer (large ones only cost time here).
  if (int64_t(picture.width) * picture.height <= 65536) {
    nv::RgbPicture back;
    if (nv::readBmp(nv::writeBmp24(picture), back) != nv::BmpStatus::Ok || back.rgb != picture.rgb)
      std::abort();
  }
  return 0;
}
