#include <gtest/gtest.h>
#include <sys/stat.h>

#include "byte_builder.h"
#include "core/nv_file.h"
#include "kondate_fixtures.h"
#include "platform/binio.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "scripted_prompt.h"
#include "shown.h"
#include "temp_dir.h"

namespace {
using namespace nvtest;
using nv::Answer;
using nv::Buttons;
using nv::Icon;

Bytes header(int32_t version = 3) {
  Bytes b;
  b.text("Nuvelta Kondate Data Version = 1.00", 128).i32(version);
  return b;
}

Bytes& dishBytes(Bytes& b, int32_t number, const std::string& nameUtf8, double weight,
                 const std::vector<std::pair<int32_t, double>>& foods) {
  b.i32(number).text(nv::sj(nameUtf8), 48).fill(4).f64(weight).fill(8).i32(int32_t(foods.size()));
  for (auto [food, grams] : foods) b.i32(food).fill(4).f64(grams).f64(grams).fill(8);
  return b;
}

nv::TKondateData sample() {
  nv::TKondateData db;
  category(db, "ごはん").base = {dish(7, "ごはん", {{3, 80}}),
                                 dish(2, "カレーライス", {{1, 50}, {4, 120.5}})};
  category(db, "パン・シリアル");
  category(db, "ごはん").added = {dish(100001, "まぜごはん", {{3, 60}})};
  return db;
}

TEST(KondateSection, BaseAndAddedSectionsHaveTheRecordLayout) {
  nv::TKondateData db = sample();
  nv::ByteWriter base;
  db.writeBaseSection(base, &nv::prompt());
  Bytes want = header();
  want.i32(2).text(nv::sj("ごはん"), 48).fill(12).i32(2);
  // カレーライス sorts before ごはん (katakana カ before hiragana ご in the Japanese order).
  dishBytes(want, 2, "カレーライス", 170.5, {{1, 50}, {4, 120.5}});
  dishBytes(want, 7, "ごはん", 80, {{3, 80}});
  want.text(nv::sj("パン・シリアル"), 48).fill(12).i32(0);
  EXPECT_EQ(base.data(), want.str());

  nv::ByteWriter added;
  db.writeAddedSection(added, &nv::prompt());
  Bytes wantAdded = header();
  wantAdded.i32(2).text(nv::sj("ごはん"), 48).fill(12).i32(1);
  dishBytes(wantAdded, 100001, "まぜごはん", 60, {{3, 60}});
  wantAdded.text(nv::sj("パン・シリアル"), 48).fill(12).i32(0);
  EXPECT_EQ(added.data(), wantAdded.str());
}

TEST(KondateSection, EqualNamesKeepTheirOrderAndBothComeBack) {
  nv::TKondateData db;
  category(db, "汁もの").base = {dish(1, "みそしる"), dish(2, "すまし"), dish(3, "みそしる"),
                                 dish(4, "あじのみそしる")};
  nv::ByteWriter out;
  db.writeBaseSection(out, &nv::prompt());
  nv::TKondateData back;
  nv::ByteReader in(out.data());
  ASSERT_TRUE(nvtest::shown(back.readBaseSection(in, nullptr)));
  std::vector<int32_t> numbers;
  for (const nv::TKondate& k : back.orders()[0].base) numbers.push_back(k.number);
  EXPECT_EQ(numbers, (std::vector<int32_t>{4, 2, 1, 3}));
}

TEST(KondateSection, ReadingSkipsNonsenseInPointerFieldsAndCutsLongNames) {
  Bytes b = header();
  b.i32(1).raw(std::string(48, 'A')).fill(12, '\x7f').i32(1);
  b.i32(5).raw(std::string(48, 'B')).fill(4, '\x55').f64(9).fill(8, '\x33').i32(0);
  nv::TKondateData db;
  nv::ByteReader in(b.str());
  ASSERT_TRUE(nvtest::shown(db.readBaseSection(in, nullptr)));
  EXPECT_EQ(db.orders()[0].name, std::string(47, 'A'));
  EXPECT_EQ(db.orders()[0].base[0].name, std::string(47, 'B'));
  EXPECT_EQ(db.orders()[0].base[0].standardWeight, 9);
}

TEST(KondateSection, WrongMagicOrVersionKeepsTheDatabase) {
  nv::TKondateData db = sample();
  {
    ScriptedPrompt p;
    p.expectBox("Nuvelta の献立データではないようです", "確認", Icon::Stop);
    Bytes b;
    b.text("Nuvelta Food Data", 128).i32(3).i32(0);
    nv::ByteReader in(b.str());
    EXPECT_FALSE(nvtest::shown(db.readBaseSection(in, &nv::prompt())));
  }
  {
    ScriptedPrompt p;
    p.expectBox("Nuvelta の献立データではないようです", "確認", Icon::Stop);
    std::string zeros(200, '\0');  // a first byte of NUL
    nv::ByteReader in(zeros);
    EXPECT_FALSE(nvtest::shown(db.readBaseSection(in, nullptr)));
  }
  {
    ScriptedPrompt p;
    p.expectBox("現在のバージョン=3 ファイルのバージョン=2 です",
                "献立データのバージョンが異なるので、読み込めません。", Icon::Stop);
    Bytes b = header(2);
    b.i32(0);
    nv::ByteReader in(b.str());
    EXPECT_FALSE(nvtest::shown(db.readBaseSection(in, nullptr)));
  }
  EXPECT_EQ(db.dishCount(), 3u);
}

TEST(KondateSection, EveryTruncationKeepsWholeDishesAndSaysSo) {
  nv::TKondateData db = sample();
  nv::ByteWriter out;
  db.writeBaseSection(out, &nv::prompt());
  const std::string& full = out.data();
  for (size_t n = 0; n < full.size(); ++n) {
    ScriptedPrompt p;
    if (n < 128)
      p.expectBox("Nuvelta の献立データではないようです", "確認", Icon::Stop);
    else if (n < 132)
      p.expectBox("現在のバージョン=3 ファイルのバージョン=0 です",
                  "献立データのバージョンが異なるので、読み込めません。", Icon::Stop);
    else
      p.expectBox("献立データが壊れているので、読み込めた所までを使います。", "確認", Icon::Stop);
    nv::TKondateData back;
    nv::ByteReader in(std::string_view(full).substr(0, n));
    EXPECT_FALSE(nvtest::shown(back.readBaseSection(in, nullptr))) << n;
    for (const nv::TOrder& o : back.orders())
      for (const nv::TKondate& k : o.base) {
        // A dish that came back is complete: its weight is the sum of its foods.
        EXPECT_EQ(nv::totalAmount(k.foods), k.standardWeight) << n;
      }
  }
}

TEST(KondateSection, HostileCountsAreRefusedWithoutAllocating) {
  for (int32_t hostile : {INT32_MAX, -1, 1 << 28}) {
    for (int level = 0; level < 3; ++level) {
      Bytes b = header();
      if (level == 0) {
        b.i32(hostile);
      } else {
        b.i32(1).text("x", 48).fill(12);
        if (level == 1) {
          b.i32(hostile);
        } else {
          b.i32(1).i32(1).text("y", 48).fill(4).f64(0).fill(8).i32(hostile);
        }
      }
      ScriptedPrompt p;
      p.expectBox("献立データが壊れているので、読み込めた所までを使います。", "確認", Icon::Stop);
      nv::TKondateData db;
      nv::ByteReader in(b.str());
      EXPECT_FALSE(nvtest::shown(db.readBaseSection(in, nullptr)));
      EXPECT_EQ(db.dishCount(), 0u);
    }
  }
}

TEST(KondateSection, ProgressWindowOnlyPastTenDishes) {
  nv::TKondateData db;
  for (int i = 0; i < 11; ++i) category(db, "ごはん").base.push_back(dish(i, "ごはん"));
  for (int i = 0; i < 10; ++i) category(db, "めん").base.push_back(dish(20 + i, "うどん"));
  ScriptedPrompt p;
  nv::ByteWriter out;
  db.writeBaseSection(out, &nv::prompt());
  ASSERT_EQ(p.progressWindows().size(), 1u);
  const ProgressEvent& e = p.progressWindows()[0];
  EXPECT_EQ(u8(e.caption), "献立データを書き込んでいます");
  EXPECT_EQ(e.maximum, 11);
  EXPECT_EQ(e.positions.back(), 11);
  EXPECT_TRUE(e.closed);
}

TEST(KondateFiles, DataFileAndAddFileRoundTrip) {
  TempDir dir;
  nv::TFoodData foods = foodsNamed({"こめ", "たまご", "ねぎ", "とうふ"});
  nv::TKondateData db = sample();
  ASSERT_TRUE(nvtest::shown(nv::writeDataFile(dir.file("NV.nv"), foods, db, &nv::prompt())));
  db.setModified(true);
  ASSERT_TRUE(nvtest::shown(db.writeAddFile(dir.file("NV_ADD.nv"), &nv::prompt())));
  EXPECT_FALSE(db.modified());

  nv::TFoodData foods2;
  nv::TKondateData back;
  ASSERT_TRUE(nvtest::shown(nv::loadDataFile(dir.file("NV.nv"), foods2, back, nullptr)));
  EXPECT_EQ(foods2.count(), 4u);
  EXPECT_EQ(back.dishCount(), 2u);
  ASSERT_TRUE(nvtest::shown(nv::loadAddFile(dir.file("NV_ADD.nv"), back)));
  EXPECT_EQ(back.dishCount(), 3u);
  EXPECT_FALSE(back.modified());
  // Written again, both files are byte for byte what they were.
  EXPECT_EQ(nv::dataFileBytes(foods2, back, &nv::prompt()), readBytes(dir.file("NV.nv")));
  back.setModified(true);
  ASSERT_TRUE(nvtest::shown(back.writeAddFile(dir.file("NV_ADD2.nv"), &nv::prompt())));
  EXPECT_EQ(readBytes(dir.file("NV_ADD2.nv")), readBytes(dir.file("NV_ADD.nv")));
}

TEST(KondateFiles, AddedCategoriesJoinByNameAndNewOnesComeLast) {
  TempDir dir;
  nv::TKondateData add;
  category(add, "その他").added = {dish(100002, "やきいも")};
  category(add, "ごはん").added = {dish(100001, "おにぎり")};
  add.setModified(true);
  ASSERT_TRUE(nvtest::shown(add.writeAddFile(dir.file("NV_ADD.nv"), &nv::prompt())));

  nv::TKondateData db = sample();
  ASSERT_TRUE(nvtest::shown(db.readAddFile(dir.file("NV_ADD.nv"))));
  ASSERT_EQ(db.orders().size(), 3u);
  EXPECT_EQ(u8(db.orders()[2].name), "その他");
  ASSERT_EQ(db.orders()[0].added.size(), 2u);
  EXPECT_EQ(u8(db.orders()[0].added[1].name), "おにぎり");

  // Into an empty database the file's categories come as they are.
  nv::TKondateData empty;
  ASSERT_TRUE(nvtest::shown(empty.readAddFile(dir.file("NV_ADD.nv"))));
  ASSERT_EQ(empty.orders().size(), 2u);
  EXPECT_EQ(u8(empty.orders()[0].name), "その他");
  EXPECT_TRUE(empty.orders()[0].base.empty());
}

TEST(KondateFiles, AddFileWrittenOnlyWhenModifiedAndFailuresKeepTheFlag) {
  TempDir dir;
  nv::TKondateData db = sample();
  EXPECT_TRUE(nvtest::shown(db.writeAddFile(dir.file("NV_ADD.nv"), &nv::prompt())));
  EXPECT_FALSE(nv::fileExists(dir.file("NV_ADD.nv")));
  // A missing add-dish file is quietly nothing.
  EXPECT_FALSE(nvtest::shown(db.readAddFile(dir.file("NV_ADD.nv"))));
  {
    // Something there that is no regular file is said, and never blocks (a FIFO).
    ASSERT_EQ(::mkfifo(nv::toFsPath(dir.file("NV_ADD.nv")).c_str(), 0600), 0);
    ScriptedPrompt p;
    p.expectBox(u8(dir.file("NV_ADD.nv")), "追加献立ファイルを読み込めません", Icon::Stop);
    EXPECT_FALSE(nvtest::shown(db.readAddFile(dir.file("NV_ADD.nv"))));
    ASSERT_TRUE(nv::removeFile(dir.file("NV_ADD.nv")));
  }

  db.setModified(true);
  std::string bad = dir.file("no/such/NV_ADD.nv");
  ScriptedPrompt p;
  p.expectBox(u8(bad), "追加献立ファイルに書き込めません", Icon::Stop);
  EXPECT_FALSE(nvtest::shown(db.writeAddFile(bad, &nv::prompt())));
  EXPECT_TRUE(db.modified());
}

TEST(KondateFiles, DamagedAddFileIsKeptBesideWhenWrittenOver) {
  TempDir dir;
  const std::string path = dir.file("NV_ADD.nv");
  nv::TKondateData add = sample();
  add.setModified(true);
  ASSERT_TRUE(nvtest::shown(add.writeAddFile(path, &nv::prompt())));
  // Cut in the middle of its dish: what follows the cut could still be mended by hand.
  const std::string damaged = readBytes(path).substr(0, readBytes(path).size() - 20);
  writeBytes(path, damaged);
  nv::TKondateData db;
  {
    ScriptedPrompt p;
    p.expectBox("献立データが壊れているので、読み込めた所までを使います。", "確認", Icon::Stop);
    EXPECT_FALSE(nvtest::shown(db.readAddFile(path)));
  }
  category(db, "ごはん").added.push_back(dish(100002, "おかゆ", {{3, 100}}));
  db.setModified(true);
  ASSERT_TRUE(nvtest::shown(db.writeAddFile(path, &nv::prompt())));
  EXPECT_EQ(readBytes(path + ".bak"), damaged);
  // A whole file is written over as before, without a copy.
  ASSERT_TRUE(nv::removeFile(path + ".bak"));
  db.setModified(true);
  ASSERT_TRUE(nvtest::shown(db.writeAddFile(path, &nv::prompt())));
  EXPECT_FALSE(nv::fileExists(path + ".bak"));
}

TEST(KondateFiles, DataFileThatCannotBeReadKeepsTheTables) {
  TempDir dir;
  nv::TFoodData foods = foodsNamed({"こめ"});
  nv::TKondateData db = sample();
  ScriptedPrompt p;
  p.expectBox(u8(dir.file("NV.nv")), "食品データ/献立データ・ファイルが見つかりません（原因不明）",
              Icon::None);
  EXPECT_FALSE(nvtest::shown(nv::loadDataFile(dir.file("NV.nv"), foods, db, nullptr)));
  EXPECT_EQ(foods.count(), 1u);
  EXPECT_EQ(db.dishCount(), 3u);
}

}  // namespace
