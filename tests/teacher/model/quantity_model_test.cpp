#include "teacher/model/quantity_model.h"

#include <gtest/gtest.h>

namespace {
nv::TUsedFoodList dish() { return {{1, 100, 100}, {2, 20, 20}, {3, 5, 5}}; }
}  // namespace

TEST(QuantityModel, TotalSliderAt15000SetsEveryLineTo150Percent) {
  nv::QuantityModel m(dish(), nullptr, 125);
  EXPECT_EQ(m.totalPosition(), 10000);
  m.setTotalPosition(15000);
  EXPECT_DOUBLE_EQ(m.currentTotal(), 187.5);
  EXPECT_DOUBLE_EQ(m.line(0).current, 150);
  EXPECT_DOUBLE_EQ(m.line(1).current, 30);
  EXPECT_DOUBLE_EQ(m.line(2).current, 7.5);
  EXPECT_EQ(m.linePosition(2), 15000);
  EXPECT_EQ(nv::QuantityModel::boxText(m.currentTotal()), "187.500000");
  nv::TUsedFoodList out = m.result(dish());
  EXPECT_DOUBLE_EQ(out[0].amount, 150);
  EXPECT_DOUBLE_EQ(out[0].standardAmount, 100);
}

TEST(QuantityModel, RevertingOneLineChangesOnlyThatLineAndTheTotal) {
  nv::QuantityModel m(dish(), nullptr, 125);
  m.setTotalPosition(5000);
  m.revertLine(1);
  EXPECT_DOUBLE_EQ(m.line(0).current, 50);
  EXPECT_DOUBLE_EQ(m.line(1).current, 20);
  EXPECT_DOUBLE_EQ(m.currentTotal(), 50 + 20 + 2.5);
  m.revertAll();
  EXPECT_DOUBLE_EQ(m.currentTotal(), 125);
  EXPECT_DOUBLE_EQ(m.line(0).current, 100);
}

TEST(QuantityModel, TotalBoxSetsLinesThroughTheSliderPosition) {
  nv::QuantityModel m(dish(), nullptr, 125);
  m.setTotalGrams(250);  // 200 %
  EXPECT_EQ(m.totalPosition(), 20000);
  EXPECT_DOUBLE_EQ(m.line(0).current, 200);
  m.setTotalGrams(1000);  // 800 %: the box keeps it, the slider stops at its end
  EXPECT_DOUBLE_EQ(m.currentTotal(), 1000);
  EXPECT_EQ(m.totalPosition(), 20000);
  EXPECT_DOUBLE_EQ(m.line(0).current, 200);
}

TEST(QuantityModel, ZeroStandardsNeverDivideByZero) {
  nv::QuantityModel m({{1, 0, 0}, {2, 10, 0}}, nullptr, 0);
  EXPECT_DOUBLE_EQ(m.standardTotal(), 1.0);
  EXPECT_EQ(m.linePosition(1), 0);  // a food with no standard amount has no slider scale
  m.setLinePosition(1, 15000);
  EXPECT_DOUBLE_EQ(m.line(1).current, 0);
  m.setLineGrams(1, 12);
  EXPECT_DOUBLE_EQ(m.currentTotal(), 12);
  EXPECT_EQ(m.totalPosition(), 20000);
  EXPECT_EQ(nv::QuantityModel::positionFor(5, 0), 0);
  EXPECT_EQ(nv::QuantityModel::positionFor(0.5, 1.0), 5000);
}
