#include "core/csv_text.h"

#include <algorithm>
#include <cstdint>

#include "platform/text.h"

namespace nv {
namespace {

// Valid UTF-8 (no overlong forms, no surrogates, nothing past U+10FFFF); `wide` tells
// whether a character of three or more bytes occurs.
bool validUtf8(std::string_view s, bool& wide) {
  wide = false;
  for (size_t i = 0; i < s.size();) {
    const uint8_t c = uint8_t(s[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    size_t n = 0;
    uint32_t cp = 0;
    if (c >= 0xC2 && c <= 0xDF) {
      n = 2, cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
      n = 3, cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      n = 4, cp = c & 0x07;
    } else {
      return false;
    }
    if (i + n > s.size()) return false;
    for (size_t k = 1; k < n; ++k) {
      const uint8_t t = uint8_t(s[i + k]);
      if ((t & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (t & 0x3F);
    }
    if ((n == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ||
        (n == 4 && (cp < 0x10000 || cp > 0x10FFFF)))
      return false;
    wide = wide || n >= 3;
    i += n;
  }
  return true;
}

// A file whose lines end in CR alone (never a byte of a double-byte character) would read as
// one endless line: its CRs become line feeds. CR LF files are left to the line reader.
void crLinesToLf(std::string& text) {
  if (text.find('\n') == std::string::npos) std::replace(text.begin(), text.end(), '\r', '\n');
}

}  // namespace

CsvText csvTextOf(std::string_view bytes) {
  CsvText out;
  const bool bom = bytes.starts_with("\xEF\xBB\xBF");
  bool wide = false;
  if (!bom && !(validUtf8(bytes, wide) && wide)) {
    out.cp932 = std::string(bytes);
    crLinesToLf(out.cp932);
    return out;
  }
  if (bom) bytes.remove_prefix(3);
  out.wasUtf8 = true;
  out.cp932 = utf8ToCp932(bytes);
  // Every character CP932 lacks became '?': those are the '?' that were not there before.
  const auto questionMarks = [](std::string_view s) {
    return size_t(std::count(s.begin(), s.end(), '?'));
  };
  const size_t before = questionMarks(bytes), after = questionMarks(out.cp932);
  out.unmappable = after > before ? after - before : 0;
  crLinesToLf(out.cp932);
  return out;
}

std::string csvEncodingNote(const CsvText& text, const char* fileLabelUtf8) {
  if (!text.wasUtf8) return {};
  std::string note = sj(fileLabelUtf8) + sj("を UTF-8 のファイルとして読み込みました");
  if (text.unmappable > 0)
    note += sj("（Shift-JIS にない文字 ") + std::to_string(text.unmappable) +
            sj(" 個は「?」にしました）");
  return note;
}

}  // namespace nv
