#include "planner/model/dish_search.h"

#include "core/kana_rows.h"
#include "core/kondate_data.h"
#include "platform/text.h"

namespace nv {

namespace {

// True when `name` ends with `text` and the match starts on a character boundary.
bool endsWithChars(std::string_view name, std::string_view text) {
  if (text.empty() || !name.ends_with(text)) return false;
  const size_t start = name.size() - text.size();
  size_t i = 0;
  while (i < start) i += isCp932LeadByte(static_cast<unsigned char>(name[i])) ? 2 : 1;
  return i == start;
}

}  // namespace

const std::vector<std::string>& syllabaryItems() {
  static const std::vector<std::string> items = {
      sj("あいうえお"), sj("かきくけこ"), sj("さしすせそ"), sj("たちつてと"),   sj("なにぬねの"),
      sj("はひふへほ"), sj("まみむめも"), sj("やゆよ"),     sj("らりるれろわ"), sj("漢字"),
  };
  return items;
}

std::vector<int> kanaRowsOfItem(std::string_view item) {
  std::vector<int> rows;
  for (size_t i = 0; i + 1 < item.size(); i += 2) {
    const int row = kanaRowStartingWith(item.substr(i, 2));
    if (row >= 0) rows.push_back(row);
  }
  return rows;
}

TextRows searchByPrefix(const TKondateData& db, std::string_view text) {
  if (text.empty()) return {};
  return db.rowsWithPrefix(text, true);
}

TextRows searchBySuffix(const TKondateData& db, std::string_view text) {
  TextRows rows;
  if (text.empty()) return rows;
  for (const TOrder& o : db.orders()) {
    for (const TKondate& k : o.base)
      if (endsWithChars(k.name, text)) rows.push_back({o.name, k.name});
    for (const TKondate& k : o.added)
      if (endsWithChars(k.name, text)) rows.push_back({"*" + o.name, k.name});
  }
  return rows;
}

std::optional<TextRows> searchBySyllabary(const TKondateData& db, int item) {
  if (item == kKanjiItem) return db.rowsWithoutKana(true);
  if (item < 0 || item >= int(syllabaryItems().size())) return std::nullopt;
  const std::vector<int> rows = kanaRowsOfItem(syllabaryItems()[size_t(item)]);
  if (rows.empty()) return std::nullopt;
  // One pass over the joined rows keeps the database's order for "らりるれろわ".
  std::string chars;
  for (int r : rows) chars += kanaRows()[size_t(r)];
  return db.rowsOfKanaRow(chars, true);
}

std::string categoryOfCaption(const std::string& caption) {
  return caption.starts_with('*') ? caption.substr(1) : caption;
}

}  // namespace nv
