#pragma once
// The food grid of the dish add-and-edit window without the widget: row 0 holds the titles,
// rows 1 and up the dish's foods (name, grams text); there is always a row 1, which may be
// empty. The window mirrors these rows and asks here what its buttons may do.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/kondate_data.h"
#include "core/rows.h"

namespace nv {

// A weight cell's text fits its mask: up to four integer digits, a point and up to three
// decimals, blanks around (the editor's blank places). An empty cell fits.
bool fitsWeightMask(std::string_view text);
// The grams a weight cell holds: every white-space character removed, then read as a decimal
// number (empty = 0); nullopt when the rest is not a number.
std::optional<double> cellWeight(std::string_view text);

class DishGrid {
 public:
  DishGrid() { clear(); }

  // Rows including the title row, as the grid counts them (at least 2).
  int rowCount() const { return int(rows_.size()) + 1; }
  const KondateGridRow& row(int r) const { return rows_[size_t(r - 1)]; }
  void setName(int r, std::string name) { rows_[size_t(r - 1)].foodName = std::move(name); }
  void setGrams(int r, std::string grams) { rows_[size_t(r - 1)].grams = std::move(grams); }
  int currentRow() const { return current_; }
  void setCurrentRow(int r) { current_ = r; }

  // One empty row 1.
  void clear();
  // The foods of a dish as the database hands them out (a title row first); no foods leaves
  // one empty row.
  void load(const TextRows& withTitleRow);

  // The row that now holds the food with weight "0", or nullopt when a row from 1 on holds
  // that name already (nothing changes then). An empty row 1 is used before a row is added.
  std::optional<int> addFood(std::string_view name);
  // Removes the current row (nothing for row 0): the rows below move up; the last row goes,
  // or row 1 is emptied when it is the only one.
  void removeCurrent();

  bool canRemove() const { return current_ >= 1 && !row(current_).foodName.empty(); }
  // Rows with a food name and a weight above 0.
  int weightedRows() const;
  bool canRegister(std::string_view dishName) const {
    return !dishName.empty() && weightedRows() >= 1;
  }
  // The rows handed to registration: those naming a food (a weight typed beside no food is
  // no ingredient).
  std::vector<KondateGridRow> foodRows() const;

 private:
  std::vector<KondateGridRow> rows_;  // grid rows 1..n
  int current_ = 1;
};

}  // namespace nv
