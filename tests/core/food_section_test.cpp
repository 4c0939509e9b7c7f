// Reading the food section: messages for bad input, the previous table kept, short files.
#include <gtest/gtest.h>

#include "byte_builder.h"
#include "core/food.h"
#include "platform/binio.h"
#include "platform/text.h"
#include "scripted_prompt.h"
#include "shown.h"

namespace {
using nvtest::Bytes;

nv::TFood food(int32_t number, const char* nameUtf8) {
  nv::TFood f;
  f.number = number;
  f.name = nv::sj(nameUtf8);
  f.nutrients[0] = number * 10.0;
  return f;
}

std::string section(const std::vector<nv::TFood>& foods) {
  nv::TFoodData t;
  t.setFoods(foods);
  nv::ByteWriter w;
  t.writeSection(w);
  return w.data();
}

nv::TFoodData previousTable() {
  nv::TFoodData t;
  t.setFoods({food(7, "たまご")});
  return t;
}

void expectPrevious(const nv::TFoodData& t) {
  ASSERT_EQ(t.count(), 1u);
  EXPECT_EQ(t.foods()[0].number, 7);
}

TEST(FoodSection, BadMagicKeepsThePreviousTable) {
  const std::string good = section({food(1, "こめ")});
  std::string wrongText = good, emptyText = good;
  wrongText.replace(0, 7, "Nuvelto");
  emptyText[0] = '\0';
  for (const std::string& bytes : {wrongText, emptyText, good.substr(0, 127), std::string()}) {
    nvtest::ScriptedPrompt prompt;
    prompt.expectBox("Nuvelta の食品データではないようです", "確認", nv::Icon::Stop);
    nv::TFoodData t = previousTable();
    nv::ByteReader in(bytes);
    EXPECT_FALSE(nvtest::shown(t.readSection(in, &nv::prompt())));
    expectPrevious(t);
    EXPECT_TRUE(prompt.progressWindows().empty());
  }
}

TEST(FoodSection, MagicIsTheWholeTextBeforeItsNul) {
  Bytes longer;
  longer.text("Nuvelta Food Data2", 128).i32(2).i32(0);
  nvtest::ScriptedPrompt prompt;
  prompt.expectBox("Nuvelta の食品データではないようです", "確認", nv::Icon::Stop);
  nv::TFoodData t;
  nv::ByteReader in(longer.str());
  EXPECT_FALSE(nvtest::shown(t.readSection(in, nullptr)));

  // Bytes after the NUL do not matter.
  Bytes junk;
  junk.raw("Nuvelta Food Data").fill(1).fill(110, 'x').i32(2).i32(0);
  nv::ByteReader in2(junk.str());
  EXPECT_TRUE(nvtest::shown(t.readSection(in2, nullptr)));
  EXPECT_EQ(t.count(), 0u);
}

TEST(FoodSection, OtherVersionsKeepThePreviousTableWithOneMessage) {
  for (int32_t version : {1, 3}) {
    std::string bytes = section({food(1, "こめ")});
    nv::putInt32LE(bytes.data() + 128, version);
    nvtest::ScriptedPrompt prompt;
    prompt.expectBox("食品データのバージョンが異なるので、読み込めません。", "確認",
                     nv::Icon::Stop);
    nv::TFoodData t = previousTable();
    nv::ByteReader in(bytes);
    EXPECT_FALSE(nvtest::shown(t.readSection(in, nullptr)));
    expectPrevious(t);
    EXPECT_EQ(prompt.shown().size(), 1u);
  }
}

TEST(FoodSection, ReadsRecordsInOrderWithProgressAndStopsAtTheDishSection) {
  std::string bytes = section({food(3, "こめ"), food(1, "むぎ"), food(2, "あわ")}) + "DISH";
  nvtest::ScriptedPrompt prompt;
  nv::TFoodData t = previousTable();
  nv::ByteReader in(bytes);
  ASSERT_TRUE(nvtest::shown(t.readSection(in, &nv::prompt())));
  ASSERT_EQ(t.count(), 3u);
  EXPECT_EQ(t.foods()[0].number, 3);
  EXPECT_EQ(t.foods()[2].name, nv::sj("あわ"));
  EXPECT_EQ(in.remaining(), 4u);
  ASSERT_EQ(prompt.progressWindows().size(), 1u);
  const auto& p = prompt.progressWindows()[0];
  EXPECT_EQ(nv::cp932ToUtf8(p.caption), "栄養価のデータを読み込んでいます");
  EXPECT_EQ(p.minimum, 0);
  EXPECT_EQ(p.maximum, 3);
  EXPECT_EQ(p.positions, (std::vector<int64_t>{1, 2, 3}));
  EXPECT_TRUE(p.closed);
}

TEST(FoodSection, ShortFileKeepsTheWholeRecordsAndSaysSo) {
  const std::string full = section({food(1, "こめ"), food(2, "むぎ"), food(3, "あわ")});
  struct Case {
    std::string bytes;
    size_t kept;
  };
  std::string hugeCount = full;
  nv::putInt32LE(hugeCount.data() + 132, 0x7fffffff);
  std::string negativeCount = full;
  nv::putInt32LE(negativeCount.data() + 132, -1);
  for (const Case& c : {Case{full.substr(0, full.size() - 1), 2}, Case{hugeCount, 3},
                        Case{negativeCount, 0}, Case{full.substr(0, 134), 0}}) {
    nvtest::ScriptedPrompt prompt;
    prompt.expectBox("食品データが途中で切れているか壊れています（読み込めた食品：" +
                         std::to_string(c.kept) + "件）",
                     "確認", nv::Icon::Stop);
    nv::TFoodData t = previousTable();
    nv::ByteReader in(c.bytes);
    EXPECT_FALSE(nvtest::shown(t.readSection(in, nullptr)));
    ASSERT_EQ(t.count(), c.kept);
    if (c.kept > 0) {
      EXPECT_EQ(t.foods()[c.kept - 1].number, int32_t(c.kept));
    }
    EXPECT_TRUE(in.atEnd());
  }
}

}  // namespace
