#include "bento/model/bento_csv.h"

#include <gtest/gtest.h>

#include "bento/model/bento_data_file.h"
#include "bento_test_util.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "scripted_prompt.h"
#include "temp_dir.h"

using nv::NameList;
using nv::sj;

namespace {

struct Read {
  nv::TDaidokoro kitchen;
  std::string errors;  // UTF-8
};

Read readCsv(const std::string& utf8, const std::string* pictures = nullptr) {
  nv::TFoodData foods = nvtest::sampleFoods();
  Read r;
  std::string errors;
  nvtest::ScriptedPrompt p;
  EXPECT_TRUE(nv::readBentoCsv(sj(utf8), foods, r.kitchen, errors, pictures));
  EXPECT_EQ(p.progressWindows().size(), 1u);
  r.errors = nv::cp932ToUtf8(errors);
  return r;
}

TEST(BentoCsv, DishesMergeIngredientsAndStepsAttach) {
  Read r = readCsv(
      "分類,料理,食品,g,ml,大きさ,置き場所,保存場所\n"
      "ごはん,おにぎり,ごはん,100,200,1.5,弁当箱,炊飯器\r\n"
      "  ごはん,おにぎり,たまご,10,999,9,弁当箱,炊飯器\n"
      ",のり,1枚\n"
      "\t　,しお,少々,あまり\n"
      ",だけ\n"
      "1,ごはんを,にぎる\n"
      "\n   \n"
      "めん,うどん,ごはん,50,300,1,コースター,鍋\n"
      "ごはん,おにぎり,ごはん,100,200,1.5,弁当箱,炊飯器\n"
      "汁,みそ汁,ほうれんそう,20,150,1,弁当箱,鍋\n"
      "2cat,step?,x\n"
      "too,few,commas,1,2,3,4\n");
  EXPECT_EQ(r.errors, "");
  const nv::TDaidokoro& k = r.kitchen;
  ASSERT_EQ(k.Dishes.size(), 4u);
  const nv::TBentouData& o = k.Dishes[0];
  EXPECT_EQ(o.Number, 1);
  EXPECT_EQ(o.Name, sj("おにぎり"));
  ASSERT_EQ(o.Foods.size(), 2u);
  EXPECT_EQ(o.Foods[1].FoodNumber, 20);
  EXPECT_EQ(o.Foods[1].Grams, 10);
  EXPECT_EQ(o.VolumeMl, 200);  // the first line's volume and size count
  EXPECT_EQ(o.SizeFactor, 1.5);
  EXPECT_EQ(o.IngredientLines, (NameList{sj("のり"), sj("しお")}));
  EXPECT_EQ(o.QuantityLines, (NameList{sj("1枚"), sj("少々")}));
  EXPECT_EQ(o.StepLines, NameList{sj("ごはんを,にぎる")});
  // Separated by another dish: a second dish of the same name.
  EXPECT_EQ(k.Dishes[2].Name, sj("おにぎり"));
  EXPECT_EQ(k.Dishes[3].Number, 4);
  EXPECT_EQ(k.Dishes[3].CategoryIndex, 15);               // "汁" appended after the fifteen
  EXPECT_EQ(k.Dishes[3].StepLines, NameList{"step?,x"});  // "2cat,..." is a step line
  EXPECT_EQ(k.Categories.size(), 16u);
  EXPECT_EQ(k.Placements, (NameList{sj("弁当箱"), sj("コースター")}));
  EXPECT_EQ(k.Storages, (NameList{sj("炊飯器"), sj("鍋")}));
}

TEST(BentoCsv, ErrorFileTextsAndTheUnknownFoodHeading) {
  Read r = readCsv(
      "header\n"
      ",ざいりょう,1\n"
      "ごはん,A,なし1,1,1,1,p,s\n"
      "ごはん,B,なし2,1,1,1,p,s\n"
      "ごはん,C,ごはん,1,1,1,p,s\n"
      "ごはん,D,なし3,1,1,1,p,s\n"
      "ごはん,E,ごはん,,1,1,p,s\n"
      "ごはん,F,なし4,1,1,1,p,s\n"
      "ごはん,,ごはん,1,1,1,p,s\n"
      "ごはん,G,ごはん,0,1,1,p,s\n"
      "ごはん,H,ごはん,1,abc,1,p,s\n"
      "ごはん,I,なし5,1,1,1,p,s\n");
  EXPECT_EQ(r.errors,
            "以下の行には、その前に献立がありません\r\n"
            "   2 行目:,ざいりょう,1\r\n"
            "以下の献立で食品が見つかりません\r\n"
            "   3 行目:ごはん,A,なし1,1,1,1,p,s\r\n"
            "   4 行目:ごはん,B,なし2,1,1,1,p,s\r\n"
            "   6 行目:ごはん,D,なし3,1,1,1,p,s\r\n"
            "以下の献立で食品の重さが０です\r\n"
            "   7 行目:ごはん,E,ごはん,,1,1,p,s\r\n"
            "以下の献立で食品が見つかりません\r\n"
            "   8 行目:ごはん,F,なし4,1,1,1,p,s\r\n"
            "以下の献立で一部データが足りません\r\n"
            "   9 行目:ごはん,,ごはん,1,1,1,p,s\r\n"
            "以下の献立で食品の重さが０です\r\n"
            "  10 行目:ごはん,G,ごはん,0,1,1,p,s\r\n"
            "以下の献立で数値が読み取れません\r\n"
            "  11 行目:ごはん,H,ごはん,1,abc,1,p,s\r\n"
            "以下の献立で食品が見つかりません\r\n"
            "  12 行目:ごはん,I,なし5,1,1,1,p,s\r\n");
  ASSERT_EQ(r.kitchen.Dishes.size(), 1u);
  EXPECT_EQ(r.kitchen.Dishes[0].Name, "C");
}

TEST(BentoCsv, FieldsAreCutToTheirByteLimits) {
  std::string longName(60, 'n');
  std::string longStep(1100, 's');
  Read r = readCsv("h\nごはん," + longName + ",ごはん,1,1,1,p,s," + "ignored\n1," + longStep +
                   "\n," + longName + "," + longName + "\n");
  ASSERT_EQ(r.kitchen.Dishes.size(), 1u);
  EXPECT_EQ(r.kitchen.Dishes[0].Name, std::string(47, 'n'));
  EXPECT_EQ(r.kitchen.Dishes[0].StepLines[0].size(), 1023u);
  EXPECT_EQ(r.kitchen.Dishes[0].IngredientLines[0].size(), 47u);
  EXPECT_EQ(r.kitchen.Dishes[0].QuantityLines[0].size(), 47u);
  EXPECT_EQ(r.kitchen.Storages, NameList{"s"});
}

TEST(BentoCsv, HeaderOnlyAndMissingPicturesSorted) {
  Read empty = readCsv("header only\n");
  EXPECT_EQ(empty.kitchen.Categories, nv::defaultBentoCategories());
  EXPECT_TRUE(empty.kitchen.Placements.empty());
  EXPECT_FALSE(empty.kitchen.hasDishes());
  EXPECT_EQ(empty.errors, "");

  nvtest::TempDir dir;
  nvtest::writeBytes(dir.file("ごはん.bmp"), "BM");
  std::string folder = dir.path();
  Read r = readCsv(
      "h\n"
      "ごはん,みそ汁,ごはん,1,1,1,p,s\n"
      "ごはん,ごはん,ごはん,1,1,1,p,s\n"
      "ごはん,カレー,ごはん,1,1,1,p,s\n",
      &folder);
  EXPECT_EQ(r.errors,
            "画像ファイルが見つかりません:<カレー>\r\n"
            "画像ファイルが見つかりません:<みそ汁>\r\n");
}

TEST(BentoCsv, FileFormAndConversionMessages) {
  nvtest::TempDir dir;
  nv::TFoodData foods = nvtest::sampleFoods();
  nv::TDaidokoro k;
  std::string err = dir.file("error.txt");
  std::string csv = dir.file("お弁当.csv");
  {
    nvtest::ScriptedPrompt p;
    p.expectBox(nv::cp932ToUtf8(csv), "献立ファイルを開けません", nv::Icon::None);
    EXPECT_FALSE(nv::readBentoCsvFile(csv, err, foods, k, nullptr));
    EXPECT_EQ(nvtest::readBytes(err), sj("献立ファイルを開けません\r\n"));

    nvtest::writeBytes(csv, "");
    p.expectBox(nv::cp932ToUtf8(csv), "ファイルにデータがありません", nv::Icon::None);
    EXPECT_FALSE(nv::readBentoCsvFile(csv, err, foods, k, nullptr));
    EXPECT_EQ(nvtest::readBytes(err), sj("ファイルにデータがありません\r\n"));

    std::string badErr = dir.file("none/error.txt");
    p.expectBox(nv::cp932ToUtf8(badErr), "エラーファイルを書き込みのためにオープンできません",
                nv::Icon::None);
    EXPECT_FALSE(nv::readBentoCsvFile(csv, badErr, foods, k, nullptr));
  }

  // The whole conversion: food CSV + dish CSV -> NV.nvb with error.txt beside it.
  std::string foodCsv = dir.file("foods.csv");
  nvtest::writeBytes(foodCsv,
                     sj("code,name\n01001,ごはん,5,2,168,2.5,0.3,3,0.1,0,0.02,0.01,0,0\n"));
  nvtest::writeBytes(csv, sj("h\nごはん,おにぎり,ごはん,100,120,1,弁当箱,炊飯器\n"
                             "ごはん,うどん,めん,100,120,1,弁当箱,炊飯器\n"));
  std::string data = dir.file("out/NV.nvb");
  std::filesystem::create_directories(nv::toFsPath(dir.file("out")));
  std::string errorFile;
  {
    nvtest::ScriptedPrompt p;
    ASSERT_TRUE(nv::convertBentoCsv(foodCsv, csv, data, nullptr, &errorFile));
  }
  EXPECT_EQ(errorFile, dir.file("out/error.txt"));
  EXPECT_EQ(nv::cp932ToUtf8(nvtest::readBytes(errorFile)),
            "以下の献立で食品が見つかりません\r\n   3 "
            "行目:ごはん,うどん,めん,100,120,1,弁当箱,炊飯器\r\n");
  nv::TFoodData foodsBack;
  ASSERT_TRUE(nv::loadBentoDataFile(data, foodsBack, k, nullptr, false));
  ASSERT_EQ(k.Dishes.size(), 1u);
  EXPECT_EQ(k.Dishes[0].Foods[0].FoodNumber, foodsBack.numberOfName(sj("ごはん")));

  // An empty dish file leaves the data file alone.
  std::string before = nvtest::readBytes(data);
  nvtest::writeBytes(csv, "");
  {
    nvtest::ScriptedPrompt p;
    p.expectBox(nv::cp932ToUtf8(csv), "ファイルにデータがありません", nv::Icon::None);
    EXPECT_FALSE(nv::convertBentoCsv(foodCsv, csv, data, nullptr));
    std::string noFoods = dir.file("nofoods.csv");
    p.expectBox(nv::cp932ToUtf8(noFoods), "ファイルを読み込めません", nv::Icon::None);
    EXPECT_FALSE(nv::convertBentoCsv(noFoods, csv, data, nullptr));
  }
  EXPECT_EQ(nvtest::readBytes(data), before);
}

TEST(BentoPictureCheck, ListsBothWaysAndIgnoresSmallPictures) {
  nvtest::TempDir dir;
  for (const char* f : {"ごはん.bmp", "ごはんs.bmp", "パンs.bmp", "ピ.bmp", "のこり.bmp"})
    nvtest::writeBytes(dir.file(f), "BM");
  std::filesystem::create_directories(nv::toFsPath(dir.file("sub.bmp")));
  NameList pics = nv::pictureNames(dir.path());
  std::sort(pics.begin(), pics.end());
  NameList want{sj("ごはん"), sj("のこり"), sj("ピ")};  // ピ ends in the byte 0x73, not in "s"
  std::sort(want.begin(), want.end());
  EXPECT_EQ(pics, want);

  nv::PictureCheck c = nv::comparePictures({sj("ごはん"), sj("パン"), sj("うどん")}, pics);
  EXPECT_EQ(c.picturesWithoutDish, (NameList{sj("のこり"), sj("ピ")}));
  EXPECT_EQ(c.dishesWithoutPicture, (NameList{sj("うどん"), sj("パン")}));

  nv::TDaidokoro k;
  k.Dishes.push_back(nvtest::dish("ごはん", 0, 0, {}));
  std::string data = dir.file("NV.nvb");
  nvtest::writeBytes(data, nv::bentoDataBytes(nvtest::sampleFoods(), k));
  ASSERT_TRUE(nv::checkBentoPictures(data, dir.path(), c));
  EXPECT_TRUE(c.dishesWithoutPicture.empty());
  EXPECT_EQ(c.picturesWithoutDish.size(), 3u);  // のこり, ピ and the NV file itself

  nvtest::ScriptedPrompt p;
  p.expectBox(nv::cp932ToUtf8(dir.file("x.nvb")),
              "食品データ/献立データ・ファイルが見つかりません（原因不明）", nv::Icon::None);
  EXPECT_FALSE(nv::checkBentoPictures(dir.file("x.nvb"), dir.path(), c));
}

}  // namespace
