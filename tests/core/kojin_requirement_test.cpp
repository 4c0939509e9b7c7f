#include <gtest/gtest.h>

#include "core/kojin_data.h"
#include "core/standard_values.h"
#include "platform/text.h"

using nv::sj;
using nv::TKojinData;

TEST(KojinRequirement, FreshProfileIsTwelveYearOldBoyAtLevelTwo) {
  TKojinData p;
  EXPECT_EQ(p.name(), "");
  EXPECT_EQ(p.age, 12);
  EXPECT_EQ(p.sex, 0);
  EXPECT_EQ(p.lunchBoxCapacity, 900);
  EXPECT_EQ(p.mealSplit, 0);
  EXPECT_EQ(p.shares, (std::array<int32_t, 4>{2, 3, 3, 8}));
  EXPECT_EQ(p.activityLevel, 1);
  EXPECT_FALSE(p.pregnant || p.lactating || p.withinSixMonths);
  EXPECT_EQ(p.windowState, sj("↓"));
  EXPECT_EQ(p.height, 158.3);
  EXPECT_EQ(p.weight, 47.9);
  // 47.9 x 31.0 x 1.5 and 47.9 x 1.69, as the dialog's one-decimal edits hold them.
  EXPECT_EQ(p.requirements, (nv::Nutrients{2227.3, 81.0, 27.5, 900, 12, 2000, 1.1, 1.2, 80, 0}));
  EXPECT_EQ(p.groupTargets, (std::array<int32_t, 7>{1, 310, 400, 100, 400, 410, 20}));
}

TEST(KojinRequirement, MealSharesSaltAndFat) {
  TKojinData p;
  p.requirements[nv::kEnergy] = 2000;
  p.requirements[nv::kFat] = 25;
  p.requirements[nv::kSalt] = 123;  // stored, never used
  p.requirements[nv::kIron] = 16;
  EXPECT_EQ(p.Requirement(nv::kLunch, nv::kSalt), 3.75);
  EXPECT_EQ(p.Requirement(nv::kWholeDay, nv::kSalt), 10);
  EXPECT_NEAR(p.Requirement(nv::kWholeDay, nv::kFat), 55.5556, 1e-4);
  EXPECT_NEAR(p.Requirement(nv::kBreakfast, nv::kFat), 55.5556 / 4, 1e-4);
  EXPECT_EQ(p.Requirement(nv::kBreakfast, nv::kIron), 4);
  EXPECT_EQ(p.Requirement(nv::kDinner, nv::kIron), 6);
  // Any meal index other than 0..2 is the day.
  EXPECT_EQ(p.Requirement(7, nv::kIron), 16);
  EXPECT_EQ(p.Requirement(-1, nv::kIron), 16);
  EXPECT_EQ(p.Requirement(0, 10), 0);
  EXPECT_EQ(p.Requirement(0, -1), 0);

  p.setMealSplit(1);  // 3 : 3 : 4 of 10
  EXPECT_EQ(p.shares, (std::array<int32_t, 4>{3, 3, 4, 10}));
  EXPECT_EQ(p.Requirement(nv::kDinner, nv::kSalt), 4);
  EXPECT_EQ(p.GroupRequirement(nv::kDinner, 1), 0.4 * 310);
  EXPECT_EQ(p.GroupRequirement(nv::kWholeDay, 5), 410);
  EXPECT_EQ(p.GroupRequirement(nv::kBreakfast, 7), 0);
  p.setMealSplit(2);
  EXPECT_DOUBLE_EQ(p.Requirement(nv::kLunch, nv::kSalt), 10.0 / 3);
  p.setMealSplit(9);  // unknown index: the first split
  EXPECT_EQ(p.mealSplit, 0);
  EXPECT_EQ(p.shares[3], 8);
}

TEST(KojinRequirement, NameIsCutAt127BytesAndFirstNul) {
  TKojinData p;
  p.setName(std::string(200, 'a'));
  EXPECT_EQ(p.name().size(), 127u);
  p.setName(std::string("ab\0cd", 5));
  EXPECT_EQ(p.name(), "ab");
}

TEST(KojinStandardValues, ActivityLevelIsHeldBetweenTwoAndThreeBelowFifteen) {
  EXPECT_EQ(nv::effectiveActivityLevel(14, 0), 1);
  EXPECT_EQ(nv::effectiveActivityLevel(15, 0), 0);

  // A 14-year-old girl at level IV is computed at level III (factor 1.7).
  nv::StandardValues v = nv::standardValues(nv::defaultStandardInput(14, 1, 3));
  EXPECT_EQ(v.activityLevel, 2);
  EXPECT_DOUBLE_EQ(v.requirements[nv::kEnergy], 45.3 * 29.6 * 1.7);
  v = nv::standardValues(nv::defaultStandardInput(15, 1, 3));
  EXPECT_EQ(v.activityLevel, 3);
  EXPECT_DOUBLE_EQ(v.requirements[nv::kEnergy], 51.4 * 25.3 * 1.9);
}

TEST(KojinStandardValues, ThirtyYearOldWomanWithPregnancyAndNursingBoxes) {
  EXPECT_TRUE(nv::pregnancyBoxesVisible(30, 1));
  EXPECT_FALSE(nv::pregnancyBoxesVisible(30, 0));
  EXPECT_FALSE(nv::pregnancyBoxesVisible(15, 1));
  EXPECT_TRUE(nv::pregnancyBoxesVisible(16, 1));
  EXPECT_TRUE(nv::pregnancyBoxesVisible(69, 1));
  EXPECT_FALSE(nv::pregnancyBoxesVisible(70, 1));
  EXPECT_TRUE(nv::afterDeliveryBoxVisible(30, 1, true));
  EXPECT_FALSE(nv::afterDeliveryBoxVisible(30, 1, false));
  EXPECT_FALSE(nv::afterDeliveryBoxVisible(30, 0, true));

  nv::StandardInput in = nv::defaultStandardInput(30, 1, 1);
  EXPECT_EQ(in.weight, 54.2);
  nv::StandardValues plain = nv::standardValues(in);
  EXPECT_EQ(plain.height, 156.0);
  EXPECT_DOUBLE_EQ(plain.requirements[nv::kEnergy], 54.2 * 21.7 * 1.5);
  EXPECT_DOUBLE_EQ(plain.requirements[nv::kProtein], 54.2 * 1.01);
  EXPECT_EQ(plain.requirements, (nv::Nutrients{plain.requirements[0], plain.requirements[1], 22.5,
                                               600, 12, 1800, 0.8, 1.0, 100, 0}));

  in.lactating = true;
  nv::StandardValues nursing = nv::standardValues(in);
  EXPECT_DOUBLE_EQ(nursing.requirements[nv::kEnergy], 54.2 * 21.7 * 1.5 + 600);
  EXPECT_DOUBLE_EQ(nursing.requirements[nv::kProtein], 54.2 * 1.01 + 20);
  EXPECT_EQ(nursing.requirements[nv::kFat], 25);
  EXPECT_EQ(nursing.requirements[nv::kCalcium], 1100);

  in.pregnant = true;  // both additions
  nv::StandardValues both = nv::standardValues(in);
  EXPECT_DOUBLE_EQ(both.requirements[nv::kEnergy], 54.2 * 21.7 * 1.5 + 950);
  EXPECT_DOUBLE_EQ(both.requirements[nv::kVitaminA], 3000);
  EXPECT_DOUBLE_EQ(both.requirements[nv::kVitaminB1], 1.2);
  EXPECT_DOUBLE_EQ(both.requirements[nv::kIron], 28);

  // Checked boxes that are hidden (a man, or a girl of 15) add nothing.
  in.sex = 0;
  EXPECT_EQ(nv::standardValues(in).requirements[nv::kFat], 22.5);
  nv::StandardInput girl = nv::defaultStandardInput(15, 1, 1);
  girl.pregnant = girl.lactating = true;
  EXPECT_EQ(nv::standardValues(girl).requirements[nv::kFat], 27.5);
  EXPECT_EQ(nv::standardValues(girl).requirements[nv::kCalcium], 700);
}

TEST(KojinStandardValues, AgeBandsTakeTheLastRowAtOrBelowTheAge) {
  EXPECT_EQ(nv::referenceHeight(11, 0), 139.0);
  EXPECT_EQ(nv::referenceWeight(12, 1), 45.3);
  EXPECT_EQ(nv::referenceHeight(160, 1), 145.6);
  EXPECT_EQ(nv::referenceHeight(0, 0), 83.6);  // below every row: the first
  EXPECT_EQ(nv::proteinPerKg(69, 0), 1.01);
  EXPECT_EQ(nv::proteinPerKg(70, 0), 1.13);
  EXPECT_EQ(nv::fatEnergyRatio(17), 27.5);
  EXPECT_EQ(nv::fatEnergyRatio(18), 22.5);
  // Iron changes for girls at 11, for women again at 70; B1 drops again at 18.
  EXPECT_EQ(nv::standardValues(nv::defaultStandardInput(10, 1, 1)).requirements[nv::kIron], 10);
  EXPECT_EQ(nv::standardValues(nv::defaultStandardInput(11, 1, 1)).requirements[nv::kIron], 12);
  EXPECT_EQ(nv::standardValues(nv::defaultStandardInput(11, 0, 1)).requirements[nv::kIron], 10);
  EXPECT_EQ(nv::standardValues(nv::defaultStandardInput(70, 1, 1)).requirements[nv::kIron], 10);
}

TEST(KojinStandardValues, FoodGroupRows) {
  using G = std::array<int32_t, 7>;
  EXPECT_EQ(nv::foodGroupTargets(5, 0), nv::foodGroupTargets(6, 0));
  EXPECT_EQ(nv::foodGroupTargets(-40, 1), (G{1, 160, 400, 90, 320, 290, 15}));
  EXPECT_EQ(nv::foodGroupTargets(14, 1), (G{1, 290, 400, 100, 400, 400, 25}));
  EXPECT_EQ(nv::foodGroupTargets(14, 0), (G{1, 310, 400, 100, 400, 490, 30}));
  EXPECT_EQ(nv::foodGroupTargets(29, 0), (G{1, 260, 400, 100, 400, 510, 25}));
  EXPECT_EQ(nv::foodGroupTargets(160, 0), (G{1, 230, 300, 100, 400, 300, 10}));
  EXPECT_EQ(nv::foodGroupTargets(160, 1), (G{1, 200, 300, 100, 400, 240, 10}));

  TKojinData p;
  p.age = 5;
  p.sex = 1;
  p.lookUpGroupTargets();
  EXPECT_EQ(p.groupTargets, (G{1, 160, 400, 90, 320, 290, 15}));
  EXPECT_EQ(p.age, 5);  // only the look-up is raised
}

TEST(KojinStandardValues, DialogTexts) {
  EXPECT_EQ(nv::mealSplitItem(1), sj("３：３：４"));
  EXPECT_EQ(nv::activityLevelItem(1), sj("Ⅱ　やや低い"));
  EXPECT_EQ(nv::asEditValue(0.8 + 0.1), 0.9);
}
