// Rows for the dish lists of the add-and-edit window, the search and the settings preview.
#include "core/food.h"
#include "core/kana_rows.h"
#include "core/kondate_data.h"
#include "platform/text.h"

namespace nv {
namespace {

// Category by category: base dishes, then (when asked) added ones captioned "*" + category.
template <typename Match>
TextRows collect(const std::vector<TOrder>& orders, bool withAdded, Match match) {
  TextRows rows;
  for (const TOrder& o : orders) {
    for (const TKondate& k : o.base)
      if (match(k.name)) rows.push_back({o.name, k.name});
    if (!withAdded) continue;
    for (const TKondate& k : o.added)
      if (match(k.name)) rows.push_back({"*" + o.name, k.name});
  }
  return rows;
}

}  // namespace

TextRows TKondateData::rowsWithPrefix(std::string_view text, bool withAdded) const {
  return collect(orders_, withAdded,
                 [&](const std::string& name) { return name.starts_with(text); });
}

TextRows TKondateData::rowsContaining(std::string_view text, bool withAdded) const {
  // An empty text is found nowhere, as the classic position search answers.
  return collect(orders_, withAdded, [&](const std::string& name) {
    return !text.empty() && findAtCharacterStart(name, text) != std::string_view::npos;
  });
}

TextRows TKondateData::rowsOfKanaRow(std::string_view row, bool withAdded) const {
  return collect(orders_, withAdded,
                 [&](const std::string& name) { return startsWithCharOf(name, row); });
}

TextRows TKondateData::rowsWithoutKana(bool withAdded) const {
  return collect(orders_, withAdded,
                 [&](const std::string& name) { return startsWithNoKana(name); });
}

TextRows TKondateData::rowsOfAdded() const {
  TextRows rows;
  for (const TOrder& o : orders_)
    for (const TKondate& k : o.added) rows.push_back({"*" + o.name, k.name});
  return rows;
}

TextRows TKondateData::rowsOfCategory(std::string_view category) const {
  TextRows rows;
  for (const TOrder& o : orders_) {
    if (o.name != category) continue;
    for (const TKondateList* list : {&o.base, &o.added})
      for (const TKondate& k : *list) rows.push_back({std::string(category), k.name});
  }
  return rows;
}

TextRow TKondateData::previewHeadings() {
  return {sj("通し番号"), sj("献立名"), sj("標準の重量"), sj("食品１"),
          sj("食品２"),   sj("食品３"), sj("食品４"),     sj("食品５")};
}

TextRows TKondateData::previewRows(const TFoodData* foods) const {
  TextRows rows;
  for (const TOrder& o : orders_)
    for (const TKondateList* list : {&o.base, &o.added})
      for (const TKondate& k : *list) {
        TextRow row{cformat("%d", k.number), k.name, shortestDecimal(k.standardWeight)};
        for (size_t i = 0; i < 5; ++i)
          row.push_back(i >= k.foods.size() ? std::string()
                        : foods             ? foods->displayName(k.foods[i].foodNumber)
                                            : sj("不明(データなし)"));
        rows.push_back(std::move(row));
      }
  return rows;
}

}  // namespace nv
