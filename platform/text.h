#pragma once
// CP932 text: the program keeps every text as the bytes its files hold (docs/ARCHITECTURE.md,
// "Text").
#include <string>
#include <string_view>

namespace nv {

// UTF-8 -> CP932. Characters CP932 cannot hold become '?'. The characters that input methods
// and pasted text give for CP932's wave dash, minus, double bar, dash, yen, cent and not
// signs (U+301C, U+2212, U+2016, U+2014, U+00A5, U+00A2, U+00AC) take those CP932 codes.
std::string utf8ToCp932(std::string_view utf8);
// CP932 -> UTF-8. Bytes that are not CP932 become U+FFFD. The escapes by which a path holds
// a file-system name CP932 cannot (see paths.h) give that name's characters.
std::string cp932ToUtf8(std::string_view cp932);
// CP932 <-> UTF-16 (for Qt and ICU).
std::u16string cp932ToUtf16(std::string_view cp932);
std::string utf16ToCp932(std::u16string_view utf16);
std::u16string utf8ToUtf16(std::string_view utf8);  // invalid bytes become U+FFFD
std::string utf16ToUtf8(std::u16string_view utf16);

// The byte no CP932 text holds, which starts an escaped file-system byte in a path: 0xFF and
// two upper-case hexadecimal digits. escapedByteAt gives the byte of an escape at i and the
// escape's length (3), or 0 when none starts there.
constexpr unsigned char kPathEscape = 0xFF;
size_t escapedByteAt(std::string_view text, size_t i, unsigned char& byte);

// A fixed Japanese text of the source (UTF-8) as CP932 bytes: sj("献立を追加しました").
std::string sj(std::string_view utf8);

// The Japanese, locale-aware, case-insensitive ordering of sorted displays and dish files.
// Returns <0, 0 or >0.
int compareJa(std::string_view a, std::string_view b);
// The same ordering with case kept ("Ａ" and "ａ" differ), for the similar-dish list's sort.
int compareJaCaseSensitive(std::string_view a, std::string_view b);

// True when the first byte starts a two-byte CP932 character.
bool isCp932LeadByte(unsigned char c);

// Where needle occurs in text starting at a character of text (never inside a two-byte
// character: "A" is not found in アイス, whose ア is 83 41); npos when nowhere.
size_t findAtCharacterStart(std::string_view text, std::string_view needle);

// The shortest decimal text that reads back as the same double ("12.5", "0.1", "3").
std::string shortestDecimal(double value);

// printf-style formatting into a std::string (the program's "%6.1lf", "%5d " texts), always
// in the C locale: Qt switches the process to the user's, whose decimal sign may be a comma,
// and these texts go to files and fixed formats.
[[gnu::format(printf, 1, 2)]] std::string cformat(const char* format, ...);

}  // namespace nv
