#include <gtest/gtest.h>

#include <tuple>

#include "byte_builder.h"
#include "core/kojin_data.h"
#include "platform/binio.h"
#include "platform/text.h"
#include "scripted_prompt.h"
#include "shown.h"

using nv::sj;
using nv::TKojinData;

namespace {

nvtest::Bytes& block(nvtest::Bytes& b, const std::string& cp932) { return b.text(cp932, 128); }

// A record of the given settings line followed by fixed body values.
std::string recordWith(const std::string& settingsUtf8) {
  nvtest::Bytes b;
  block(b, sj("はなこ"));
  block(b, sj(settingsUtf8));
  block(b, "150.5");
  block(b, "  40.25");
  for (const char* r : {"1800", "60.5", "25", "700", "12", "1800", "0.9", "1.0", "80", "7.5"})
    block(b, r);
  return b.str();
}

void expectNoFieldChanged(const TKojinData& p) {
  TKojinData fresh;
  EXPECT_EQ(p.age, fresh.age);
  EXPECT_EQ(p.height, fresh.height);
  EXPECT_EQ(p.lunchBoxCapacity, fresh.lunchBoxCapacity);
}

}  // namespace

TEST(KojinRecord, WritesFourteenTextBlocks) {
  nvtest::ScriptedPrompt prompt;
  TKojinData p;
  p.setName(sj("たろう"));
  nv::ByteWriter w;
  p.writeRecord(w, {true, 2});

  nvtest::Bytes b;
  block(b, sj("たろう"));
  block(b, sj(" 12   0   0   1   0   0   0  1  2 ↓  900"));
  block(b, "158.300000");
  block(b, "47.900000");
  for (const char* r : {"2227.300000", "81.000000", "27.500000", "900.000000", "12.000000",
                        "2000.000000", "1.100000", "1.200000", "80.000000", "0.000000"})
    block(b, r);
  ASSERT_EQ(w.size(), nv::kKojinRecordSize);
  EXPECT_EQ(w.data(), b.str());
}

TEST(KojinRecord, SettingsLineAlwaysReadsBackInPlace) {
  nvtest::ScriptedPrompt prompt;
  TKojinData p;
  p.age = 1000;
  p.sex = -5000;
  p.lunchBoxCapacity = 123456;
  p.windowState = "";
  nv::ByteWriter w;
  p.writeRecord(w, {false, 12});
  EXPECT_EQ(std::string_view(w.data()).substr(128, 128),
            nvtest::Bytes().text(sj("999 -99   0   1   0   0   0  0  0 ↓ 9999"), 128).str());
}

TEST(KojinRecord, ReadsElevenItemsAndTheWindowSettings) {
  nvtest::ScriptedPrompt prompt;
  std::string bytes = recordWith("  30   1   1   0   0   1   1  1  3 ←  1100") + "tail";
  TKojinData p;
  nv::KojinViewState view;
  nv::ByteReader in(bytes);
  ASSERT_TRUE(nvtest::shown(p.readRecord(in, &view)));
  EXPECT_EQ(in.remaining(), 4u);
  EXPECT_EQ(p.name(), sj("はなこ"));
  EXPECT_EQ(p.age, 30);
  EXPECT_EQ(p.sex, 1);
  EXPECT_EQ(p.mealSplit, 1);
  EXPECT_EQ(p.shares, (std::array<int32_t, 4>{3, 3, 4, 10}));
  EXPECT_EQ(p.activityLevel, 0);
  EXPECT_FALSE(p.pregnant);
  EXPECT_TRUE(p.lactating);
  EXPECT_TRUE(p.withinSixMonths);
  EXPECT_TRUE(view.graphByNutrient);
  EXPECT_EQ(view.activeMealTab, 3);
  EXPECT_EQ(p.windowState, sj("←"));
  EXPECT_EQ(p.lunchBoxCapacity, 1100);
  EXPECT_EQ(p.groupTargets, (std::array<int32_t, 7>{1, 230, 300, 100, 400, 370, 15}));
  EXPECT_EQ(p.height, 150.5);
  EXPECT_EQ(p.weight, 40.25);
  EXPECT_EQ(p.requirements, (nv::Nutrients{1800, 60.5, 25, 700, 12, 1800, 0.9, 1.0, 80, 7.5}));
}

TEST(KojinRecord, TenItemsMeanTheCapacityDefault) {
  nvtest::ScriptedPrompt prompt;  // no message expected
  std::string bytes = recordWith("  5   0   0   1   0   0   0  0  0 →");
  TKojinData p;
  p.lunchBoxCapacity = 1200;
  nv::ByteReader in(bytes);
  ASSERT_TRUE(nvtest::shown(p.readRecord(in)));
  EXPECT_EQ(p.lunchBoxCapacity, 900);
  EXPECT_EQ(p.age, 5);
  EXPECT_EQ(p.windowState, sj("→"));
  // Age 5 takes the food groups of age 6.
  EXPECT_EQ(p.groupTargets, (std::array<int32_t, 7>{1, 180, 400, 90, 320, 320, 15}));
}

TEST(KojinRecord, OtherItemCountsAreReportedAndReadingGoesOn) {
  nvtest::ScriptedPrompt prompt;
  prompt.expectBox("個人データの取得で、設定情報を 11 個取得できませんでした", "確認",
                   nv::Icon::None);
  // The fourth item is no number: three items are taken, the rest stays.
  std::string bytes = recordWith(" 40   1   3   x   1   1   1  1  1 ←  600");
  TKojinData p;
  p.activityLevel = 2;
  p.lunchBoxCapacity = 700;
  nv::KojinViewState view{false, 1};
  nv::ByteReader in(bytes);
  ASSERT_TRUE(nvtest::shown(p.readRecord(in, &view)));
  EXPECT_EQ(p.age, 40);
  EXPECT_EQ(p.sex, 1);
  EXPECT_EQ(p.mealSplit, 3);
  EXPECT_EQ(p.shares, (std::array<int32_t, 4>{3, 2, 3, 8}));
  EXPECT_EQ(p.activityLevel, 2);
  EXPECT_FALSE(p.pregnant);
  EXPECT_EQ(p.lunchBoxCapacity, 700);
  EXPECT_EQ(view.activeMealTab, 1);
  EXPECT_EQ(p.windowState, sj("↓"));
  EXPECT_EQ(p.height, 150.5);

  // An empty settings block is a failed scan too.
  prompt.expectBox("個人データの取得で、設定情報を 11 個取得できませんでした", "確認",
                   nv::Icon::None);
  bytes = recordWith("");
  nv::ByteReader empty(bytes);
  EXPECT_TRUE(nvtest::shown(p.readRecord(empty)));
}

TEST(KojinRecord, TruncatedRecordsFailAtTheFirstMissingBlock) {
  nvtest::ScriptedPrompt prompt;
  const std::string full = recordWith(" 14   1   2   3   0   0   0  0  0 ↓  800");
  {
    TKojinData p;
    nv::ByteReader in(std::string_view(full).substr(0, 127));
    EXPECT_FALSE(nvtest::shown(p.readRecord(in)));
    EXPECT_EQ(p.name(), "");
  }
  {  // 34 bytes of the settings block: nothing of it is taken.
    TKojinData p;
    nv::ByteReader in(std::string_view(full).substr(0, 128 + 34));
    EXPECT_FALSE(nvtest::shown(p.readRecord(in)));
    EXPECT_EQ(p.name(), sj("はなこ"));
    expectNoFieldChanged(p);
  }
  {  // 35 bytes hold the ten leading items; reading then stops at the height.
    TKojinData p;
    nv::ByteReader in(std::string_view(full).substr(0, 128 + 35));
    EXPECT_FALSE(nvtest::shown(p.readRecord(in)));
    EXPECT_EQ(p.age, 14);
    EXPECT_EQ(p.activityLevel, 3);
    EXPECT_EQ(p.lunchBoxCapacity, 900);
    EXPECT_EQ(p.height, TKojinData().height);
  }
  {  // Everything up to the fourth requirement is taken.
    TKojinData p;
    nv::ByteReader in(std::string_view(full).substr(0, 128 * 7 + 100));
    EXPECT_FALSE(nvtest::shown(p.readRecord(in)));
    EXPECT_EQ(p.lunchBoxCapacity, 800);
    EXPECT_EQ(p.weight, 40.25);
    EXPECT_EQ(p.requirements[nv::kFat], 25);
    EXPECT_EQ(p.requirements[nv::kCalcium], TKojinData().requirements[nv::kCalcium]);
  }
}

TEST(KojinRecord, HostileValuesStayWithinTheTables) {
  nvtest::ScriptedPrompt prompt;
  nvtest::Bytes b;
  b.fill(128, 'N');  // a name without its NUL
  block(b, "999  -7  99  42   5   0   0 -3 99 ab 9999");
  block(b, "abc");  // no number: the height stays
  block(b, "1e300");
  for (int i = 0; i < 10; ++i) block(b, "nan");
  TKojinData p;
  nv::KojinViewState view{false, 2};
  nv::ByteReader in(b.str());
  ASSERT_TRUE(nvtest::shown(p.readRecord(in, &view)));
  EXPECT_EQ(p.name(), std::string(127, 'N'));
  EXPECT_EQ(p.age, 999);
  EXPECT_EQ(p.sex, 0);
  EXPECT_EQ(p.mealSplit, 0);
  EXPECT_EQ(p.shares[3], 8);
  EXPECT_EQ(p.activityLevel, 3);
  EXPECT_TRUE(p.pregnant);
  EXPECT_TRUE(view.graphByNutrient);
  EXPECT_EQ(view.activeMealTab, 0);
  EXPECT_EQ(p.windowState, sj("↓"));
  EXPECT_EQ(p.lunchBoxCapacity, 9999);
  EXPECT_EQ(p.height, 158.3);
  EXPECT_EQ(p.weight, 1e300);

  // A value too long for "%lf" in 128 bytes is written in a form that still reads back.
  nv::ByteWriter w;
  p.writeRecord(w, view);
  ASSERT_EQ(w.size(), nv::kKojinRecordSize);
  EXPECT_EQ(nv::fixedFieldText(std::string_view(w.data()).substr(128 * 3, 128)), "1e+300");
  TKojinData back;
  nv::ByteReader again(w.data());
  ASSERT_TRUE(nvtest::shown(back.readRecord(again)));
  EXPECT_EQ(back.weight, 1e300);
}

TEST(KojinRecord, RoundTripKeepsEveryField) {
  nvtest::ScriptedPrompt prompt;
  TKojinData p;
  p.setName(std::string(127, '\x82'));  // cut inside a double-byte character
  p.age = 160;
  p.sex = 1;
  p.lunchBoxCapacity = 1200;
  p.setMealSplit(4);
  p.activityLevel = 3;
  p.pregnant = true;
  p.lactating = true;
  p.withinSixMonths = true;
  p.height = 145.6;
  p.weight = 48.7;
  for (int i = 0; i < nv::kNutrientCount; ++i) p.requirements[i] = 100.25 * i + 0.5;
  p.windowState = TKojinData::windowStateMedium();
  nv::ByteWriter w;
  p.writeRecord(w, {true, 3});

  TKojinData q;
  nv::KojinViewState view;
  nv::ByteReader in(w.data());
  ASSERT_TRUE(nvtest::shown(q.readRecord(in, &view)));
  EXPECT_EQ(std::tie(q.name(), q.age, q.sex, q.lunchBoxCapacity, q.mealSplit, q.shares,
                     q.activityLevel, q.height, q.weight, q.requirements, q.windowState),
            std::tie(p.name(), p.age, p.sex, p.lunchBoxCapacity, p.mealSplit, p.shares,
                     p.activityLevel, p.height, p.weight, p.requirements, p.windowState));
  EXPECT_TRUE(q.pregnant && q.lactating && q.withinSixMonths);
  EXPECT_TRUE(view.graphByNutrient);
  EXPECT_EQ(view.activeMealTab, 3);
  nv::ByteWriter w2;
  q.writeRecord(w2, view);
  EXPECT_EQ(w2.data(), w.data());
}
