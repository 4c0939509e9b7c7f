#pragma once
// The similar-dish list of the dish add-and-edit window: what filled it (a name search, all
// added dishes or a kana-row filter), its rows (category cell, dish name; added dishes carry a
// "*" before the category) and the three-state sort of each column title.
#include <string>
#include <string_view>
#include <vector>

#include "core/rows.h"

namespace nv {

class TKondateData;

class SimilarDishes {
 public:
  enum class Mode { None = 0, NameSearch = 1, AddedDishes = 2, KanaFilter = 3 };
  enum class Sort { Natural, Ascending, Descending };

  explicit SimilarDishes(const TKondateData& data) : data_(data) {}

  // The initial filter's items: "あいうえお" ... "らりるれろわ", "漢字" (CP932).
  static const std::vector<std::string>& filterItems();

  // Every dish, base and added, whose name starts with text.
  void searchName(std::string_view text);
  void showAdded();
  // Item 0..8: the dishes of the kana row of the item's first character; 9: kanji initials.
  // The titles return to their plain form.
  void filter(int item);
  // Fills the list again the way it was filled (after a deletion, or the third title click);
  // a name search uses `nameText`, the dish name box.
  void refill(std::string_view nameText);

  // A title click: plain -> ascending -> descending -> plain (list refilled in natural
  // order); the other column's title becomes plain.
  void clickColumn(int column, std::string_view nameText);

  Mode mode() const { return mode_; }
  int filterItem() const { return filterItem_; }
  const TextRows& rows() const { return rows_; }
  Sort sort(int column) const { return column == sortColumn_ ? sort_ : Sort::Natural; }
  // "分類名", "分類名 ↓", "分類名 ↑" and the same for "献立名".
  std::string title(int column) const;
  // True when the entry's dish is an added one (its category cell starts with "*").
  static bool isAdded(const TextRow& row) { return !row.empty() && row[0].starts_with('*'); }

 private:
  void resetSort() { sort_ = Sort::Natural; }
  void applySort();

  const TKondateData& data_;
  Mode mode_ = Mode::None;
  int filterItem_ = 0;
  TextRows rows_;
  int sortColumn_ = 0;
  Sort sort_ = Sort::Natural;
};

}  // namespace nv
