#include "setup/lzh/archiver_codes.h"

#include "platform/text.h"

namespace nv::lzh {

std::string archiverResultText(int code) {
  code &= 0xFFFF;
  if (code == 0) return {};
  const char* text = archiverCodeTextUtf8(code);
  return text ? sj(text) : cformat("ERR=%08x", code);
}

}  // namespace nv::lzh
