#include "teacher/model/similar_dishes.h"

#include <algorithm>

#include "core/kana_rows.h"
#include "core/kondate_data.h"
#include "platform/text.h"

namespace nv {

const std::vector<std::string>& SimilarDishes::filterItems() {
  static const std::vector<std::string> items = {
      sj("あいうえお"), sj("かきくけこ"), sj("さしすせそ"), sj("たちつてと"),   sj("なにぬねの"),
      sj("はひふへほ"), sj("まみむめも"), sj("やゆよ"),     sj("らりるれろわ"), sj("漢字")};
  return items;
}

void SimilarDishes::searchName(std::string_view text) {
  mode_ = Mode::NameSearch;
  rows_ = data_.rowsWithPrefix(text, true);
  applySort();
}

void SimilarDishes::showAdded() {
  mode_ = Mode::AddedDishes;
  rows_ = data_.rowsOfAdded();
  applySort();
}

void SimilarDishes::filter(int item) {
  mode_ = Mode::KanaFilter;
  filterItem_ = item;
  resetSort();
  const auto& items = filterItems();
  if (item >= 0 && item < 9) {
    int row = kanaRowStartingWith(items[size_t(item)]);
    rows_ = row < 0 ? TextRows{} : data_.rowsOfKanaRow(kanaRows()[size_t(row)], true);
  } else if (item == 9) {
    rows_ = data_.rowsWithoutKana(true);
  } else {
    rows_.clear();
  }
}

void SimilarDishes::refill(std::string_view nameText) {
  switch (mode_) {
    case Mode::NameSearch:
      searchName(nameText);
      break;
    case Mode::AddedDishes:
      showAdded();
      break;
    case Mode::KanaFilter:
      filter(filterItem_);
      break;
    case Mode::None:
      break;
  }
}

void SimilarDishes::clickColumn(int column, std::string_view nameText) {
  if (column != 0 && column != 1) return;
  const Sort now = sort(column);
  sortColumn_ = column;
  if (now == Sort::Natural) {
    sort_ = Sort::Ascending;
    applySort();
  } else if (now == Sort::Ascending) {
    sort_ = Sort::Descending;
    applySort();
  } else {
    sort_ = Sort::Natural;
    refill(nameText);
  }
}

void SimilarDishes::applySort() {
  if (sort_ == Sort::Natural) return;
  const size_t c = size_t(sortColumn_);
  const bool ascending = sort_ == Sort::Ascending;
  std::stable_sort(rows_.begin(), rows_.end(), [&](const TextRow& a, const TextRow& b) {
    int r = compareJaCaseSensitive(a[c], b[c]);
    return ascending ? r < 0 : r > 0;
  });
}

std::string SimilarDishes::title(int column) const {
  std::string t = sj(column == 0 ? "分類名" : "献立名");
  switch (sort(column)) {
    case Sort::Ascending:
      return t + sj(" ↓");
    case Sort::Descending:
      return t + sj(" ↑");
    case Sort::Natural:
      break;
  }
  return t;
}

}  // namespace nv
