#include "teacher/model/details_model.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "scripted_prompt.h"
#include "temp_dir.h"

using nv::sj;

namespace {
const std::string kData = NV_TEST_DATA_DIR;
std::string foodsCsv() { return kData + "/foods.csv"; }
}  // namespace

TEST(DetailsModel, ColourButtonLayout) {
  // Four meal buttons on a 640-pixel tab: (640 - 24 - 14) / 4 = 150 wide, 6 apart.
  EXPECT_EQ(nv::mealColorButton(4, 640, 0), (nv::ButtonBox{10, 106, 150, 47}));
  EXPECT_EQ(nv::mealColorButton(4, 640, 3).left, 10 + 3 * 156);
  EXPECT_EQ(nv::mealColorButton(0, 640, 0), nv::ButtonBox{});
  // Group buttons: (W - 40) / 6 wide; the second at width + 14, then width + 4 further.
  EXPECT_EQ(nv::gunColorButton(640, 0).left, 10);
  EXPECT_EQ(nv::gunColorButton(640, 1).left, 100 + 14);
  EXPECT_EQ(nv::gunColorButton(640, 5).left, 10 + 5 * 104);
  EXPECT_EQ(nv::gunColorButton(640, 5).width, 100);
  EXPECT_EQ(nv::kaitenShuukiCaption(180), sj("回転寿司での１周に要する時間（180秒）"));
}

TEST(DetailsModel, AMissingDishCsvShowsTheFoodsAndWritesNoDataFile) {
  nvtest::TempDir dir;
  const std::string dish = dir.file("none.csv");
  nvtest::ScriptedPrompt p;
  p.expectBox(nv::cp932ToUtf8(dish), "ファイルを読み込めません", nv::Icon::Stop);
  const nv::CsvConversion c = nv::convertCsvFiles(foodsCsv(), dish, dir.file("NV.nv"));
  EXPECT_TRUE(c.foodsRead);
  EXPECT_FALSE(c.dishesRead);
  EXPECT_GT(c.foodRows.size(), 300u);
  EXPECT_EQ(c.foodRows.front().size(), 5u);
  EXPECT_FALSE(nv::fileExists(dir.file("NV.nv")));
}

TEST(DetailsModel, ConversionWritesTheDataFileThePreviewReadsBack) {
  nvtest::TempDir dir;
  // The import writes its report beside the dish CSV: work on a copy.
  nvtest::writeBytes(dir.file("dishes.csv"), nvtest::readBytes(kData + "/dishes.csv"));
  nvtest::ScriptedPrompt p;
  const nv::CsvConversion c =
      nv::convertCsvFiles(foodsCsv(), dir.file("dishes.csv"), dir.file("NV.nv"));
  ASSERT_TRUE(c.written);
  EXPECT_EQ(c.dishRows.size(), 240u);
  EXPECT_EQ(c.dishRows.front().size(), 8u);
  EXPECT_TRUE(nv::fileExists(nv::dishCsvReportPath(dir.file("dishes.csv"))));
  const nv::DataFilePreview v = nv::previewDataFile(dir.file("NV.nv"));
  ASSERT_TRUE(v.opened);
  EXPECT_EQ(v.foodRows.size(), c.foodRows.size());
  EXPECT_EQ(v.foodRows.front().size(), 14u);
  EXPECT_EQ(v.dishRows.size(), 240u);
  EXPECT_FALSE(nv::previewDataFile(dir.file("missing.nv")).opened);  // nothing, no message

  // A data file that cannot be written is reported; the old one stays as it was.
  const std::string before = nvtest::readBytes(dir.file("NV.nv"));
  const std::string blocked = dir.file("no/such/folder/NV.nv");
  p.expectBox(nv::cp932ToUtf8(blocked), "データファイルに書き込めません", nv::Icon::Stop);
  EXPECT_FALSE(nv::convertCsvFiles(foodsCsv(), dir.file("dishes.csv"), blocked).written);
  EXPECT_EQ(nvtest::readBytes(dir.file("NV.nv")), before);
}
