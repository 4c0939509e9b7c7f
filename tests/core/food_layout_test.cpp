// Byte layouts of the food record, the food section and the ingredient record.
#include <gtest/gtest.h>

#include <algorithm>

#include "byte_builder.h"
#include "core/food.h"
#include "core/used_food.h"
#include "platform/binio.h"
#include "platform/text.h"
#include "shown.h"

namespace {
using nvtest::Bytes;

nv::TFood sampleFood() {
  nv::TFood f;
  f.number = 0x01020304;
  f.code = "01001";
  f.name = nv::sj("アマランサス");
  f.group = 5;
  f.colorClass = 2;
  for (int i = 0; i < nv::kNutrientCount; ++i) f.nutrients[i] = 1.5 * (i + 1);
  return f;
}

Bytes sampleRecord() {
  Bytes b;
  b.i32(0x01020304).text("01001", 24).text(nv::sj("アマランサス"), 48).i32(5).i32(2).fill(4);
  for (int i = 0; i < nv::kNutrientCount; ++i) b.f64(1.5 * (i + 1));
  return b.fill(8);
}

TEST(FoodLayout, RecordFieldsAtTheirOffsets) {
  nv::ByteWriter w;
  nv::writeFoodRecord(w, sampleFood());
  ASSERT_EQ(w.size(), nv::kFoodRecordSize);
  EXPECT_EQ(w.data(), sampleRecord().str());
  // Spot checks at the documented offsets, independent of the builder.
  const char* p = w.data().data();
  EXPECT_EQ(nv::getInt32LE(p + 0), 0x01020304);
  EXPECT_EQ(std::string(p + 4), "01001");
  EXPECT_EQ(std::string(p + 28), nv::sj("アマランサス"));
  EXPECT_EQ(nv::getInt32LE(p + 76), 5);
  EXPECT_EQ(nv::getInt32LE(p + 80), 2);
  EXPECT_EQ(nv::getDoubleLE(p + 88), 1.5);
  EXPECT_EQ(nv::getDoubleLE(p + 160), 15.0);
  EXPECT_EQ(nv::getInt32LE(p + 168), 0);
}

TEST(FoodLayout, ReadIgnoresLinkAndCutsUnterminatedFields) {
  std::string rec = sampleRecord().str();
  nv::putInt32LE(rec.data() + 168, 0x7fffffff);        // a stale pointer on disk
  std::fill(rec.begin() + 4, rec.begin() + 28, 'C');   // code without its NUL
  std::fill(rec.begin() + 28, rec.begin() + 76, 'N');  // name without its NUL
  nv::TFood f = nv::readFoodRecord(rec.data());
  EXPECT_EQ(f.number, 0x01020304);
  EXPECT_EQ(f.code, std::string(23, 'C'));
  EXPECT_EQ(f.name, std::string(47, 'N'));
  EXPECT_EQ(f.group, 5);
  EXPECT_EQ(f.colorClass, 2);
  EXPECT_EQ(f.nutrients[nv::kSalt], 15.0);
}

TEST(FoodLayout, SectionIsMagicZerosVersionCountRecords) {
  nv::TFoodData table;
  table.setFoods({sampleFood()});
  nv::ByteWriter w;
  table.writeSection(w);
  Bytes want;
  want.text("Nuvelta Food Data", 128).i32(2).i32(1).raw(sampleRecord().str());
  EXPECT_EQ(w.data(), want.str());

  nv::TFoodData back;
  nv::ByteReader in(w.data());
  ASSERT_TRUE(nvtest::shown(back.readSection(in, nullptr)));
  EXPECT_TRUE(in.atEnd());
  ASSERT_EQ(back.count(), 1u);
  EXPECT_EQ(back.foods()[0].name, sampleFood().name);
}

TEST(FoodLayout, UsedFoodRecordIs32Bytes) {
  nv::TUsedFood u{42, 12.5, 25.0};
  nv::ByteWriter w;
  nv::writeUsedFoods(w, {u, u});
  Bytes one;
  one.i32(42).fill(4).f64(12.5).f64(25.0).fill(8);
  EXPECT_EQ(w.data(), one.str() + one.str());

  std::string rec = one.str();
  nv::putInt32LE(rec.data() + 24, 12345);  // link on disk is ignored
  nv::ByteReader in(rec);
  nv::TUsedFood back;
  ASSERT_TRUE(nv::readUsedFoodRecord(in, back));
  EXPECT_EQ(back.foodNumber, 42);
  EXPECT_EQ(back.amount, 12.5);
  EXPECT_EQ(back.standardAmount, 25.0);
  EXPECT_FALSE(nv::readUsedFoodRecord(in, back));
}

}  // namespace
