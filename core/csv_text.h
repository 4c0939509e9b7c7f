#pragma once
// The text of a teacher's CSV source as the program keeps it: CP932. Spreadsheets also save
// UTF-8, with or without a byte-order mark; such a file is converted rather than read as
// CP932 mojibake.
#include <cstddef>
#include <string>
#include <string_view>

namespace nv {

struct CsvText {
  std::string cp932;
  bool wasUtf8 = false;
  size_t unmappable = 0;  // characters CP932 cannot hold, now '?'
};

// UTF-8 is recognised by its byte-order mark, or by being valid UTF-8 throughout with at
// least one character of three or more bytes (every kana and kanji is one); anything else
// is taken as CP932 unchanged. Lines ended by CR alone are given line feeds.
CsvText csvTextOf(std::string_view bytes);

// The report line that says a file was read as UTF-8 (CP932, no line end); "" when it was
// CP932. fileLabelUtf8 names the file ("食品ファイル").
std::string csvEncodingNote(const CsvText& text, const char* fileLabelUtf8);

}  // namespace nv
