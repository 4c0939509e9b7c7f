#include <gtest/gtest.h>

#include "bento/model/bento_data.h"
#include "bento_test_util.h"
#include "scripted_prompt.h"
#include "shown.h"

using nv::NameList;
using nv::sj;
using nvtest::dish;

namespace {

class BentoLookups : public ::testing::Test {
 protected:
  void SetUp() override {
    k.Categories = {sj("ごはん"), sj("めん"), sj("その他")};
    k.Placements = {sj("弁当箱"), sj("コースター")};
    k.Storages = {sj("炊飯器"), sj("冷蔵庫")};
    auto add = [&](nv::TBentouData d, int32_t cat, int32_t storage) {
      d.CategoryIndex = cat;
      d.StorageIndex = storage;
      k.Dishes.push_back(d);
    };
    add(dish("ごはん", 0, 200, {{10, 150}}), 0, 0);
    add(dish("カレー", 0, 250, {{10, 100}, {20, 50}}), 0, 1);
    add(dish("牛乳", 1, 200, {{30, 200}}), 2, 1);
    nv::TBentouData second = dish("ごはん", 1, 999, {{20, 1}});
    second.SizeFactor = 3;
    second.StepLines = {sj("たく")};
    add(second, 0, 0);
    k.Dishes[1].SizeFactor = 0.5;
    k.Dishes[1].IngredientLines = {sj("ルー")};
    k.Dishes[1].QuantityLines = {sj("1箱")};
    k.Dishes[1].StepLines = {sj("煮る"), sj("かける")};
    k.renumber();
  }
  nv::TDaidokoro k;
};

TEST_F(BentoLookups, NameListsByIndexAndInUse) {
  NameList out{"stale"};
  k.dishesOfCategory(sj("ごはん"), out);
  EXPECT_EQ(out, (NameList{sj("ごはん"), sj("カレー"), sj("ごはん")}));
  k.dishesOfCategory(sj("めん"), out);
  EXPECT_TRUE(out.empty());
  out = {"stale"};
  k.dishesOfCategory(sj("ないもの"), out);
  EXPECT_TRUE(out.empty());
  k.dishesOfStorage(sj("冷蔵庫"), out);
  EXPECT_EQ(out, (NameList{sj("カレー"), sj("牛乳")}));
  k.dishesOfPlacement(sj("コースター"), out);
  EXPECT_EQ(out, (NameList{sj("牛乳"), sj("ごはん")}));

  NameList used;
  k.categoriesInUse(used);
  EXPECT_EQ(used, (NameList{sj("ごはん"), sj("その他")}));
  used.clear();
  k.placementsInUse(used);
  EXPECT_EQ(used.size(), 2u);
  EXPECT_EQ(k.Dishes.back().Number, 4);
}

TEST_F(BentoLookups, FirstDishOfANameWinsExceptForRecipes) {
  EXPECT_EQ(k.sizeFactor(sj("ごはん")), 1.0);
  EXPECT_EQ(k.sizeFactor(sj("カレー")), 0.5);
  EXPECT_EQ(k.sizeFactor(sj("ないもの")), 1.0);
  EXPECT_EQ(k.placementName(sj("ごはん")), sj("弁当箱"));
  EXPECT_EQ(k.placementName(sj("牛乳")), sj("コースター"));
  EXPECT_EQ(k.placementName(sj("ないもの")), sj("弁当箱"));  // unknown counts as index 0
  k.Dishes[2].PlacementIndex = 7;
  EXPECT_EQ(k.placementName(sj("牛乳")), "");

  // The second ごはん is the one with steps.
  EXPECT_TRUE(k.hasRecipe(sj("ごはん")));
  EXPECT_FALSE(k.hasRecipe(sj("牛乳")));
  NameList ing{"x"}, steps{"x"}, qty{"x"};
  ASSERT_TRUE(k.recipe(sj("カレー"), ing, steps, qty));
  EXPECT_EQ(ing, (NameList{sj("材料"), sj("ルー")}));
  EXPECT_EQ(qty, (NameList{sj("量"), sj("1箱")}));
  EXPECT_EQ(steps, (NameList{sj("煮る"), sj("かける")}));
  ASSERT_TRUE(k.recipe(sj("ごはん"), ing, steps, qty));
  EXPECT_EQ(ing, NameList{sj("材料")});
  EXPECT_EQ(steps, NameList{sj("たく")});
  EXPECT_FALSE(k.recipe(sj("牛乳"), ing, steps, qty));
  EXPECT_EQ(steps, NameList{sj("たく")});  // left alone
}

TEST_F(BentoLookups, VolumeCountsFirstDishOfPlacementZeroOnly) {
  // ごはん (first: 200, index 0), 牛乳 (index 1: nothing), unknown: nothing.
  EXPECT_EQ(k.volumeSum({sj("ごはん"), sj("牛乳"), sj("ないもの"), sj("カレー")}), 450);
  // Index 0 counts whatever the placement is called.
  k.Placements[0] = sj("コースター");
  EXPECT_EQ(k.volumeSum({sj("ごはん")}), 200);
}

TEST(BentoCapacity, StrictlyGreaterThanWhatTheBoxWouldHold) {
  EXPECT_FALSE(nv::boxAccepts(900, 850, 50));
  EXPECT_TRUE(nv::boxAccepts(900, 850, 49.9));
  EXPECT_FALSE(nv::boxAccepts(900, 0, 900));
  EXPECT_EQ(nv::placedPictureSize(128, 1.0), 64);
  EXPECT_EQ(nv::placedPictureSize(128, 1.27), 81);  // 81.28 truncated
  EXPECT_EQ(nv::placedPictureSize(128, -2), 0);
}

TEST_F(BentoLookups, TotalsReportUnknownDishesAndGoOn) {
  nv::TFoodData foods = nvtest::sampleFoods();
  nvtest::ScriptedPrompt p;
  p.expectMessage("料理名が見つかりませんでした:ないもの");
  nv::Nutrients n{};
  nvtest::shown(k.nutrientTotals({sj("ないもの"), sj("カレー")}, n, foods));
  EXPECT_DOUBLE_EQ(n[0], 168 + 151 * 0.5);
  EXPECT_DOUBLE_EQ(n[1], 15);

  p.expectMessage("料理名が見つかりませんでした:ないもの");
  nv::GroupGrams g{};
  nvtest::shown(k.foodGroupGrams({sj("カレー"), sj("ないもの"), sj("牛乳")}, g, foods));
  EXPECT_EQ(g[5], 100);
  EXPECT_EQ(g[1], 50);
  EXPECT_EQ(g[3], 200);

  // A food missing from the table adds no grams and the table's own message for nutrients.
  k.Dishes[2].Foods[0].FoodNumber = 99;
  g = {};
  nvtest::shown(k.foodGroupGrams({sj("牛乳")}, g, foods));
  EXPECT_EQ(g, nv::GroupGrams{});
  // Told in the order the dishes are met, the food's notice among the names'.
  p.expectMessage("食品が見つかりませんでした:99")
      .expectMessage("料理名が見つかりませんでした:ないもの");
  nvtest::shown(k.nutrientTotals({sj("牛乳"), sj("ないもの")}, n, foods));

  nv::TDaidokoro empty;
  p.expectMessage("BentouData == NULL").expectMessage("BentouData == NULL");
  nvtest::shown(empty.nutrientTotals({sj("カレー")}, n, foods));
  nvtest::shown(empty.foodGroupGrams({}, g, foods));
}

TEST(BentoReadingGroups, ByteRangesOfFirstCharacter) {
  NameList groups;
  nv::readingGroups(groups);
  ASSERT_EQ(groups.size(), 11u);
  EXPECT_EQ(groups.front(), sj("あ行"));
  EXPECT_EQ(groups.back(), sj("漢字"));

  EXPECT_TRUE(nv::inReadingGroup(sj("あ行"), sj("ぁ")));
  EXPECT_TRUE(nv::inReadingGroup(sj("あ行"), sj("オムレツ")));
  EXPECT_FALSE(nv::inReadingGroup(sj("あ行"), sj("かき")));
  EXPECT_TRUE(nv::inReadingGroup(sj("か行"), sj("ごま和え")));
  EXPECT_TRUE(nv::inReadingGroup(sj("は行"), sj("ポテト")));
  EXPECT_TRUE(nv::inReadingGroup(sj("わ行"), sj("ヶ")));
  EXPECT_TRUE(nv::inReadingGroup(sj("わ行"), sj("ん")));
  EXPECT_TRUE(nv::inReadingGroup(sj("漢字"), sj("亜")));
  EXPECT_TRUE(nv::inReadingGroup(sj("漢字"), sj("黑")));
  EXPECT_TRUE(nv::inReadingGroup(sj("漢字"), sj("焼き魚")));
  EXPECT_FALSE(nv::inReadingGroup(sj("漢字"), sj("ー")));
  EXPECT_FALSE(nv::inReadingGroup(sj("漢字"), "A"));
  EXPECT_FALSE(nv::inReadingGroup(sj("ア行"), sj("あ")));
  EXPECT_FALSE(nv::inReadingGroup(sj("あ行"), ""));

  nv::TDaidokoro k;
  for (const char* n : {"かぼちゃ", "ごはん", "カレー", "みそ汁"})
    k.Dishes.push_back(dish(n, 0, 0, {}));
  NameList out;
  k.dishesOfReadingGroup(sj("か行"), out);
  ASSERT_EQ(out.size(), 3u);
  EXPECT_EQ(out[0], sj("かぼちゃ"));  // sorted
  out.clear();
  k.dishesOfReadingGroup(sj("ないもの"), out);
  EXPECT_TRUE(out.empty());
}

}  // namespace
