#pragma once
// CP932 text: the program keeps every text as the bytes its files hold (see DESIGN.md).
#include <string>
#include <string_view>

namespace nv {

// UTF-8 -> CP932. Characters CP932 cannot hold become '?'.
std::string utf8ToCp932(std::string_view utf8);
// CP932 -> UTF-8. Bytes that are not CP932 become U+FFFD.
std::string cp932ToUtf8(std::string_view cp932);
// CP932 <-> UTF-16 (for Qt and ICU).
std::u16string cp932ToUtf16(std::string_view cp932);
std::string utf16ToCp932(std::u16string_view utf16);

// A fixed Japanese text of the source (UTF-8) as CP932 bytes: sj("献立を追加しました").
std::string sj(std::string_view utf8);

// The Japanese, locale-aware, case-insensitive ordering of sorted displays and dish files.
// Returns <0, 0 or >0.
int compareJa(std::string_view a, std::string_view b);

// True when the first byte starts a two-byte CP932 character.
bool isCp932LeadByte(unsigned char c);

// The shortest decimal text that reads back as the same double ("12.5", "0.1", "3").
std::string shortestDecimal(double value);

// printf-style formatting into a std::string (the program's "%6.1lf", "%5d " texts).
[[gnu::format(printf, 1, 2)]] std::string cformat(const char* format, ...);

}  // namespace nv
