#include "teacher/model/dish_grid.h"

#include <algorithm>

#include "core/decimal_text.h"

namespace nv {
namespace {

bool isSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}
bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool fitsWeightMask(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  size_t i = 0, whole = 0, decimals = 0;
  while (i < text.size() && isDigit(text[i])) ++i, ++whole;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && isDigit(text[i])) ++i, ++decimals;
  }
  return i == text.size() && whole <= 4 && decimals <= 3;
}

std::optional<double> cellWeight(std::string_view text) {
  std::string compact;
  for (char c : text)
    if (!isSpace(c)) compact += c;
  double value = 0;
  if (!parseDecimalText(compact, value)) return std::nullopt;
  return value;
}

void DishGrid::clear() {
  rows_.assign(1, KondateGridRow{});
  current_ = 1;
}

void DishGrid::load(const TextRows& withTitleRow) {
  rows_.clear();
  for (size_t i = 1; i < withTitleRow.size(); ++i) {
    const TextRow& r = withTitleRow[i];
    rows_.push_back({r.size() > 0 ? r[0] : std::string(), r.size() > 1 ? r[1] : std::string()});
  }
  if (rows_.empty()) rows_.emplace_back();
  current_ = 1;
}

std::optional<int> DishGrid::addFood(std::string_view name) {
  for (const KondateGridRow& r : rows_)
    if (r.foodName == name) return std::nullopt;
  int r = 1;
  if (!rows_.front().foodName.empty()) {
    rows_.emplace_back();
    r = rowCount() - 1;
  }
  setName(r, std::string(name));
  setGrams(r, "0");
  current_ = r;
  return r;
}

void DishGrid::removeCurrent() {
  if (current_ < 1 || current_ >= rowCount()) return;
  for (int r = current_; r + 1 < rowCount(); ++r) rows_[size_t(r - 1)] = rows_[size_t(r)];
  if (rowCount() < 3)
    rows_.front() = KondateGridRow{};
  else
    rows_.pop_back();
  current_ = std::min(current_, rowCount() - 1);
}

int DishGrid::weightedRows() const {
  int n = 0;
  for (const KondateGridRow& r : rows_) {
    if (r.foodName.empty()) continue;
    std::optional<double> w = cellWeight(r.grams);
    if (w && *w > 0) ++n;
  }
  return n;
}

std::vector<KondateGridRow> DishGrid::foodRows() const {
  std::vector<KondateGridRow> out;
  for (const KondateGridRow& r : rows_)
    if (!r.foodName.empty()) out.push_back(r);
  return out;
}

}  // namespace nv
