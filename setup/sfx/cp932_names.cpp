#include "setup/sfx/cp932_names.h"

#include <cstdint>

namespace nv::sfx {

extern const uint16_t kCp932Single[256];
extern const uint16_t kCp932Double[60 * 256];

namespace {
bool isLead(uint8_t c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
bool isTrail(uint8_t c) { return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC); }

void putUtf8(std::string& out, unsigned u) {
  if (u < 0x80) {
    out += char(u);
  } else if (u < 0x800) {
    out += char(0xC0 | (u >> 6));
    out += char(0x80 | (u & 0x3F));
  } else {
    out += char(0xE0 | (u >> 12));
    out += char(0x80 | ((u >> 6) & 0x3F));
    out += char(0x80 | (u & 0x3F));
  }
}
}  // namespace

std::string cp932NameToUtf8(const std::string& cp932) {
  std::string out;
  for (size_t i = 0; i < cp932.size(); ++i) {
    const uint8_t c = uint8_t(cp932[i]);
    if (isLead(c)) {
      const uint8_t t = i + 1 < cp932.size() ? uint8_t(cp932[i + 1]) : 0;
      if (i + 1 < cp932.size() && isTrail(t)) {
        const unsigned row = c <= 0x9F ? c - 0x81u : c - 0xE0u + 31u;
        const unsigned u = kCp932Double[row * 256 + t];
        putUtf8(out, u ? u : 0xFFFD);
        ++i;
      } else {
        putUtf8(out, 0xFFFD);  // the next byte starts a character of its own
      }
      continue;
    }
    const unsigned u = kCp932Single[c];
    putUtf8(out, u || c == 0 ? u : 0xFFFD);
  }
  return out;
}

}  // namespace nv::sfx
