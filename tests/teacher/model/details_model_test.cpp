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

TEST(DetailsModel, TwoConversionsInOneRunGiveTheSameFileAndKeepTheOldOne) {
  nvtest::TempDir dir;
  nvtest::writeBytes(dir.file("dishes.csv"), nvtest::readBytes(kData + "/dishes.csv"));
  nvtest::ScriptedPrompt p;
  ASSERT_TRUE(nv::convertCsvFiles(foodsCsv(), dir.file("dishes.csv"), dir.file("NV.nv")).written);
  // The second conversion numbers its foods as the first did, so the dishes added and the
  // menus saved meanwhile still find theirs.
  ASSERT_TRUE(nv::convertCsvFiles(foodsCsv(), dir.file("dishes.csv"), dir.file("NV.nv")).written);
  EXPECT_EQ(nvtest::readBytes(dir.file("NV.nv")), nvtest::readBytes(dir.file("NV.nv.bak")));
}

TEST(DetailsModel, Utf8SourcesGiveTheSameDataFileAndTheReportSaysHowTheyWereRead) {
  nvtest::TempDir dir;
  const std::string foods = dir.file("foods.csv"), dishes = dir.file("dishes.csv");
  const std::string foodsCp932 = nvtest::readBytes(foodsCsv());
  const std::string dishesCp932 = nvtest::readBytes(kData + "/dishes.csv");
  nvtest::writeBytes(foods, foodsCp932);
  nvtest::writeBytes(dishes, dishesCp932);
  nvtest::ScriptedPrompt p;
  ASSERT_TRUE(nv::convertCsvFiles(foods, dishes, dir.file("NV.nv")).written);
  const std::string want = nvtest::readBytes(dir.file("NV.nv"));
  for (const std::string& mark : {std::string(), std::string("\xEF\xBB\xBF")}) {
    nvtest::writeBytes(foods, mark + nv::cp932ToUtf8(foodsCp932));
    nvtest::writeBytes(dishes, mark + nv::cp932ToUtf8(dishesCp932));
    const nv::CsvConversion c = nv::convertCsvFiles(foods, dishes, dir.file("NV.nv"));
    ASSERT_TRUE(c.written);
    EXPECT_EQ(c.dishRows.size(), 240u);
    EXPECT_EQ(nvtest::readBytes(dir.file("NV.nv")), want);
    EXPECT_EQ(nv::cp932ToUtf8(nvtest::readBytes(dir.file("dishes.txt"))),
              "食品ファイルを UTF-8 のファイルとして読み込みました\r\n"
              "献立ファイルを UTF-8 のファイルとして読み込みました\r\n");
  }
}

TEST(DetailsModel, AConversionNeverDestroysItsSourcesOrAWorkingDataFile) {
  nvtest::TempDir dir;
  const std::string foods = dir.file("foods.csv"), dishes = dir.file("dishes.csv");
  nvtest::writeBytes(foods, nvtest::readBytes(foodsCsv()));
  nvtest::writeBytes(dishes, nvtest::readBytes(kData + "/dishes.csv"));
  const std::string same = "出力先のファイルが入力ファイルと同じなので、変換しません";
  nvtest::ScriptedPrompt p;
  // The data file named as a source, and a food CSV where the dish CSV's report goes.
  p.expectBox(nv::cp932ToUtf8(foods), same, nv::Icon::Stop);
  EXPECT_FALSE(nv::convertCsvFiles(foods, dishes, foods).written);
  const std::string foodsAsReport = dir.file("献立.txt");
  nvtest::writeBytes(foodsAsReport, nvtest::readBytes(foodsCsv()));
  nvtest::writeBytes(dir.file("献立.csv"), nvtest::readBytes(kData + "/dishes.csv"));
  p.expectBox(nv::cp932ToUtf8(foodsAsReport), same, nv::Icon::Stop);
  EXPECT_FALSE(
      nv::convertCsvFiles(foodsAsReport, dir.file("献立.csv"), dir.file("NV.nv")).foodsRead);
  EXPECT_EQ(nvtest::readBytes(foodsAsReport), nvtest::readBytes(foodsCsv()));

  // A dish CSV that gives no dish leaves the working data file as it was.
  ASSERT_TRUE(nv::convertCsvFiles(foods, dishes, dir.file("NV.nv")).written);
  const std::string working = nvtest::readBytes(dir.file("NV.nv"));
  nvtest::writeBytes(dishes, sj("分類,料理名,食品名,可食量\n"));
  p.expectBox(nv::cp932ToUtf8(dir.file("NV.nv")),
              "変換した結果に食品か献立がないため、データファイルを置き換えません", nv::Icon::Stop);
  EXPECT_FALSE(nv::convertCsvFiles(foods, dishes, dir.file("NV.nv")).written);
  EXPECT_EQ(nvtest::readBytes(dir.file("NV.nv")), working);
}
