// Fuzzes the JPEG decoder of the how-to-make pictures: any input decodes to a picture whose
// buffer matches its size, or fails with a reason.
#include "bento/model/jpeg_picture.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  nv::RgbPicture picture;
  std::string error;
  const bool ok =
      nv::decodeJpeg(std::string_view(reinterpret_cast<const char*>(data), size), picture, error);
  if (ok ? picture.rgb.size() != size_t(picture.width) * size_t(picture.height) * 3 ||
               picture.width <= 0 || picture.height <= 0
         : error.empty() || !picture.rgb.empty())
    std::abort();
  return 0;
}
