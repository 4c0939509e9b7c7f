#include "bento/model/bento_data.h"

#include <gtest/gtest.h>

#include "bento/model/bento_data_file.h"
#include "bento_test_util.h"
#include "byte_builder.h"
#include "memory_limit.h"
#include "platform/binio.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "scripted_prompt.h"
#include "shown.h"
#include "temp_dir.h"

using nv::sj;
using nvtest::Bytes;

namespace {

Bytes& str(Bytes& b, const std::string& s) { return b.i32(int32_t(s.size())).raw(s); }

nv::TDaidokoro oneDishKitchen() {
  nv::TDaidokoro k;
  k.Categories = {sj("ごはん")};
  k.Placements = {sj("弁当箱")};
  k.Storages = {sj("炊飯器")};
  nv::TBentouData d;
  d.Number = 1;
  d.Name = sj("おにぎり");
  d.Foods = {{10, 12.5}, {20, 3}};
  d.VolumeMl = 100;
  d.SizeFactor = 1.5;
  d.StorageIndex = 0;
  d.IngredientLines = {sj("ごはん"), sj("のり")};
  d.QuantityLines = {sj("100g"), sj("1枚")};
  k.Dishes.push_back(d);
  return k;
}

TEST(BentoDataFile, KitchenPartLayoutIsLengthPrefixedWithCrLfTexts) {
  Bytes want;
  want.i32(1);
  str(want, sj("ごはん"));
  want.i32(1);
  str(want, sj("弁当箱"));
  want.i32(1);
  str(want, sj("炊飯器"));
  want.i32(1).i32(1).i32(0);
  str(want, sj("おにぎり"));
  want.i32(2).i32(10).f64(12.5).i32(20).f64(3).f64(100).f64(1.5).i32(0).i32(0);
  str(want, sj("ごはん") + "\r\n" + sj("のり") + "\r\n");
  str(want, sj("100g") + "\r\n" + sj("1枚") + "\r\n");
  want.i32(0);

  nv::ByteWriter out;
  oneDishKitchen().write(out);
  EXPECT_EQ(out.data(), want.str());

  nv::TDaidokoro back;
  nv::ByteReader in(want.str());
  ASSERT_TRUE(back.read(in));
  EXPECT_TRUE(in.atEnd());
  ASSERT_EQ(back.Dishes.size(), 1u);
  EXPECT_EQ(back.Dishes[0].QuantityLines, oneDishKitchen().Dishes[0].QuantityLines);
  EXPECT_TRUE(back.Dishes[0].StepLines.empty());
  EXPECT_EQ(back.Dishes[0].Foods[1].FoodNumber, 20);
}

TEST(BentoDataFile, TextsSplitAtEveryKindOfLineBreak) {
  Bytes b;
  b.i32(0).i32(0).i32(0).i32(1).i32(1).i32(0);
  str(b, "x");
  b.i32(0).f64(0).f64(1).i32(0).i32(0);
  str(b, "a\rb\nc\r\n\r\nd");  // no break after the last line
  str(b, "");
  str(b, "s1\r\n");
  nv::TDaidokoro k;
  nv::ByteReader in(b.str());
  ASSERT_TRUE(k.read(in));
  EXPECT_EQ(k.Dishes[0].IngredientLines, (nv::NameList{"a", "b", "c", "", "d"}));
  EXPECT_TRUE(k.Dishes[0].QuantityLines.empty());
  EXPECT_EQ(k.Dishes[0].StepLines, nv::NameList{"s1"});
}

TEST(BentoDataFile, WholeFileRoundTripAndZeroDishes) {
  nvtest::TempDir dir;
  nv::TFoodData foods = nvtest::sampleFoods();
  std::string path = dir.file("NV.nvb");
  ASSERT_TRUE(nvtest::shown(nv::saveBentoDataFile(path, foods, oneDishKitchen())));
  nv::TFoodData foodsBack;
  nv::TDaidokoro k;
  ASSERT_TRUE(nvtest::shown(nv::loadBentoDataFile(path, foodsBack, k)));
  EXPECT_EQ(foodsBack.count(), 3u);
  ASSERT_EQ(k.Dishes.size(), 1u);
  EXPECT_EQ(k.Dishes[0].Name, sj("おにぎり"));

  nv::TDaidokoro empty;
  empty.Categories = nv::defaultBentoCategories();
  std::string bytes = nv::bentoDataBytes(foods, empty);
  ASSERT_TRUE(nvtest::shown(nv::parseBentoData(bytes, foodsBack, k)));
  EXPECT_EQ(k.Categories.size(), 15u);
  EXPECT_FALSE(k.hasDishes());
}

TEST(BentoDataFile, HostileCountsAndLengthsAreRefusedWithoutAllocating) {
  for (int32_t absurd : {-1, 0x7FFFFFFF, int32_t(0x80000000)}) {
    Bytes names;
    names.i32(absurd);
    nv::TDaidokoro k;
    nv::ByteReader in(names.str());
    EXPECT_FALSE(k.read(in));

    Bytes longName;
    longName.i32(1).i32(absurd).raw("abc");
    nv::ByteReader in2(longName.str());
    EXPECT_FALSE(k.read(in2));
    EXPECT_TRUE(k.Categories.empty());

    Bytes foods;
    foods.i32(0).i32(0).i32(0).i32(1).i32(1).i32(0).i32(0).i32(absurd).fill(60);
    nv::ByteReader in3(foods.str());
    EXPECT_FALSE(k.read(in3));
    EXPECT_FALSE(k.hasDishes());
  }
}

// A dish record whose step text is `lines` empty lines.
std::string dishWithSteps(size_t lines) {
  Bytes b;
  b.i32(1).i32(0);
  str(b, "x");
  b.i32(0).f64(0).f64(1).i32(0).i32(0).i32(0).i32(0);
  return str(b, std::string(lines, '\n')).str();
}

std::string kitchenOf(size_t dishes, size_t linesEach) {
  std::string bytes = Bytes().i32(0).i32(0).i32(0).i32(int32_t(dishes)).str();
  const std::string d = dishWithSteps(linesEach);
  bytes.reserve(bytes.size() + dishes * d.size());
  for (size_t i = 0; i < dishes; ++i) bytes += d;
  return bytes;
}

TEST(BentoDataFile, LineBombsBeyondARealFileAreDamage) {
  nv::TDaidokoro k;
  const std::string fits = kitchenOf(1, nv::kMaxTextLines);
  nv::ByteReader in(fits);
  ASSERT_TRUE(k.read(in));
  EXPECT_EQ(k.Dishes[0].StepLines.size(), nv::kMaxTextLines);
  const std::string tooLong = kitchenOf(1, nv::kMaxTextLines + 1);
  nv::ByteReader in2(tooLong);
  EXPECT_FALSE(k.read(in2));
  // The lines of all dishes together: the complete dishes before the limit are kept.
  const size_t each = nv::kMaxTextLines - 1;
  const std::string many = kitchenOf(nv::kMaxKitchenLines / each + 1, each);
  nv::ByteReader in3(many);
  EXPECT_FALSE(k.read(in3));
  EXPECT_EQ(k.Dishes.size(), nv::kMaxKitchenLines / each);
  const std::string names = Bytes().i32(nv::kMaxKitchenEntries + 1).fill(4 * 100001).str();
  nv::ByteReader in4(names);
  EXPECT_FALSE(k.read(in4));

  // 42 MB of line breaks once took 2.2 GB; now a reader with 256 MB to spare refuses them.
  const std::string bomb = kitchenOf(42000, 1000);
  EXPECT_EQ(nvtest::runWithMemoryLimit(256,
                                       [&] {
                                         nv::TDaidokoro limited;
                                         nv::ByteReader in(bomb);
                                         return limited.read(in) ? 1 : 0;
                                       }),
            0);
}

TEST(BentoDataFile, TruncatedDishKeepsTheCompleteOnesAndIsReported) {
  nv::TDaidokoro two = oneDishKitchen();
  two.Dishes.push_back(two.Dishes[0]);
  nv::ByteWriter out;
  two.write(out);
  std::string bytes = out.data().substr(0, out.size() - 3);
  nv::TDaidokoro k;
  nv::ByteReader in(bytes);
  EXPECT_FALSE(k.read(in));
  EXPECT_EQ(k.Dishes.size(), 1u);

  nvtest::TempDir dir;
  std::string path = dir.file("NV.nvb");
  std::string whole = nv::bentoDataBytes(nvtest::sampleFoods(), nv::TDaidokoro());
  nvtest::writeBytes(path, whole.substr(0, whole.size() - 2));
  nvtest::ScriptedPrompt p;
  p.expectBox(nv::cp932ToUtf8(path), "お弁当の献立データが壊れています", nv::Icon::Warning);
  nv::TFoodData foods;
  EXPECT_FALSE(nvtest::shown(nv::loadBentoDataFile(path, foods, k)));
}

TEST(BentoDataFile, MissingFileFallsBackToProgramFolderThenReports) {
  nvtest::TempDir dir;
  nv::setProgramFolder(dir.path());
  nvtest::writeBytes(dir.file("NV.nvb"),
                     nv::bentoDataBytes(nvtest::sampleFoods(), oneDishKitchen()));
  nv::TFoodData foods;
  nv::TDaidokoro k;
  std::string used;
  EXPECT_TRUE(nvtest::shown(nv::loadBentoDataFile(dir.file("nowhere/X.nvb"), foods, k, &used)));
  EXPECT_EQ(used, dir.file("NV.nvb"));
  EXPECT_EQ(k.Dishes.size(), 1u);

  nv::removeFile(dir.file("NV.nvb"));
  nvtest::ScriptedPrompt p;
  p.expectBox(nv::cp932ToUtf8(dir.file("NV.nvb")),
              "食品データ/献立データ・ファイルが見つかりません（原因不明）", nv::Icon::None);
  EXPECT_FALSE(nvtest::shown(nv::loadBentoDataFile(dir.file("nowhere/X.nvb"), foods, k)));
  EXPECT_FALSE(k.hasDishes());
  nv::setProgramFolder("");
}

}  // namespace

namespace {
TEST(BentoDataFile, DataFileThatCannotBeWrittenIsReported) {
  nvtest::TempDir dir;
  std::string path = dir.file("no/such/NV.nvb");
  nvtest::ScriptedPrompt p;
  p.expectBox(nv::cp932ToUtf8(path), "ファイルを書き込めません", nv::Icon::None);
  EXPECT_FALSE(nvtest::shown(nv::saveBentoDataFile(path, nvtest::sampleFoods(), nv::TDaidokoro())));
}
}  // namespace
