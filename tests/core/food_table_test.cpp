// Lookups, the add-nutrients rule and its messages, ingredient lists, list rows, kana rows.
#include <gtest/gtest.h>

#include "core/food.h"
#include "core/kana_rows.h"
#include "core/used_food.h"
#include "platform/text.h"
#include "scripted_prompt.h"
#include "shown.h"

namespace {

nv::TFood food(int32_t number, const char* nameUtf8, int32_t group, double energy) {
  nv::TFood f;
  f.number = number;
  f.name = nv::sj(nameUtf8);
  f.group = group;
  f.colorClass = 1;
  f.nutrients[nv::kEnergy] = energy;
  f.nutrients[nv::kSalt] = 1;
  return f;
}

nv::TFoodData table() {
  nv::TFoodData t;
  // Duplicate numbers and names: the first in table order wins.
  t.setFoods({food(10, "こめ", 5, 350), food(20, "ぶたにく", 1, 250), food(10, "にせもの", 6, 1),
              food(30, "こめ", 6, 2), food(40, "牛乳", 2, 67)});
  return t;
}

TEST(FoodTable, LookupsTakeTheFirstMatch) {
  nv::TFoodData t = table();
  ASSERT_NE(t.findByNumber(10), nullptr);
  EXPECT_EQ(t.findByNumber(10)->name, nv::sj("こめ"));
  EXPECT_EQ(t.findByNumber(11), nullptr);
  EXPECT_EQ(t.groupOf(10), 5);
  EXPECT_EQ(t.groupOf(-1), -1);
  EXPECT_EQ(t.numberOfName(nv::sj("こめ")), 10);
  EXPECT_EQ(t.numberOfName(nv::sj("こめ ")), -1);  // whole name, byte-exact
  EXPECT_EQ(t.displayName(40), nv::sj("牛乳"));
  EXPECT_EQ(nv::cp932ToUtf8(t.displayName(17)), "不明な食品:17");
  EXPECT_EQ(nv::cp932ToUtf8(t.csvName(17)), "不明な食品");
  nv::TFoodData empty;
  EXPECT_EQ(nv::cp932ToUtf8(empty.displayName(10)), "不明(データなし)");
  EXPECT_EQ(nv::cp932ToUtf8(empty.csvName(10)), "不明な食品");
}

TEST(FoodTable, AddNutrientsRuleAndItsMessages) {
  nv::TFoodData t = table();
  nv::TFoodData empty;
  nvtest::ScriptedPrompt prompt;
  prompt.expectMessage("食品が見つかりませんでした:99")
      .expectMessage("食品データが読み込まれていないため、栄養価を計算できません。");
  nv::Nutrients acc{};
  nvtest::shown(t.addNutrients(10, 50, acc));
  EXPECT_DOUBLE_EQ(acc[nv::kEnergy], 175);
  EXPECT_DOUBLE_EQ(acc[nv::kSalt], 0.5);
  nvtest::shown(t.addNutrients(99, 0, acc));  // 0 g of an unknown food: silent
  nvtest::shown(empty.addNutrients(99, 0, acc));
  nvtest::shown(t.addNutrients(99, 10, acc));
  nvtest::shown(empty.addNutrients(10, 10, acc));
  EXPECT_DOUBLE_EQ(acc[nv::kEnergy], 175);
}

TEST(FoodTable, EachMissingFoodIsToldOnceUntilTheDataChanges) {
  nv::TFoodData t = table();
  nv::TFoodData empty;
  nv::Nutrients acc{};
  {
    nvtest::ScriptedPrompt prompt;
    prompt.expectMessage("食品が見つかりませんでした:99")
        .expectMessage("食品が見つかりませんでした:98")
        .expectMessage("食品データが読み込まれていないため、栄養価を計算できません。");
    for (int redraw = 0; redraw < 5; ++redraw) {
      nvtest::shown(t.addNutrients(99, 10, acc));
      nvtest::shown(t.addNutrients(98, 10, acc));
      for (int ingredient = 0; ingredient < 20; ++ingredient)
        nvtest::shown(empty.addNutrients(10, 10, acc));
    }
  }
  nvtest::ScriptedPrompt prompt;
  prompt.expectMessage("食品が見つかりませんでした:99")
      .expectMessage("食品データが読み込まれていないため、栄養価を計算できません。");
  t.setFoods(t.foods());
  empty.clear();
  nvtest::shown(t.addNutrients(99, 10, acc));
  nvtest::shown(empty.addNutrients(10, 10, acc));
}

TEST(UsedFoods, ListOperations) {
  nv::TFoodData t = table();
  nv::TUsedFoodList list = {nv::usedFoodFromName(nv::sj("こめ"), 100, t),
                            nv::usedFoodFromName(nv::sj("ぶたにく"), 12.5, t),
                            nv::usedFoodFromName(nv::sj("かすみ"), 3, t)};
  EXPECT_EQ(list[0].foodNumber, 10);
  EXPECT_EQ(list[1].standardAmount, 12.5);
  EXPECT_EQ(list[2].foodNumber, -1);
  EXPECT_DOUBLE_EQ(nv::totalAmount(list), 115.5);
  EXPECT_EQ(nv::amountOfFood(list, 20), 12.5);
  EXPECT_EQ(nv::amountOfFood(list, 40), 0);

  nv::GroupGrams grams{};
  nv::addGroupGrams(list, &t, grams);
  EXPECT_EQ(grams[5], 100);
  EXPECT_EQ(grams[1], 12.5);
  EXPECT_DOUBLE_EQ(grams[0] + grams[2] + grams[3] + grams[4] + grams[6], 0);

  EXPECT_EQ(nv::cp932ToUtf8(nv::csvRows(list, &t, nv::sj("ごはん"), nv::sj("ぶた丼"))),
            "ごはん,ぶた丼,こめ,100.000000\nごはん,ぶた丼,ぶたにく,12.500000\n"
            "ごはん,ぶた丼,不明な食品,3.000000\n");

  nv::TextRows grid = nv::ingredientGridRows(list, &t);
  ASSERT_EQ(grid.size(), 4u);
  EXPECT_EQ(grid[0], (nv::TextRow{"", ""}));
  EXPECT_EQ(grid[2], (nv::TextRow{nv::sj("ぶたにく"), "12.5"}));
  EXPECT_EQ(nv::cp932ToUtf8(grid[3][0]), "不明な食品:-1");
}

TEST(UsedFoods, NutrientTotalsGoThroughTheRule) {
  nv::TFoodData t = table();
  nv::TUsedFoodList list = {{10, 200, 100}, {-1, 0, 5}, {40, 100, 100}};
  nv::Nutrients acc{};
  {
    nvtest::ScriptedPrompt prompt;  // 0 g of the unknown food raises nothing
    nvtest::shown(nv::addNutrientTotals(list, &t, acc));
    nvtest::shown(nv::addNutrientTotals(list, nullptr, acc));  // no table: nothing
  }
  EXPECT_DOUBLE_EQ(acc[nv::kEnergy], 700 + 67);
  list[1].amount = 1;
  nvtest::ScriptedPrompt prompt;
  prompt.expectMessage("食品が見つかりませんでした:-1");
  nvtest::shown(nv::addNutrientTotals(list, &t, acc));
}

TEST(UsedFoods, TablesLoadedSideBySideEachResolveTheirOwnNames) {
  // The planner's table and the kitchen's are open at once and number the same food apart.
  const nv::TFoodData planner = table();
  nv::TFoodData kitchen;
  kitchen.setFoods({food(7, "牛乳", 2, 60)});
  EXPECT_EQ(nv::usedFoodFromName(nv::sj("牛乳"), 1, planner).foodNumber, 40);
  EXPECT_EQ(nv::usedFoodFromName(nv::sj("牛乳"), 1, kitchen).foodNumber, 7);
  EXPECT_EQ(nv::usedFoodFromName(nv::sj("こめ"), 1, kitchen).foodNumber, -1);
  EXPECT_EQ(nv::usedFoodFromName(nv::sj("牛乳"), 1, nv::TFoodData()).foodNumber, -1);
}

TEST(FoodTable, ListRowsAndKanaFilters) {
  nv::TFoodData t = table();
  nv::TextRows all = t.listRows();
  ASSERT_EQ(all.size(), 5u);
  EXPECT_EQ(all[0], (nv::TextRow{"", nv::sj("こめ"), "5", "1", "350", "0", "0", "0", "0", "0", "0",
                                 "0", "0", "1"}));
  nv::TextRows ka = t.listRowsOfKanaRow(nv::kanaRows()[1]);
  ASSERT_EQ(ka.size(), 2u);
  EXPECT_EQ(ka[1][0], nv::sj("こめ"));
  EXPECT_EQ(ka[1].size(), 13u);
  nv::TextRows other = t.listRowsWithoutKana();
  ASSERT_EQ(other.size(), 1u);
  EXPECT_EQ(other[0][0], nv::sj("牛乳"));
}

TEST(KanaRows, RowsAndInitials) {
  EXPECT_EQ(nv::kanaRows()[9], nv::sj("わゎゐゑをんワヮヰヱヲンヴヵヶ"));
  EXPECT_EQ(nv::allKana().size(), 2 * 169u);
  EXPECT_EQ(nv::kanaRowStartingWith(nv::sj("らりるれろわ")), 8);
  EXPECT_EQ(nv::kanaRowStartingWith(nv::sj("漢字")), -1);
  EXPECT_EQ(nv::kanaRowOfName(nv::sj("ヴィシソワーズ")), 9);
  EXPECT_EQ(nv::kanaRowOfName(nv::sj("ぱん")), 5);
  EXPECT_EQ(nv::kanaRowOfName(nv::sj("ﾊﾟﾝ")), -1);  // half-width kana belong to no row
  EXPECT_TRUE(nv::startsWithNoKana(""));
  EXPECT_TRUE(nv::startsWithNoKana(std::string(1, nv::sj("あ")[0])));
  // Only aligned two-byte characters of the row match, never a pair straddling two of them.
  std::string row = nv::sj("あい");
  std::string straddle = row.substr(1, 2);
  EXPECT_FALSE(nv::startsWithCharOf(straddle, row));
}

}  // namespace
