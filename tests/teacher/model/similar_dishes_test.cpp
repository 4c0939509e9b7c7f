#include "teacher/model/similar_dishes.h"

#include <gtest/gtest.h>

#include "../../core/kondate_fixtures.h"
#include "core/kondate_data.h"
#include "teacher/model/food_tabs.h"

using nv::sj;
using nvtest::category;
using nvtest::dish;

namespace {

nv::TKondateData sample() {
  nv::TKondateData db;
  nv::TOrder& main = category(db, "主菜");
  main.base.push_back(dish(1, "からあげ"));
  main.base.push_back(dish(2, "あじフライ"));
  main.added.push_back(dish(100001, "かきフライ"));
  nv::TOrder& soup = category(db, "汁物");
  soup.base.push_back(dish(3, "わかめスープ"));
  soup.base.push_back(dish(4, "豚汁"));
  soup.added.push_back(dish(100002, "からし汁"));
  return db;
}

std::vector<std::string> names(const nv::TextRows& rows, size_t column = 1) {
  std::vector<std::string> out;
  for (const nv::TextRow& r : rows) out.push_back(nvtest::u8(r[column]));
  return out;
}

}  // namespace

TEST(SimilarDishes, TheThreeModesAndTheirRefill) {
  nv::TKondateData db = sample();
  nv::SimilarDishes s(db);
  s.searchName(sj("から"));
  EXPECT_EQ(s.mode(), nv::SimilarDishes::Mode::NameSearch);
  EXPECT_EQ(names(s.rows()), (std::vector<std::string>{"からあげ", "からし汁"}));
  EXPECT_EQ(nvtest::u8(s.rows()[1][0]), "*汁物");
  EXPECT_TRUE(nv::SimilarDishes::isAdded(s.rows()[1]));

  s.showAdded();
  EXPECT_EQ(names(s.rows()), (std::vector<std::string>{"かきフライ", "からし汁"}));

  s.filter(1);  // かきくけこ
  EXPECT_EQ(names(s.rows()), (std::vector<std::string>{"からあげ", "かきフライ", "からし汁"}));
  s.filter(9);  // kanji initials
  EXPECT_EQ(names(s.rows()), (std::vector<std::string>{"豚汁"}));
  // "らりるれろわ" finds the row of ら, which has no わ.
  s.filter(8);
  EXPECT_TRUE(s.rows().empty());

  db.DeleteAddedKondate(sj("汁物"), sj("からし汁"));
  s.filter(1);
  s.refill(sj("豚"));  // mode 3 refills by its filter, not by the name box
  EXPECT_EQ(names(s.rows()), (std::vector<std::string>{"からあげ", "かきフライ"}));
}

TEST(SimilarDishes, EachTitleCyclesAscendingDescendingAndBackToTheFillingOrder) {
  nv::TKondateData db = sample();
  nv::SimilarDishes s(db);
  s.filter(1);
  const std::vector<std::string> natural = names(s.rows());
  s.clickColumn(1, "");
  EXPECT_EQ(nvtest::u8(s.title(1)), "献立名 ↓");
  EXPECT_EQ(nvtest::u8(s.title(0)), "分類名");
  EXPECT_EQ(names(s.rows()), (std::vector<std::string>{"かきフライ", "からあげ", "からし汁"}));
  s.clickColumn(1, "");
  EXPECT_EQ(nvtest::u8(s.title(1)), "献立名 ↑");
  EXPECT_EQ(names(s.rows()), (std::vector<std::string>{"からし汁", "からあげ", "かきフライ"}));
  s.clickColumn(1, "");
  EXPECT_EQ(nvtest::u8(s.title(1)), "献立名");
  EXPECT_EQ(names(s.rows()), natural);

  // The category column counts the "*" of added dishes; clicking it makes the other plain.
  s.clickColumn(1, "");
  s.clickColumn(0, "");
  EXPECT_EQ(nvtest::u8(s.title(0)), "分類名 ↓");
  EXPECT_EQ(nvtest::u8(s.title(1)), "献立名");
  EXPECT_EQ(nvtest::u8(s.rows().front()[0]), "*主菜");
  s.clickColumn(0, "");
  s.clickColumn(0, "");
  EXPECT_EQ(nvtest::u8(s.title(0)), "分類名");
  EXPECT_EQ(names(s.rows()), natural);

  // A list of all added dishes sorted three times shows the added dishes again.
  s.showAdded();
  s.clickColumn(0, "");
  s.clickColumn(0, "");
  s.clickColumn(0, sj("から"));
  EXPECT_EQ(names(s.rows()), (std::vector<std::string>{"かきフライ", "からし汁"}));
  // A new filter shows plain titles.
  s.clickColumn(1, "");
  s.filter(0);
  EXPECT_EQ(nvtest::u8(s.title(1)), "献立名");
}

TEST(FoodTabs, KanaRowsKanjiAndAllSortedByName) {
  nv::TFoodData foods =
      nvtest::foodsNamed({"りんご", "わかめ", "豚肉", "ごはん", "かぼちゃ", "ワイン", "あじ"});
  auto tab = [&](int t) { return names(nv::foodTabRows(foods, t).rows, 0); };
  EXPECT_EQ(tab(0), (std::vector<std::string>{"あじ"}));
  EXPECT_EQ(tab(1), (std::vector<std::string>{"かぼちゃ", "ごはん"}));
  EXPECT_EQ(tab(8), (std::vector<std::string>{"りんご"}));
  EXPECT_EQ(tab(nv::kKanjiFoodTab), (std::vector<std::string>{"豚肉"}));
  // Foods of the わ row appear only under "全".
  std::vector<std::string> all = tab(nv::kAllFoodTab);
  EXPECT_EQ(all.size(), 7u);
  EXPECT_EQ(all.front(), "あじ");
  EXPECT_NE(std::find(all.begin(), all.end(), "わかめ"), all.end());
  const nv::TextRow row = nv::foodTabRows(foods, nv::kAllFoodTab).rows.front();
  EXPECT_EQ(row.size(), nv::foodListHeadings().size());
  EXPECT_EQ(row[3], "100");  // energy, the first nutrient, after group and colour class
}
