#include "planner/model/dish_search.h"

#include <gtest/gtest.h>

#include "core/kondate_data.h"
#include "planner/model/about_info.h"
#include "platform/text.h"

using nv::sj;

namespace {

nv::TKondateData database() {
  nv::TKondateData db;
  nv::TOrder& main = db.findOrAppendOrder(sj("主食"));
  for (const char* n : {"らーめん", "わかめごはん", "カレーライス", "ンジャメナ風", "五目ごはん",
                        "ロールパン", "ABCスープ"})
    main.base.push_back(nv::TKondate::make(1, sj(n)));
  nv::TOrder& soup = db.findOrAppendOrder(sj("汁物"));
  soup.added.push_back(nv::TKondate::make(100001, sj("ワンタンスープ")));
  soup.added.push_back(nv::TKondate::make(100002, sj("みそ汁")));
  return db;
}

std::vector<std::string> names(const nv::TextRows& rows) {
  std::vector<std::string> out;
  for (const auto& r : rows) out.push_back(nv::cp932ToUtf8(r[0]) + "/" + nv::cp932ToUtf8(r[1]));
  return out;
}

}  // namespace

TEST(DishSearch, RaWaItemCoversBothRowsIncludingWaAndN) {
  EXPECT_EQ(nv::kanaRowsOfItem(nv::syllabaryItems()[8]), (std::vector<int>{8, 9}));
  EXPECT_EQ(nv::kanaRowsOfItem(nv::syllabaryItems()[0]), (std::vector<int>{0}));
  EXPECT_EQ(nv::kanaRowsOfItem(nv::syllabaryItems()[7]), (std::vector<int>{7}));
  const auto rows = nv::searchBySyllabary(database(), 8);
  ASSERT_TRUE(rows);
  EXPECT_EQ(names(*rows),
            (std::vector<std::string>{"主食/らーめん", "主食/わかめごはん", "主食/ンジャメナ風",
                                      "主食/ロールパン", "*汁物/ワンタンスープ"}));
  EXPECT_EQ(names(*nv::searchBySyllabary(database(), 1)),
            (std::vector<std::string>{"主食/カレーライス"}));
}

TEST(DishSearch, KanjiItemListsNamesWithoutAKanaInitial) {
  const auto rows = nv::searchBySyllabary(database(), nv::kKanjiItem);
  ASSERT_TRUE(rows);
  EXPECT_EQ(names(*rows), (std::vector<std::string>{"主食/五目ごはん", "主食/ABCスープ"}));
  EXPECT_FALSE(nv::searchBySyllabary(database(), 10));
  EXPECT_FALSE(nv::kanaRowsOfItem(sj("漢字")).size());
}

TEST(DishSearch, PrefixAndSuffixIncludeAddedDishes) {
  const nv::TKondateData db = database();
  EXPECT_EQ(names(nv::searchByPrefix(db, sj("わかめ"))),
            (std::vector<std::string>{"主食/わかめごはん"}));
  EXPECT_EQ(names(nv::searchBySuffix(db, sj("ごはん"))),
            (std::vector<std::string>{"主食/わかめごはん", "主食/五目ごはん"}));
  EXPECT_EQ(names(nv::searchBySuffix(db, sj("スープ"))),
            (std::vector<std::string>{"主食/ABCスープ", "*汁物/ワンタンスープ"}));
  EXPECT_TRUE(nv::searchBySuffix(db, "").empty());
  EXPECT_TRUE(nv::searchByPrefix(db, "").empty());
}

TEST(DishSearch, SuffixMatchesWholeCharactersOnly) {
  nv::TKondateData db;
  // "ソ" is 0x83 0x5C: its trailing byte is the ASCII backslash.
  db.findOrAppendOrder("x").base.push_back(nv::TKondate::make(1, sj("ソ")));
  EXPECT_TRUE(nv::searchBySuffix(db, "\\").empty());
  EXPECT_EQ(nv::searchBySuffix(db, sj("ソ")).size(), 1u);
}

TEST(DishSearch, CategoryOfAnAddedDishDropsTheStar) {
  EXPECT_EQ(nv::categoryOfCaption("*" + sj("汁物")), sj("汁物"));
  EXPECT_EQ(nv::categoryOfCaption(sj("汁物")), sj("汁物"));
}

TEST(AboutBox, VersionTextHasOneSpaceBeforeBuild) {
  EXPECT_EQ(nv::aboutVersionText(1, 2, 3, 45), "Version 1.2.3 Build:45");
}

TEST(AboutBox, ListScrollsALineAStepAndRestartsThreeBeforeTheEnd) {
  nv::AboutScroller s(6);
  EXPECT_EQ(s.step().top, 1);
  EXPECT_FALSE(s.step().restart);  // top 2
  const auto last = s.step();
  EXPECT_EQ(last.top, 3);
  EXPECT_TRUE(last.restart);
  s.restart();
  EXPECT_EQ(s.top(), 0);
  EXPECT_EQ(s.step().top, 1);

  nv::AboutScroller fits(3);
  EXPECT_EQ(fits.step().top, 0);
  EXPECT_FALSE(fits.step().restart);
}

TEST(AboutBox, MailLinkCarriesTheSubject) {
  EXPECT_EQ(nv::aboutMailUrl("nv@example.jp"),
            "mailto:nv@example.jp?subject=NV%E3%81%AE%E6%84%9F%E6%83%B3");
}
