#include "bento/model/bmp_size.h"

#include <string>

#include "platform/bmp_reader.h"
#include "platform/files.h"

namespace nv {

KSize bmpSizeOfBytes(std::string_view b) {
  KSize size;
  if (readBmpSize(b, size.width, size.height) != BmpStatus::Ok) return {};
  return size;
}

KSize bmpFileSize(std::string_view cp932Path) {
  std::string header;
  if (!readFileStart(cp932Path, 26, header)) return {};
  return bmpSizeOfBytes(header);
}

}  // namespace nv
