#include "platform/qt/picture_file.h"

#include <cstring>

#include "platform/bmp_reader.h"
#include "platform/files.h"

namespace nv {

QImage decodeBmpImage(std::string_view bytes) {
  BmpHeader h;
  if (readBmpHeader(bytes, h) != BmpStatus::Ok) return {};
  QImage image(h.width, h.height, QImage::Format_RGB32);
  if (image.isNull()) return {};  // no memory for it
  const size_t line = size_t(h.width) * sizeof(uint32_t);
  const BmpStatus s = decodeBmp(
      bytes, [&](int y, const uint32_t* pixels) { std::memcpy(image.scanLine(y), pixels, line); });
  return s == BmpStatus::Ok ? image : QImage();
}

QImage loadBmp(const std::string& cp932Path) {
  std::string bytes;
  if (!readFile(cp932Path, bytes, kMaxBmpFileBytes)) return {};
  return decodeBmpImage(bytes);
}

}  // namespace nv
