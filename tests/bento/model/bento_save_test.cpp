#include "bento/model/bento_save.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>

#include "byte_builder.h"
#include "core/kojin_data.h"
#include "platform/binio.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "scripted_prompt.h"
#include "shown.h"
#include "temp_dir.h"

using nv::sj;
using nvtest::Bytes;

namespace {

std::string profileBytes(const nv::TKojinData& k) {
  nv::ByteWriter w;
  k.writeRecord(w);
  return w.data();
}

nv::TKojinData child() {
  nv::TKojinData k;
  k.setName(sj("はなこ"));
  k.lunchBoxCapacity = 700;
  return k;
}

TEST(BentoSave, LayoutAfterTheProfileRecord) {
  nv::PlacedDishRecords dishes{{sj("ごはん"), 10, 20, 64, 48}, {"x", -5, 0, 1, 2}};
  Bytes want;
  want.raw(profileBytes(child())).i32(2).f64(1.25);
  want.i32(6).raw(sj("ごはん")).i32(10).i32(20).i32(64).i32(48);
  want.i32(1).raw("x").i32(-5).i32(0).i32(1).i32(2);
  EXPECT_EQ(nv::bentoSaveBytes(child(), 1.25, dishes), want.str());

  nv::TKojinData read;
  nv::PlacedDishRecords back;
  ASSERT_TRUE(nv::parseBentoSave(want.str(), 1.25, read, back).ok());
  EXPECT_EQ(read.name(), sj("はなこ"));
  EXPECT_EQ(read.lunchBoxCapacity, 700);
  ASSERT_EQ(back.size(), 2u);
  EXPECT_EQ(back[0].name, sj("ごはん"));
  EXPECT_EQ(back[1].left, -5);
  EXPECT_EQ(back[0].height, 48);
}

TEST(BentoSave, SavedAt1024OpenedAt1280ScalesAndTruncates) {
  nv::PlacedDishRecords dishes{{"a", 101, -7, 65, 3}};
  std::string bytes = nv::bentoSaveBytes(child(), 1.0, dishes);
  nv::TKojinData k;
  nv::PlacedDishRecords back;
  ASSERT_TRUE(nv::parseBentoSave(bytes, 1280.0 / 1024.0, k, back).ok());
  EXPECT_EQ(back[0].left, 126);  // 126.25
  EXPECT_EQ(back[0].top, -8);    // -8.75 toward zero
  EXPECT_EQ(back[0].width, 81);  // 81.25
  EXPECT_EQ(back[0].height, 3);  // 3.75
  // And back down: 1280 -> 800 (ratio 0.625).
  bytes = nv::bentoSaveBytes(child(), 1.25, back);
  ASSERT_TRUE(nv::parseBentoSave(bytes, 800.0 / 1024.0, k, back).ok());
  EXPECT_EQ(back[0].left, 78);  // 78.75
}

TEST(BentoSave, CountZeroIsAnEmptyBoxAndBadScalesDoNotDivideByZero) {
  nv::TKojinData k;
  nv::PlacedDishRecords back{{"old", 1, 1, 1, 1}};
  ASSERT_TRUE(nv::parseBentoSave(nv::bentoSaveBytes(child(), 1.0, {}), 1.0, k, back).ok());
  EXPECT_TRUE(back.empty());
  EXPECT_EQ(nv::rescaleRatio(1.25, 0), 1.0);
  EXPECT_EQ(nv::rescaleRatio(1.25, -1), 1.0);
  EXPECT_EQ(nv::rescaleCoordinate(2000000000, 4.0), INT32_MAX);
  EXPECT_EQ(nv::rescaleCoordinate(-2000000000, 4.0), INT32_MIN);
}

TEST(BentoSave, HostileFilesChangeNothing) {
  std::string head = profileBytes(child());
  nv::TKojinData k;
  k.setName("keep");
  nv::PlacedDishRecords back{{"keep", 1, 2, 3, 4}};
  auto oneDish = [&](double scale, int32_t left, int32_t top, int32_t width, int32_t height) {
    return head + Bytes()
                      .i32(1)
                      .f64(scale)
                      .i32(1)
                      .raw("a")
                      .i32(left)
                      .i32(top)
                      .i32(width)
                      .i32(height)
                      .str();
  };
  std::string thousandAndOne = head + Bytes().i32(1001).f64(1).str();
  for (int i = 0; i < 1001; ++i) thousandAndOne += Bytes().i32(0).fill(16).str();
  for (const std::string& bytes :
       {std::string(), head.substr(0, 300), head + Bytes().i32(1).str(),
        head + Bytes().i32(0x7FFFFFFF).f64(1).str(), head + Bytes().i32(-3).f64(1).str(),
        head + Bytes().i32(1).f64(1).i32(0x7FFFFFF0).raw("ab").str(),
        head + Bytes().i32(1).f64(1).i32(-1).fill(16).str(),
        head + Bytes().i32(2).f64(1).i32(0).fill(16).i32(0).fill(15).str(),
        // A dish of 20000 x 20000 pixels, one far off the kitchen, one of negative size.
        oneDish(1, 0, 0, 20000, 20000), oneDish(1.875, 40000, 0, 10, 10),
        oneDish(1, 0, -3000, 10, 10), oneDish(1, 0, 0, -5, 10),
        // Scales no screen gives (1e-300 would put the dishes near 2^31).
        oneDish(1e-300, 1, 1, 1, 1), oneDish(0, 1, 1, 1, 1), oneDish(-1, 1, 1, 1, 1),
        oneDish(1e300, 1, 1, 1, 1), oneDish(std::nan(""), 1, 1, 1, 1), thousandAndOne}) {
    EXPECT_FALSE(nv::parseBentoSave(bytes, 1.0, k, back).ok());
    EXPECT_EQ(k.name(), "keep");
    EXPECT_EQ(back.size(), 1u);
  }
}

TEST(BentoSave, FileFormsReportTheirFailures) {
  nvtest::TempDir dir;
  std::string path = dir.file("たろう.nvub");
  ASSERT_TRUE(nv::writeBentoSaveFile(path, child(), 1.0, {{"a", 1, 2, 3, 4}}).ok());
  nv::TKojinData k;
  nv::PlacedDishRecords back;
  ASSERT_TRUE(nv::openBentoSaveFile(path, 1.0, k, back).ok());
  EXPECT_EQ(back.size(), 1u);

  nvtest::ScriptedPrompt p;
  std::string missing = dir.file("ない.nvub");
  p.expectBox(nv::cp932ToUtf8(missing), "お弁当のデータを読み込めません", nv::Icon::None);
  EXPECT_FALSE(nvtest::shown(nv::openBentoSaveFile(missing, 1.0, k, back)));
  nvtest::writeBytes(missing, "short");
  p.expectBox(nv::cp932ToUtf8(missing), "お弁当のデータが壊れています", nv::Icon::Warning);
  EXPECT_FALSE(nvtest::shown(nv::openBentoSaveFile(missing, 1.0, k, back)));
  std::string unwritable = dir.file("no/such/folder.nvub");
  p.expectBox(nv::cp932ToUtf8(unwritable), "お弁当のデータを保存できません", nv::Icon::None);
  EXPECT_FALSE(nvtest::shown(nv::writeBentoSaveFile(unwritable, child(), 1.0, back)));
  // A write-protected box is refused with the reason, not replaced.
  ::chmod(nv::toFsPath(path).c_str(), 0444);
  p.expectBox(
      nv::cp932ToUtf8(path) + "\n上書きしようとしているファイルが書き込み禁止になっています。",
      "お弁当のデータを保存できません", nv::Icon::None);
  EXPECT_FALSE(nvtest::shown(nv::writeBentoSaveFile(path, child(), 1.0, {})));
  ASSERT_TRUE(nv::openBentoSaveFile(path, 1.0, k, back).ok());
  EXPECT_EQ(back.size(), 1u);
}

TEST(BentoSave, FileNamedAfterTheChild) {
  std::string def = nv::defaultBentoSaveName();
  EXPECT_EQ(def, sj("お弁当のデータ.nvub"));
  std::string name = sj("たろう");
  EXPECT_EQ(nv::bentoSaveNameForChild(def, name, "/save/", "/home/d"), sj("/save/たろう.nvub"));
  EXPECT_EQ(nv::bentoSaveNameForChild(def, name, "/save", "/home/d"), sj("/save/たろう.nvub"));
  EXPECT_EQ(nv::bentoSaveNameForChild(def, name, "", "/home/d"), sj("/home/d/たろう.nvub"));
  EXPECT_EQ(nv::bentoSaveNameForChild(sj("/box/表.nvub"), name, "/save/", "/home/d"),
            sj("/box/たろう.nvub"));
  // Names never make a sub-folder or leave the folder; 表 and ソ keep their 0x5C byte.
  EXPECT_EQ(nv::bentoSaveNameForChild(def, sj("1/2組 たろう"), "", "/home/d"),
            sj("/home/d/1_2組 たろう.nvub"));
  EXPECT_EQ(nv::bentoSaveNameForChild(def, "../../etc/x", "", "/home/d"),
            "/home/d/.._.._etc_x.nvub");
  EXPECT_EQ(nv::bentoSaveNameForChild(def, sj("表\\ソ"), "", "/home/d"), sj("/home/d/表_ソ.nvub"));
  // 100 half-width katakana are 100 bytes here but 300 on disk: the name is cut, whole
  // characters only, so that the file can be made (255 bytes a name).
  std::string kana;
  for (int i = 0; i < 100; ++i) kana += sj("ﾀ");
  const std::string cut = nv::fileNameOf(nv::bentoSaveNameForChild(def, kana, "", "/home/d"));
  EXPECT_EQ(nv::cp932ToUtf8(cut).size(), 254u);
  EXPECT_EQ(cut, kana.substr(0, 83) + ".nvub");
  EXPECT_EQ(nv::fileNameFromText(kana.substr(0, 50)), kana.substr(0, 50));
  EXPECT_EQ(nv::fileNameFromText(".."), "_");
  EXPECT_EQ(nv::fileNameFromText("."), "_");
  EXPECT_EQ(nv::fileNameFromText(""), "_");
}

}  // namespace
