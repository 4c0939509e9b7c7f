#include "core/kana_rows.h"

#include "platform/text.h"

namespace nv {

const std::array<std::string, kKanaRowCount>& kanaRows() {
  static const std::array<std::string, kKanaRowCount> rows = {
      sj("あぁいぃうぅえぇおぉアァイィウゥエェオォ"),
      sj("かがきぎくぐけげこごカガキギクグケゲコゴ"),
      sj("さざしじすずせぜそぞサザシジスズセゼソゾ"),
      sj("ただちぢっつづてでとどタダチヂッツヅテデトド"),
      sj("なにぬねのナニヌネノ"),
      sj("はばぱひびぴふぶぷへべぺほぼぽハバパヒビピフブプヘベペホボポ"),
      sj("まみむめもマミムメモ"),
      sj("やゃゆゅよょヤャユュヨョ"),
      sj("らりるれろラリルレロ"),
      sj("わゎゐゑをんワヮヰヱヲンヴヵヶ"),
  };
  return rows;
}

const std::string& allKana() {
  static const std::string all = [] {
    std::string s;
    for (const std::string& row : kanaRows()) s += row;
    return s;
  }();
  return all;
}

bool startsWithCharOf(std::string_view name, std::string_view row) {
  if (name.size() < 2) return false;
  for (size_t i = 0; i + 1 < row.size(); i += 2)
    if (name[0] == row[i] && name[1] == row[i + 1]) return true;
  return false;
}

int kanaRowStartingWith(std::string_view text) {
  if (text.size() < 2) return -1;
  const auto& rows = kanaRows();
  for (int r = 0; r < kKanaRowCount; ++r)
    if (rows[r].compare(0, 2, text.substr(0, 2)) == 0) return r;
  return -1;
}

int kanaRowOfName(std::string_view name) {
  const auto& rows = kanaRows();
  for (int r = 0; r < kKanaRowCount; ++r)
    if (startsWithCharOf(name, rows[r])) return r;
  return -1;
}

}  // namespace nv
