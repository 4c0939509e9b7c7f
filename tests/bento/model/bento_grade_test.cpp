#include "bento/model/bento_grade.h"

#include <gtest/gtest.h>

#include "bento_test_util.h"
#include "core/gun_name.h"
#include "core/kojin_data.h"
#include "scripted_prompt.h"

using nv::sj;

namespace {

nv::Nutrients ones() {
  nv::Nutrients n;
  n.fill(100);
  return n;
}

TEST(BentoGrade, NutrientsAtTheBoundsAreWithinRange) {
  nv::Nutrients req = ones();
  nv::Nutrients t = ones();
  t[0] = 70;
  t[1] = 130;
  t[9] = 1000;  // salt is not judged
  EXPECT_EQ(nv::gradeByNutrients(t, req), 0);
  t[2] = 69.99;
  t[3] = 130.01;
  EXPECT_EQ(nv::gradeByNutrients(t, req), 0);  // two outside
  t[4] = 0;
  EXPECT_EQ(nv::gradeByNutrients(t, req), 1);  // three
  t[5] = t[6] = t[7] = 0;
  EXPECT_EQ(nv::gradeByNutrients(t, req), 2);  // six
  t[0] = t[1] = t[8] = 0;
  EXPECT_EQ(nv::gradeByNutrients(t, req), 3);  // all nine
  // A requirement typed as 0 gives ratio 0, not a division by zero.
  req[8] = 0;
  EXPECT_EQ(nv::requirementRatio(50, 0), 0);
}

TEST(BentoGrade, FoodGroupPoints) {
  nv::GroupGrams req{1, 100, 100, 100, 100, 100, 100};
  nv::GroupGrams g{0, 100, 100, 80, 80, 100, 50};
  EXPECT_EQ(nv::groupPoints(g, req), 3);
  EXPECT_EQ(nv::gradeByGroups(g, req), 0);
  g[3] = 50;
  g[6] = 200;
  EXPECT_EQ(nv::groupPoints(g, req), 6);
  EXPECT_EQ(nv::gradeByGroups(g, req), 2);

  // Group 2 has the wider 0.3 .. 1.5 band; group 1 the usual one.
  g = {0, 130, 30, 70, 0, 70, 130};
  EXPECT_EQ(nv::groupPoints(g, req), 1 + 2 + 1);  // e = 70 / 200 < 0.7
  EXPECT_EQ(nv::gradeByGroups(g, req), 0);
  g = {0, 131, 151, 69, 300, 69, 131};
  EXPECT_EQ(nv::groupPoints(g, req), 9);
  EXPECT_EQ(nv::gradeByGroups(g, req), 3);
  g = {0, 131, 100, 100, 100, 100, 100};
  EXPECT_EQ(nv::groupPoints(g, req), 4);
  EXPECT_EQ(nv::gradeByGroups(g, req), 0);
  g[6] = 131;
  EXPECT_EQ(nv::groupPoints(g, req), 5);
  EXPECT_EQ(nv::gradeByGroups(g, req), 2);  // never 1 on this path
  g[2] = 10;
  g[3] = 0;
  EXPECT_EQ(nv::groupPoints(g, req), 8);
  EXPECT_EQ(nv::gradeByGroups(g, req), 3);
}

TEST(BentoGrade, GraphRowsShowTruncatedPercentages) {
  nv::LunchRequirements lunch;
  lunch.nutrients = ones();
  lunch.groups = {1, 200, 100, 100, 100, 100, 100};
  nv::Nutrients t = ones();
  t[0] = 99.99;
  t[1] = 250;
  t[9] = 0;
  nv::GroupGrams g{5, 100, 0, 33.3, 0, 0, 0};
  nv::TGunName names;
  auto rows = nv::evaluationGraphRows(nv::GraphKind::Nutrients, t, g, lunch, names);
  ASSERT_EQ(rows.size(), 10u);
  EXPECT_EQ(rows[0].label, sj("エネルギー"));
  EXPECT_EQ(rows[0].percentText, "99%");
  EXPECT_EQ(rows[1].percentText, "250%");
  EXPECT_EQ(rows[9].label, sj(" 塩分  "));
  EXPECT_EQ(rows[9].percentText, "0%");
  EXPECT_EQ(rows[6].colorGroup, 6);
  EXPECT_EQ(rows[7].colorGroup, -1);

  rows = nv::evaluationGraphRows(nv::GraphKind::Groups, t, g, lunch, names);
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(rows[0].label, sj("魚肉卵豆"));
  EXPECT_EQ(rows[0].percentText, "50%");
  EXPECT_EQ(rows[0].requirement, 200);
  EXPECT_EQ(rows[2].percentText, "33%");
  EXPECT_EQ(rows[5].colorGroup, 6);

  EXPECT_EQ(nv::barRight(100, 200, 500, 0.5), 200);
  EXPECT_EQ(nv::barRight(100, 200, 500, 1.999), 499);
  EXPECT_EQ(nv::barRight(100, 200, 500, 5), 500);
}

TEST(BentoGrade, BoxOfDishesAgainstTheProfile) {
  nv::TFoodData foods = nvtest::sampleFoods();
  nv::TDaidokoro k;
  k.Dishes.push_back(nvtest::dish("たまご焼き", 0, 50, {{20, 50}}));
  nv::TKojinData child;
  nv::LunchRequirements lunch = nv::LunchRequirements::of(child);
  EXPECT_EQ(lunch.groups[1], child.GroupRequirement(1, 1));
  EXPECT_DOUBLE_EQ(lunch.nutrients[9], 3.75);
  // 50 g of group 1 alone: group 1 is far below, so is everything else.
  EXPECT_EQ(nv::gradeBox(k, {sj("たまご焼き")}, child, nv::GraphKind::Groups, foods).grade, 3);
  EXPECT_EQ(nv::gradeBox(k, {sj("たまご焼き")}, child, nv::GraphKind::Nutrients, foods).grade, 3);
}

}  // namespace
