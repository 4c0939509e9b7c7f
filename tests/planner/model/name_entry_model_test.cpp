#include "planner/model/name_entry_model.h"

#include <gtest/gtest.h>

#include "core/kojin_data.h"
#include "core/standard_values.h"
#include "decimal_comma_locale.h"
#include "platform/text.h"

using nv::sj;

TEST(NameEntryBodySlider, SpansTheStandardPlusMinusTwentyInWholeUnits) {
  const double standard = nv::referenceHeight(12, 0);  // 158.3
  EXPECT_DOUBLE_EQ(nv::bodySliderValue(standard, 50), standard);
  EXPECT_DOUBLE_EQ(nv::bodySliderValue(standard, 0), standard - 20);
  EXPECT_DOUBLE_EQ(nv::bodySliderValue(standard, 100), standard + 20);
  // (40 - 2000) / 100 truncates toward zero: -19, not -20.
  EXPECT_DOUBLE_EQ(nv::bodySliderValue(standard, 1), standard - 19);
  EXPECT_DOUBLE_EQ(nv::bodySliderValue(standard, 99), standard + 19);
  EXPECT_DOUBLE_EQ(nv::bodySliderValue(standard, 51), standard);  // 40 / 100 = 0
}

TEST(NameEntryBodySlider, TypedValuesFindTheirPositionClampedAndTruncated) {
  for (int age : {6, 9, 12, 15, 18, 30, 50, 70})
    for (int sex : {0, 1}) {
      const double h = nv::referenceHeight(age, sex), w = nv::referenceWeight(age, sex);
      EXPECT_EQ(nv::bodySliderPosition(h, h), 50) << age << " " << sex;
      EXPECT_EQ(nv::bodySliderPosition(w, w), 50) << age << " " << sex;
      EXPECT_EQ(nv::bodySliderPosition(h, h - 20), 0);
      EXPECT_EQ(nv::bodySliderPosition(h, h + 20), 100);
    }
  EXPECT_EQ(nv::bodySliderPosition(158.3, 158.3 - 19), 2);  // 1 x 2.5
  EXPECT_EQ(nv::bodySliderPosition(158.3, 0), 0);           // an empty edit
  EXPECT_EQ(nv::bodySliderPosition(158.3, 500), 100);
}

TEST(NameEntryRequirementSlider, FiftyIsTheStandardAndHundredTwice) {
  EXPECT_DOUBLE_EQ(nv::requirementSliderValue(2227.4, 50), 2227.4);
  EXPECT_DOUBLE_EQ(nv::requirementSliderValue(2227.4, 100), 2 * 2227.4);
  EXPECT_DOUBLE_EQ(nv::requirementSliderValue(2227.4, 0), 0);
  EXPECT_NEAR(nv::requirementSliderValue(81.0, 25), 40.5, 1e-9);
  // Every one-decimal value finds position 50 for itself.
  for (int tenths = 1; tenths < 40000; tenths += 7) {
    const double v = nv::asEditValue(tenths / 10.0);
    ASSERT_EQ(nv::requirementSliderPosition(v, v), 50) << v;
  }
  EXPECT_EQ(nv::requirementSliderPosition(100, 200), 100);
  EXPECT_EQ(nv::requirementSliderPosition(100, 999), 100);
  EXPECT_EQ(nv::requirementSliderPosition(100, 19.9), 9);
  EXPECT_EQ(nv::requirementSliderPosition(0, 10), 50);  // no division by zero
}

TEST(NameEntryLayout, CaptionsCycleAndUnknownMeansShort) {
  using L = nv::NameEntryLayout;
  EXPECT_EQ(nv::nameEntryLayoutCaption(L::kShort), sj("↓"));
  EXPECT_EQ(nv::nameEntryLayoutCaption(L::kMedium), sj("→"));
  EXPECT_EQ(nv::nameEntryLayoutCaption(L::kFull), sj("←"));
  EXPECT_EQ(nv::nextNameEntryLayout(L::kShort), L::kMedium);
  EXPECT_EQ(nv::nextNameEntryLayout(L::kMedium), L::kFull);
  EXPECT_EQ(nv::nextNameEntryLayout(L::kFull), L::kShort);
  EXPECT_EQ(nv::nameEntryLayoutOf(sj("←")), L::kFull);
  EXPECT_EQ(nv::nameEntryLayoutOf(""), L::kShort);
  EXPECT_EQ(nv::nameEntryLayoutOf("??"), L::kShort);
}

TEST(NameEntryTexts, EditNumbersAndScaleLabels) {
  EXPECT_EQ(nv::numberEditText(2227.35), "2227.3");  // the binary value lies below .35
  EXPECT_EQ(nv::numberEditText(0), "0.0");
  EXPECT_DOUBLE_EQ(nv::numberEditValue("47.9"), 47.9);
  EXPECT_DOUBLE_EQ(nv::numberEditValue(""), 0);
  EXPECT_DOUBLE_EQ(nv::numberEditValue("."), 0);
  EXPECT_DOUBLE_EQ(nv::numberEditValue("12."), 12);
  EXPECT_EQ(nv::bodyScaleLabel(138.3, "cm"), sj("↓138.3(cm)"));
}

TEST(NameEntryOrder, TheNineEditsCoverEveryRequirementButSaltOnce) {
  std::array<int, nv::kNutrientCount> seen{};
  for (int slot : nv::kNameEntryRequirementSlots) ++seen[size_t(slot)];
  for (int slot = 0; slot < nv::kSalt; ++slot) EXPECT_EQ(seen[size_t(slot)], 1) << slot;
  EXPECT_EQ(seen[nv::kSalt], 0);
  EXPECT_EQ(nv::kNameEntryRequirementSlots[1], nv::kFat);
  EXPECT_EQ(nv::kNameEntryRequirementSlots[2], nv::kProtein);
}

TEST(NameEntryModel, EditTextsKeepThePointUnderADecimalCommaLocale) {
  nvtest::DecimalCommaLocale locale;
  ASSERT_TRUE(locale.active());
  EXPECT_EQ(nv::numberEditText(0.8), "0.8");
  EXPECT_EQ(nv::numberEditValue(nv::numberEditText(2227.3)), 2227.3);
  EXPECT_EQ(nv::bodyScaleLabel(138.3, "cm"), nv::sj("↓") + "138.3(cm)");
}
