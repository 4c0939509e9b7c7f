#include "teacher/model/dish_grid.h"

#include <gtest/gtest.h>

TEST(DishGrid, WeightMaskTakesFourDigitsAPointAndThreeDecimals) {
  for (const char* ok : {"", "0", "   0.   ", "1234.567", "12.", ".5", " 7 "})
    EXPECT_TRUE(nv::fitsWeightMask(ok)) << ok;
  for (const char* bad : {"12345", "1.2345", "1a", "-3", "1.2.3", "1 2", "1e2"})
    EXPECT_FALSE(nv::fitsWeightMask(bad)) << bad;
}

TEST(DishGrid, CellWeightDropsEveryBlankAndRejectsText) {
  EXPECT_DOUBLE_EQ(*nv::cellWeight("  12.5 "), 12.5);
  EXPECT_DOUBLE_EQ(*nv::cellWeight("1 2.\t5"), 12.5);  // blanks of the mask inside
  EXPECT_DOUBLE_EQ(*nv::cellWeight(""), 0);
  EXPECT_FALSE(nv::cellWeight("abc"));
  EXPECT_FALSE(nv::cellWeight("."));
}

TEST(DishGrid, AddingUsesAnEmptyRowOneThenAppendsAndRefusesTwins) {
  nv::DishGrid g;
  EXPECT_EQ(g.rowCount(), 2);
  EXPECT_EQ(g.addFood("a"), 1);
  EXPECT_EQ(g.row(1).grams, "0");
  EXPECT_EQ(g.addFood("b"), 2);
  EXPECT_EQ(g.currentRow(), 2);
  EXPECT_FALSE(g.addFood("a"));  // already there: nothing changes
  EXPECT_EQ(g.rowCount(), 3);
}

TEST(DishGrid, RemovingMovesRowsUpAndKeepsAnEmptyRowOne) {
  nv::DishGrid g;
  g.addFood("a");
  g.addFood("b");
  g.addFood("c");
  g.setCurrentRow(1);
  g.removeCurrent();
  ASSERT_EQ(g.rowCount(), 3);
  EXPECT_EQ(g.row(1).foodName, "b");
  EXPECT_EQ(g.row(2).foodName, "c");
  g.setCurrentRow(2);
  g.removeCurrent();
  EXPECT_EQ(g.currentRow(), 1);  // the current row follows the shorter grid
  g.removeCurrent();
  ASSERT_EQ(g.rowCount(), 2);  // the only row is emptied, not removed
  EXPECT_EQ(g.row(1).foodName, "");
  EXPECT_EQ(g.row(1).grams, "");
  EXPECT_FALSE(g.canRemove());
  g.setCurrentRow(0);
  g.removeCurrent();  // the title row is never removed
  EXPECT_EQ(g.rowCount(), 2);
}

TEST(DishGrid, RegistrationNeedsANameAndOneFoodAboveZeroGrams) {
  nv::DishGrid g;
  g.addFood("a");
  g.addFood("b");
  EXPECT_FALSE(g.canRegister("dish"));  // weight-0 rows only
  g.setGrams(2, "  abc");
  EXPECT_FALSE(g.canRegister("dish"));  // not a number counts as no weight
  g.setGrams(2, " 12.5");
  EXPECT_TRUE(g.canRegister("dish"));
  EXPECT_FALSE(g.canRegister(""));
  EXPECT_EQ(g.weightedRows(), 1);
}

TEST(DishGrid, LoadingADishAndHandingRowsToRegistration) {
  nv::DishGrid g;
  g.load({{"", ""}, {"a", "10"}, {"b", "2.5"}});
  EXPECT_EQ(g.rowCount(), 3);
  EXPECT_EQ(g.row(2).grams, "2.5");
  g.load({{"", ""}});
  EXPECT_EQ(g.rowCount(), 2);  // no foods: one empty row
  g.setGrams(1, "30");         // a weight beside no food
  EXPECT_TRUE(g.foodRows().empty());
  EXPECT_FALSE(g.canRegister("dish"));
}
