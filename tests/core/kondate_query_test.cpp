#include <gtest/gtest.h>

#include "core/kana_rows.h"
#include "kondate_fixtures.h"

namespace {
using namespace nvtest;

nv::TKondateData sample() {
  nv::TKondateData db;
  category(db, "ごはん").base = {dish(1, "おにぎり", {{1, 100}}),
                                 dish(2, "カレーライス", {{1, 80}, {2, 0}})};
  category(db, "ごはん").added = {dish(100001, "おにぎり", {{1, 120}}),
                                  dish(100002, "赤飯", {{1, 90}})};
  category(db, "空");
  category(db, "めん").added = {dish(100003, "うどん", {{3, 200}}),
                                dish(2, "カレーうどん", {{2, 7}})};
  return db;
}

std::vector<std::string> flat(const nv::TextRows& rows) {
  std::vector<std::string> out;
  for (const nv::TextRow& r : rows) out.push_back(u8(r[0]) + "|" + u8(r[1]));
  return out;
}

TEST(KondateQuery, NumbersNamesAndIngredients) {
  nv::TKondateData db = sample();
  EXPECT_EQ(db.dishCount(), 6u);
  // Added dishes first when asked by name, base first when asked by number.
  EXPECT_EQ(db.numberOf(nv::sj("ごはん"), nv::sj("おにぎり")), 100001);
  EXPECT_EQ(db.numberOf(nv::sj("ごはん"), nv::sj("カレーライス")), 2);
  EXPECT_EQ(db.numberOf(nv::sj("めん"), nv::sj("おにぎり")), 0);
  EXPECT_EQ(db.numberOf(nv::sj("ない"), nv::sj("おにぎり")), 0);
  EXPECT_EQ(u8(db.nameOf(2)), "カレーライス");
  EXPECT_EQ(u8(db.nameOf(100002)), "赤飯");
  EXPECT_EQ(u8(db.nameOf(100003)), "うどん");
  EXPECT_EQ(u8(db.nameOf(99)), "不明な献立");
  EXPECT_EQ(u8(nv::TKondateData().nameOf(1)), "不明");
  auto foods = db.ingredientsOf(2);
  ASSERT_TRUE(foods);
  EXPECT_EQ(foods->size(), 2u);
  EXPECT_FALSE(db.ingredientsOf(99));
  EXPECT_EQ(db.largestNumber(), 100003);
  EXPECT_EQ(nv::TKondateData().largestNumber(), 100000);
}

TEST(KondateQuery, StandardWeightSearchesAddedFirstAndGoesOnPastZero) {
  nv::TKondateData db = sample();
  EXPECT_EQ(db.standardWeightOf(2), 80);  // base dish of ごはん before めん's added one
  EXPECT_EQ(db.standardWeightOf(2, 1), 80);
  EXPECT_EQ(db.standardWeightOf(2, 2), 7);  // 0 g in the first dish: the search goes on
  EXPECT_EQ(db.standardWeightOf(100001, 1), 120);
  EXPECT_EQ(db.standardWeightOf(99), 0);
}

TEST(KondateQuery, CategoryAndDishNameLists) {
  nv::TKondateData db = sample();
  std::vector<std::string> names{"stale"};
  db.categoryNames(names);
  ASSERT_EQ(names.size(), 2u);
  EXPECT_EQ(u8(names[1]), "めん");
  std::vector<std::string> dishes{nv::sj("赤飯")};
  db.dishNamesOf(nv::sj("ごはん"), dishes);
  std::vector<std::string> got;
  for (auto& d : dishes) got.push_back(u8(d));
  EXPECT_EQ(got, (std::vector<std::string>{"赤飯", "おにぎり", "カレーライス"}));
}

TEST(KondateRows, FiltersCaptionAddedDishesWithAStar) {
  nv::TKondateData db = sample();
  EXPECT_EQ(flat(db.rowsWithPrefix(nv::sj("カレー"), true)),
            (std::vector<std::string>{"ごはん|カレーライス", "*めん|カレーうどん"}));
  EXPECT_EQ(flat(db.rowsWithPrefix(nv::sj("カレー"), false)),
            (std::vector<std::string>{"ごはん|カレーライス"}));
  EXPECT_EQ(flat(db.rowsContaining(nv::sj("うどん"), true)),
            (std::vector<std::string>{"*めん|うどん", "*めん|カレーうどん"}));
  EXPECT_TRUE(db.rowsContaining("", true).empty());
  // カ is 83 4A and イ 83 43: a half-width letter never matches inside a character.
  EXPECT_TRUE(db.rowsContaining("J", true).empty());
  EXPECT_TRUE(db.rowsContaining("C", true).empty());
  EXPECT_EQ(db.rowsWithPrefix("", true).size(), 6u);
  EXPECT_EQ(flat(db.rowsOfKanaRow(nv::kanaRows()[0], true)),
            (std::vector<std::string>{"ごはん|おにぎり", "*ごはん|おにぎり", "*めん|うどん"}));
  EXPECT_EQ(flat(db.rowsWithoutKana(true)), (std::vector<std::string>{"*ごはん|赤飯"}));
  EXPECT_TRUE(db.rowsWithoutKana(false).empty());
  EXPECT_EQ(flat(db.rowsOfAdded()),
            (std::vector<std::string>{"*ごはん|おにぎり", "*ごはん|赤飯", "*めん|うどん",
                                      "*めん|カレーうどん"}));
  EXPECT_EQ(flat(db.rowsOfCategory(nv::sj("めん"))),
            (std::vector<std::string>{"めん|うどん", "めん|カレーうどん"}));
}

TEST(KondateRows, PreviewShowsNumberWeightAndFirstFiveFoods) {
  nv::TFoodData foods = foodsNamed({"こめ", "たまご"});
  nv::TKondateData db;
  category(db, "ごはん").base = {
      dish(7, "ごった煮", {{1, 1}, {2, 2}, {1, 3}, {2, 4}, {9, 5}, {1, 6.5}}), dish(8, "空")};
  nv::TextRow head = nv::TKondateData::previewHeadings();
  ASSERT_EQ(head.size(), 8u);
  EXPECT_EQ(u8(head[0]) + u8(head[2]) + u8(head[7]), "通し番号標準の重量食品５");
  nv::TextRows rows = db.previewRows(&foods);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0][0], "7");
  EXPECT_EQ(rows[0][2], "21.5");
  EXPECT_EQ(u8(rows[0][7]), "不明な食品:9");
  EXPECT_EQ(rows[1], (nv::TextRow{"8", nv::sj("空"), "0", "", "", "", "", ""}));
}

}  // namespace
