#include "bento/model/bmp_size.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>

#include "platform/paths.h"

namespace nv {
namespace {

uint32_t le(std::string_view b, size_t at, int bytes) {
  uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | uint8_t(b[at + size_t(i)]);
  return v;
}

}  // namespace

KSize bmpSizeOfBytes(std::string_view b) {
  if (b.size() < 26 || b[0] != 'B' || b[1] != 'M') return {};
  const uint32_t headerSize = le(b, 14, 4);
  if (headerSize == 12)  // the old core header: 16-bit sizes
    return {int(le(b, 18, 2)), int(le(b, 20, 2))};
  if (headerSize < 40) return {};
  const int32_t w = int32_t(le(b, 18, 4)), h = int32_t(le(b, 22, 4));  // h < 0: top-down
  if (w <= 0 || h == 0 || h == INT32_MIN) return {};
  return {w, std::abs(h)};
}

KSize bmpFileSize(std::string_view cp932Path) {
  std::ifstream in(toFsPath(cp932Path), std::ios::binary);
  if (!in) return {};
  char header[26] = {};
  in.read(header, sizeof header);
  return bmpSizeOfBytes(std::string_view(header, size_t(in.gcount())));
}

}  // namespace nv
