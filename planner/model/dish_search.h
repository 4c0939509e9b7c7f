#pragma once
// The dish search: which dishes each way of searching finds (category, beginning or end of
// the name, first sound, added dishes), as rows of category caption ("*" + category for an
// added dish) and dish name, CP932.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/rows.h"

namespace nv {

class TKondateData;

// "あいうえお" ... "らりるれろわ", "漢字" (CP932), in the order of the drop-down list.
const std::vector<std::string>& syllabaryItems();
constexpr int kKanjiItem = 9;

// The kana rows (0..9) an item covers: each of its characters that starts a row adds that
// row, so "らりるれろわ" covers the ra row and the wa row. Empty when none does.
std::vector<int> kanaRowsOfItem(std::string_view item);

// Dishes, base and added, whose name begins / ends with `text` (nothing for an empty text).
// An ending is matched on whole characters: the trailing byte of a two-byte character never
// counts as the start of a match.
TextRows searchByPrefix(const TKondateData& db, std::string_view text);
TextRows searchBySuffix(const TKondateData& db, std::string_view text);
// The dishes of a syllabary item (index into syllabaryItems()); nullopt when the item's row
// is not found ("見つかりません").
std::optional<TextRows> searchBySyllabary(const TKondateData& db, int item);

// The category tab a chosen row leads to: the caption without a leading "*".
std::string categoryOfCaption(const std::string& caption);

}  // namespace nv
