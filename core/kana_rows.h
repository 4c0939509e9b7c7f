#pragma once
// The ten kana rows by which dish and food lists are filtered on a name's first character.
#include <array>
#include <string>
#include <string_view>

namespace nv {

constexpr int kKanaRowCount = 10;

// Row 0 "あぁいぃ..." to row 9 "わゎゐゑをん...": CP932 strings of two-byte characters,
// hiragana then katakana, small and voiced forms included.
const std::array<std::string, kKanaRowCount>& kanaRows();
// The ten rows joined in order.
const std::string& allKana();

// The row whose first character equals the first character (two bytes) of `text`; -1 if none.
int kanaRowStartingWith(std::string_view text);
// True when the first two bytes of `name` equal one of the two-byte characters of `row`.
bool startsWithCharOf(std::string_view name, std::string_view row);
// The row of the name's first character, or -1 when it is in no row (a kanji initial).
int kanaRowOfName(std::string_view name);
inline bool startsWithNoKana(std::string_view name) { return kanaRowOfName(name) < 0; }

}  // namespace nv
