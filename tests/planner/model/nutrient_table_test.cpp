#include "planner/model/nutrient_table.h"

#include <gtest/gtest.h>

#include "core/food.h"
#include "planner/model/selected_menu.h"
#include "platform/text.h"

using nv::sj;

namespace {

nv::TFoodData foods() {
  nv::TFood rice;
  rice.number = 1;
  rice.name = sj("ごはん");
  rice.group = 5;
  rice.colorClass = 2;
  rice.nutrients[nv::kEnergy] = 156;
  rice.nutrients[nv::kProtein] = 2.5;
  nv::TFood salt;
  salt.number = 2;
  salt.name = sj("食塩");
  salt.group = 0;
  salt.colorClass = 0;
  salt.nutrients[nv::kSalt] = 99.5;
  salt.nutrients[nv::kEnergy] = 1;
  nv::TFoodData data;
  data.setFoods({rice, salt});
  return data;
}

nv::SelDish dish(int32_t no, const std::string& name, nv::TUsedFoodList used) {
  nv::SelDish d;
  d.kondateNo = no;
  d.caption = sj(name);
  d.usedFoods = std::move(used);
  d.weight = nv::totalAmount(d.usedFoods);
  d.standardWeight = d.weight;
  return d;
}

std::string nameOf(int no) { return no == 7 ? sj("ごはん") : sj("しお"); }

std::string u8(const std::string& s) { return nv::cp932ToUtf8(s); }

}  // namespace

TEST(NutrientTable, LunchOnlyMenuHasDayRowSeparatorMealTotalDishAndFoodRows) {
  nv::SelectedMenu menu;
  menu.add(1, dish(7, "ごはん", {{1, 150, 150}}));
  menu.add(1, dish(8, "しお", {{2, 0.03, 0.03}, {1, 10, 10}}));
  const nv::TFoodData table = foods();
  const nv::TextRows rows = nv::nutrientTableRows(menu, table, nameOf);

  // header + day total + separator + lunch total + (1 + 1) + (1 + 2)
  ASSERT_EQ(rows.size(), 9u);
  for (const auto& row : rows) ASSERT_EQ(row.size(), 17u);
  EXPECT_EQ(u8(rows[0][2]), " 献立名");
  EXPECT_EQ(u8(rows[0][12]), "ﾋﾞﾀﾐﾝA ");

  // Day total: 150 g + 10 g rice = 249.6 kcal, plus 0.03 g salt at 1 kcal.
  EXPECT_EQ(rows[1][0], "    1 ");
  EXPECT_EQ(u8(rows[1][1]), "１日分");
  EXPECT_EQ(rows[1][2], "");
  EXPECT_EQ(rows[1][4], "");
  EXPECT_EQ(rows[1][7], " 249.6");
  EXPECT_EQ(rows[1][8], "   4.0");
  EXPECT_EQ(rows[1][16], "   0  ");  // 0.03 x 0.995 salt: below what is shown

  // The separator row holds only its number.
  EXPECT_EQ(rows[2][0], "    2 ");
  for (size_t c = 1; c < 17; ++c) EXPECT_EQ(rows[2][c], "") << c;

  EXPECT_EQ(u8(rows[3][1]), "昼食");
  EXPECT_EQ(rows[3][7], " 249.6");

  // Dish row: name, weight, summed values.
  EXPECT_EQ(u8(rows[4][2]), "ごはん");
  EXPECT_EQ(rows[4][1], "");
  EXPECT_EQ(rows[4][4], "150.0");
  EXPECT_EQ(rows[4][7], " 234.0");
  EXPECT_EQ(rows[4][3], "");

  // Food row: name, amount, group, colour class, values for the amount.
  EXPECT_EQ(u8(rows[5][3]), "ごはん");
  EXPECT_EQ(rows[5][4], "150.0");
  EXPECT_EQ(rows[5][5], "   5");
  EXPECT_EQ(u8(rows[5][6]), "黄");
  EXPECT_EQ(rows[5][8], "   3.8");  // 2.5 x 1.5 = 3.75 rounds up

  // A 0.03 g food: weight "  0", every nutrient the zero text; group 0 and no colour empty.
  EXPECT_EQ(rows[6][4], " 10.0");  // the dish's weight: 10.03
  EXPECT_EQ(u8(rows[7][3]), "食塩");
  EXPECT_EQ(rows[7][4], "  0");
  EXPECT_EQ(rows[7][5], "");
  EXPECT_EQ(rows[7][6], "");
  for (size_t c = 7; c < 17; ++c) EXPECT_EQ(rows[7][c], "   0  ") << c;
  EXPECT_EQ(rows[8][0], "    8 ");
}

TEST(NutrientTable, LightDishShowsZeroWeightTextAndUnknownFoodKeepsItsLine) {
  nv::SelectedMenu menu;
  menu.add(0, dish(8, "しお", {{2, 0.03, 0.03}, {99, 5, 5}}));
  const nv::TextRows rows = nv::nutrientTableRows(menu, foods(), nameOf);
  ASSERT_EQ(rows.size(), 1u + 2 + 1 + 1 + 2);
  // 5.03 g in all: a dish of one tiny food and one the table does not know.
  EXPECT_EQ(rows[4][4], "  5.0");
  EXPECT_FALSE(rows[6][3].empty());
  EXPECT_EQ(rows[6][4], "  5.0");
  EXPECT_EQ(rows[6][7], "   0  ");

  nv::SelectedMenu tiny;
  tiny.add(2, dish(8, "しお", {{2, 0.03, 0.03}}));
  EXPECT_EQ(nv::nutrientTableRows(tiny, foods(), nameOf)[4][4], "  0.0");
}

TEST(NutrientTable, EmptyMenuIsTheHeaderAlone) {
  nv::SelectedMenu menu;
  EXPECT_EQ(nv::nutrientTableRows(menu, foods(), nameOf).size(), 1u);
  EXPECT_FALSE(nv::menuHasDishes(menu));
}

TEST(NutrientTable, CheckListFollowsTheMeals) {
  nv::SelectedMenu menu;
  menu.add(1, dish(7, "ごはん", {{1, 150, 150}}));
  const auto items = nv::printCheckItems(menu);
  ASSERT_EQ(items.size(), 5u);
  EXPECT_EQ(u8(items[0].text), "献立テーブル");
  EXPECT_TRUE(items[0].enabled);
  EXPECT_FALSE(items[0].checked);
  const bool expected[] = {false, true, false, true};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(items[size_t(i) + 1].enabled, expected[i]) << i;
    EXPECT_EQ(items[size_t(i) + 1].checked, expected[i]) << i;
  }
  EXPECT_EQ(u8(items[4].text), "１日分");
  EXPECT_TRUE(nv::menuHasDishes(menu));
}
