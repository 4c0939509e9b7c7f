#include "bento/model/bento_csv.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "bento/model/bento_data_file.h"
#include "bento_test_util.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "scripted_prompt.h"
#include "shown.h"
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
  EXPECT_TRUE(nv::readBentoCsv(sj(utf8), foods, r.kitchen, errors, pictures, &p));
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
      "2cat,step?,x\n");
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
      "ごはん,A,なし1,1,1,1,p,鍋\n"
      "ごはん,B,なし2,1,1,1,p,鍋\n"
      "ごはん,C,ごはん,1,1,1,p,鍋\n"
      "ごはん,D,なし3,1,1,1,p,鍋\n"
      "ごはん,E,ごはん,,1,1,p,鍋\n"
      "ごはん,F,なし4,1,1,1,p,鍋\n"
      "ごはん,,ごはん,1,1,1,p,鍋\n"
      "ごはん,G,ごはん,0,1,1,p,鍋\n"
      "ごはん,H,ごはん,1,abc,1,p,鍋\n"
      "ごはん,I,なし5,1,1,1,p,鍋\n");
  EXPECT_EQ(r.errors,
            "以下の行には、その前に献立がありません\r\n"
            "   2 行目:,ざいりょう,1\r\n"
            "以下の献立で食品が見つかりません\r\n"
            "   3 行目:ごはん,A,なし1,1,1,1,p,鍋\r\n"
            "   4 行目:ごはん,B,なし2,1,1,1,p,鍋\r\n"
            "   6 行目:ごはん,D,なし3,1,1,1,p,鍋\r\n"
            "以下の献立で食品の重さが０です\r\n"
            "   7 行目:ごはん,E,ごはん,,1,1,p,鍋\r\n"
            "以下の献立で食品が見つかりません\r\n"
            "   8 行目:ごはん,F,なし4,1,1,1,p,鍋\r\n"
            "以下の献立で一部データが足りません\r\n"
            "   9 行目:ごはん,,ごはん,1,1,1,p,鍋\r\n"
            "以下の献立で食品の重さが０です\r\n"
            "  10 行目:ごはん,G,ごはん,0,1,1,p,鍋\r\n"
            "以下の献立で数値が読み取れません\r\n"
            "  11 行目:ごはん,H,ごはん,1,abc,1,p,鍋\r\n"
            "以下の献立で食品が見つかりません\r\n"
            "  12 行目:ごはん,I,なし5,1,1,1,p,鍋\r\n");
  ASSERT_EQ(r.kitchen.Dishes.size(), 1u);
  EXPECT_EQ(r.kitchen.Dishes[0].Name, "C");
}

TEST(BentoCsv, LinesThatGiveNoReachableDishAreListed) {
  // Short of its eight fields a line is no dish; a dish stored in none of the kitchen's
  // appliances is kept but can never be taken out: both are listed with their lines, such
  // dishes in a row under one heading.
  Read r = readCsv(
      "h\n"
      "ごはん,A,なし,1,1,1,p,鍋\n"
      "ごはん,おにぎり,ごはん,1,1,1,p\n"
      "ごはん,B,なし,1,1,1,p,鍋\n"
      "ごはん,すし,ごはん,1,1,1,p,流し\n"
      "ごはん,すし,たまご,1,1,1,p,流し\n"
      "ごはん,のりまき,ごはん,1,1,1,p,まな板\n"
      "ごはん,たまご,たまご,1,1,1,p,扉\n");
  EXPECT_EQ(
      r.errors,
      "以下の献立で食品が見つかりません\r\n"
      "   2 行目:ごはん,A,なし,1,1,1,p,鍋\r\n"
      "以下の献立は区切りのカンマが足りないため、読み込みません\r\n"
      "   3 行目:ごはん,おにぎり,ごはん,1,1,1,p\r\n"
      "以下の献立で食品が見つかりません\r\n"
      "   4 行目:ごはん,B,なし,1,1,1,p,鍋\r\n"
      "以下の献立の保存場所は台所にありません（冷蔵庫・扉・冷凍庫・炊飯器・フライパン・鍋・戸棚"
      "・オーブンのどれでもありません）\r\n"
      "   5 行目:ごはん,すし,ごはん,1,1,1,p,流し\r\n"
      "   7 行目:ごはん,のりまき,ごはん,1,1,1,p,まな板\r\n");
  ASSERT_EQ(r.kitchen.Dishes.size(), 3u);
  EXPECT_EQ(r.kitchen.Dishes[0].Foods.size(), 2u);  // said once per dish, not per food line
}

TEST(BentoCsv, FieldsAreCutToTheirByteLimits) {
  std::string longName(60, 'n');
  std::string longStep(1100, 's');
  Read r = readCsv("h\nごはん," + longName + ",ごはん,1,1,1,p,s," + "ignored\n1," + longStep +
                   "\n," + longName + "," + longName + "\n");
  ASSERT_EQ(r.kitchen.Dishes.size(), 1u);
  EXPECT_EQ(r.kitchen.Dishes[0].Name, std::string(47, 'n'));
  // Between characters: 25 kana are cut to 23, never to a lone lead byte.
  std::string kana;
  for (int i = 0; i < 25; ++i) kana += "か";
  Read k =
      readCsv("h\nごはん," + kana + ",ごはん,1,1,1,p,鍋\n1,ご" + std::string(1022, 's') + "\n");
  ASSERT_EQ(k.kitchen.Dishes.size(), 1u);
  EXPECT_EQ(k.kitchen.Dishes[0].Name, sj(kana).substr(0, 46));
  EXPECT_EQ(k.kitchen.Dishes[0].StepLines[0], sj("ご") + std::string(1021, 's'));
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
      "ごはん,みそ汁,ごはん,1,1,1,p,鍋\n"
      "ごはん,ごはん,ごはん,1,1,1,p,鍋\n"
      "ごはん,カレー,ごはん,1,1,1,p,鍋\n",
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
    EXPECT_FALSE(nvtest::shown(nv::readBentoCsvFile(csv, err, foods, k, nullptr)));
    EXPECT_EQ(nvtest::readBytes(err), sj("献立ファイルを開けません\r\n"));

    nvtest::writeBytes(csv, "");
    p.expectBox(nv::cp932ToUtf8(csv), "ファイルにデータがありません", nv::Icon::None);
    EXPECT_FALSE(nvtest::shown(nv::readBentoCsvFile(csv, err, foods, k, nullptr)));
    EXPECT_EQ(nvtest::readBytes(err), sj("ファイルにデータがありません\r\n"));

    std::string badErr = dir.file("none/error.txt");
    p.expectBox(nv::cp932ToUtf8(badErr), "エラーファイルを書き込みのためにオープンできません",
                nv::Icon::None);
    EXPECT_FALSE(nvtest::shown(nv::readBentoCsvFile(csv, badErr, foods, k, nullptr)));
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
    ASSERT_TRUE(nvtest::shown(nv::convertBentoCsv(foodCsv, csv, data, nullptr, &errorFile)));
  }
  EXPECT_EQ(errorFile, dir.file("out/error.txt"));
  EXPECT_EQ(nv::cp932ToUtf8(nvtest::readBytes(errorFile)),
            "以下の献立で食品が見つかりません\r\n   3 "
            "行目:ごはん,うどん,めん,100,120,1,弁当箱,炊飯器\r\n");
  nv::TFoodData foodsBack;
  ASSERT_TRUE(nvtest::shown(nv::loadBentoDataFile(data, foodsBack, k)));
  ASSERT_EQ(k.Dishes.size(), 1u);
  EXPECT_EQ(k.Dishes[0].Foods[0].FoodNumber, foodsBack.numberOfName(sj("ごはん")));

  // An empty dish file leaves the data file alone.
  std::string before = nvtest::readBytes(data);
  nvtest::writeBytes(csv, "");
  {
    nvtest::ScriptedPrompt p;
    p.expectBox(nv::cp932ToUtf8(csv), "ファイルにデータがありません", nv::Icon::None);
    EXPECT_FALSE(nvtest::shown(nv::convertBentoCsv(foodCsv, csv, data, nullptr)));
    std::string noFoods = dir.file("nofoods.csv");
    p.expectBox(nv::cp932ToUtf8(noFoods), "ファイルを読み込めません", nv::Icon::None);
    EXPECT_FALSE(nvtest::shown(nv::convertBentoCsv(noFoods, csv, data, nullptr)));
  }
  EXPECT_EQ(nvtest::readBytes(data), before);

  // A food table that ends early is told first, before the dish file's box, and does not
  // stop a conversion whose dishes it feeds.
  const std::string shortFoods = dir.file("short.csv");
  nvtest::writeBytes(shortFoods, sj("code,name\n01001,ごはん,5,2,168\n01002\n02001,たまご,1\n"));
  const nv::Message noData =
      nv::messageBox(csv, sj("ファイルにデータがありません"), nv::Icon::None);
  nv::Result r = nv::convertBentoCsv(shortFoods, csv, data, nullptr);
  EXPECT_FALSE(r.ok());
  ASSERT_EQ(r.messages().size(), 2u);
  EXPECT_EQ(r.messages()[0].caption, sj("確認"));
  EXPECT_EQ(r.messages()[0].icon, nv::Icon::Warning);
  EXPECT_EQ(r.messages()[1], noData);
  nvtest::writeBytes(csv, sj("h\nごはん,おにぎり,ごはん,100,120,1,弁当箱,炊飯器\n"));
  r = nv::convertBentoCsv(shortFoods, csv, data, nullptr);
  EXPECT_TRUE(r.ok());
  EXPECT_EQ(r.messages().size(), 1u);
  EXPECT_NE(nvtest::readBytes(data), before);
}

TEST(BentoCsv, ConversionKeepsItsSourcesAndAWorkingDataFile) {
  nvtest::TempDir dir;
  const std::string foods = dir.file("foods.csv"), dishes = dir.file("bento.csv");
  const std::string data = dir.file("NV.nvb");
  const std::string foodsUtf8 = "code,name\n01001,ごはん,5,2,168\n02001,たまご,1,1,151\n";
  const std::string dishesUtf8 =
      "h\nごはん,おにぎり,ごはん,100,120,1,弁当箱,炊飯器\n卵,たまご焼き,たまご,50,60,1,弁当箱,"
      "フライパン\n";
  nvtest::writeBytes(foods, sj(foodsUtf8));
  nvtest::writeBytes(dishes, sj(dishesUtf8));
  const std::string same = "出力先のファイルが入力ファイルと同じなので、変換しません";
  {
    // The output named as the dish CSV, and a dish CSV where error.txt goes: both refused
    // before anything is written.
    nvtest::ScriptedPrompt p;
    p.expectBox(nv::cp932ToUtf8(dishes), same, nv::Icon::Stop);
    EXPECT_FALSE(nvtest::shown(nv::convertBentoCsv(foods, dishes, dishes, nullptr)));
    EXPECT_EQ(nvtest::readBytes(dishes), sj(dishesUtf8));
    const std::string asError = dir.file("error.txt");
    nvtest::writeBytes(asError, sj(dishesUtf8));
    p.expectBox(nv::cp932ToUtf8(asError), same, nv::Icon::Stop);
    EXPECT_FALSE(nvtest::shown(nv::convertBentoCsv(foods, asError, data, nullptr)));
    EXPECT_EQ(nvtest::readBytes(asError), sj(dishesUtf8));
    EXPECT_FALSE(nv::fileExists(data));
  }
  {
    // Two conversions in one run give the same bytes; the one replaced is kept as .bak.
    nvtest::ScriptedPrompt p;
    ASSERT_TRUE(nvtest::shown(nv::convertBentoCsv(foods, dishes, data, nullptr)));
    ASSERT_TRUE(nvtest::shown(nv::convertBentoCsv(foods, dishes, data, nullptr)));
    EXPECT_EQ(nvtest::readBytes(data + ".bak"), nvtest::readBytes(data));
  }
  const std::string good = nvtest::readBytes(data);
  for (const std::string& mark : {std::string(), std::string("\xEF\xBB\xBF")}) {
    // Saved by a spreadsheet as UTF-8: converted, the same data, and error.txt says how.
    nvtest::writeBytes(foods, mark + foodsUtf8);
    nvtest::writeBytes(dishes, mark + dishesUtf8);
    nvtest::ScriptedPrompt p;
    ASSERT_TRUE(nvtest::shown(nv::convertBentoCsv(foods, dishes, data, nullptr)));
    EXPECT_EQ(nvtest::readBytes(data), good);
    EXPECT_EQ(nv::cp932ToUtf8(nvtest::readBytes(dir.file("error.txt"))),
              "食品ファイルを UTF-8 のファイルとして読み込みました\r\n"
              "献立ファイルを UTF-8 のファイルとして読み込みました\r\n");
  }
  // A result without a dish (every food unknown) never replaces the working file.
  nvtest::writeBytes(dishes, sj("h\nごはん,おにぎり,こめ,100,120,1,弁当箱,炊飯器\n"));
  nvtest::ScriptedPrompt p;
  p.expectBox(nv::cp932ToUtf8(data),
              "変換した結果に食品かお弁当の献立がないため、データファイルを置き換えません",
              nv::Icon::Stop);
  EXPECT_FALSE(nvtest::shown(nv::convertBentoCsv(foods, dishes, data, nullptr)));
  EXPECT_EQ(nvtest::readBytes(data), good);
  // A write-protected data file is left alone, and the box says why.
  nvtest::writeBytes(dishes, sj(dishesUtf8));
  ::chmod(nv::toFsPath(data).c_str(), 0444);
  p.expectBox(
      nv::cp932ToUtf8(data) + "\n上書きしようとしているファイルが書き込み禁止になっています。",
      "ファイルを書き込めません", nv::Icon::Stop);
  EXPECT_FALSE(nvtest::shown(nv::convertBentoCsv(foods, dishes, data, nullptr)));
  EXPECT_EQ(nvtest::readBytes(data), good);
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
  ASSERT_TRUE(nvtest::shown(nv::checkBentoPictures(data, dir.path(), c)));
  EXPECT_TRUE(c.dishesWithoutPicture.empty());
  EXPECT_EQ(c.picturesWithoutDish.size(), 3u);  // のこり, ピ and the NV file itself

  nvtest::ScriptedPrompt p;
  p.expectBox(nv::cp932ToUtf8(dir.file("x.nvb")),
              "食品データ/献立データ・ファイルが見つかりません（原因不明）", nv::Icon::None);
  EXPECT_FALSE(nvtest::shown(nv::checkBentoPictures(dir.file("x.nvb"), dir.path(), c)));
}

}  // namespace
