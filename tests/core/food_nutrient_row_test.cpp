// The nutrient-table row of a food: number formats and the 0.04 threshold.
#include <gtest/gtest.h>

#include "core/food.h"
#include "core/nutrient_row.h"
#include "platform/text.h"

namespace {

TEST(NutrientRow, ZeroTextsBelowFourHundredths) {
  EXPECT_EQ(nv::nutrientCellText(0.04), "   0.0");
  EXPECT_EQ(nv::nutrientCellText(0.039), "   0  ");
  EXPECT_EQ(nv::nutrientCellText(-5), "   0  ");
  EXPECT_EQ(nv::nutrientCellText(1234.56), "1234.6");
  EXPECT_EQ(nv::amountCellText(0.04), "  0.0");
  EXPECT_EQ(nv::amountCellText(0.03), "  0");
  EXPECT_EQ(nv::amountCellText(12.25), " 12.2");
  EXPECT_EQ(nv::rowNumberText(7), "    7 ");
}

TEST(NutrientRow, DescriptiveColumnsAndScaledNutrients) {
  nv::TFood f;
  f.name = nv::sj("ほうれんそう");
  f.group = 3;
  f.colorClass = 3;
  f.nutrients[nv::kEnergy] = 20;
  f.nutrients[nv::kSalt] = 1;  // x 0.039 stays under the threshold
  nv::RowCells cells = nv::nutrientRowCells(f, 12, true, 0.039);
  EXPECT_EQ(cells.size(), 14u);  // 0, 3, 5, 6 and 7..16
  EXPECT_EQ(cells[0], "   12 ");
  EXPECT_EQ(cells[3], f.name);
  EXPECT_EQ(cells[5], "   3");
  EXPECT_EQ(nv::cp932ToUtf8(cells[6]), "緑");
  EXPECT_EQ(cells[7], "   0.8");
  EXPECT_EQ(cells[16], "   0  ");

  f.group = 0;
  f.colorClass = 4;
  cells = nv::nutrientRowCells(f, 1, true, 1);
  EXPECT_EQ(cells[5], "");
  EXPECT_EQ(cells[6], "");
  EXPECT_EQ(nv::nutrientRowCells(f, 1, false, 1).count(3), 0u);  // total rows keep their label
}

TEST(NutrientRow, DishSumsScaleByAmountAndSkipUnknownAndUnweighed) {
  nv::TFoodData t;
  nv::TFood rice;
  rice.number = 1;
  rice.nutrients[nv::kEnergy] = 350;
  t.setFoods({rice});
  // A child doubled the rice: the row follows the amount, as the totals do.
  nv::TUsedFoodList dish = {{1, 200, 100}, {1, 50, 0}, {99, 100, 100}};
  nv::TFood sum = nv::summedFood(dish, &t);
  EXPECT_DOUBLE_EQ(sum.nutrients[nv::kEnergy], 700);
  EXPECT_DOUBLE_EQ(nv::foodRowFactor(dish[0]), 2);
}

}  // namespace
