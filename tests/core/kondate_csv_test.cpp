#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "kondate_fixtures.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "scripted_prompt.h"
#include "shown.h"
#include "temp_dir.h"

namespace {
using namespace nvtest;
using nv::Icon;

const char kHeader[] = "分類,料理名,食品名,可食量\n";

struct CsvImport : ::testing::Test {
  TempDir dir;
  nv::TFoodData foods = foodsNamed({"こめ", "たまご", "ねぎ", "とうふ"});
  std::string csv = dir.file("献立.csv");
  std::string report = dir.file("献立.txt");

  nv::TKondateData import(const std::string& bodyUtf8) {
    writeBytes(csv, nv::sj(kHeader + bodyUtf8));
    nv::TKondateData db;
    ScriptedPrompt p;  // a good import asks nothing
    EXPECT_TRUE(nvtest::shown(db.importCsv(foods, csv, {}, &nv::prompt())));
    return db;
  }
  std::string reportUtf8() { return u8(readBytes(report)); }
};

std::vector<std::string> dishSummary(const nv::TOrder& o) {
  std::vector<std::string> out;
  for (const nv::TKondate& k : o.base)
    out.push_back(std::to_string(k.number) + ":" + u8(k.name) + ":" +
                  std::to_string(k.foods.size()) + ":" + nv::shortestDecimal(k.standardWeight));
  return out;
}

TEST_F(CsvImport, ConsecutiveLinesMakeOneDishAndInterleavedLinesDoNot) {
  nv::TKondateData grouped = import(
      "ごはん,親子丼,こめ,80\nごはん,親子丼,たまご,50\nごはん,卵丼,こめ,70\n"
      "ごはん,卵丼,たまご,40.5\n");
  EXPECT_EQ(dishSummary(grouped.orders()[0]),
            (std::vector<std::string>{"0:親子丼:2:130", "1:卵丼:2:110.5"}));
  nv::TKondateData interleaved = import(
      "ごはん,親子丼,こめ,80\nごはん,卵丼,こめ,70\nごはん,親子丼,たまご,50\n"
      "ごはん,卵丼,たまご,40\n");
  EXPECT_EQ(
      dishSummary(interleaved.orders()[0]),
      (std::vector<std::string>{"0:親子丼:1:80", "1:卵丼:1:70", "2:親子丼:1:50", "3:卵丼:1:40"}));
  EXPECT_EQ(reportUtf8(), "");
  const nv::TUsedFood& f = interleaved.orders()[0].base[2].foods[0];
  EXPECT_EQ(f.foodNumber, 2);
  EXPECT_EQ(f.amount, 50);
  EXPECT_EQ(f.standardAmount, 50);
}

TEST_F(CsvImport, HeaderOnlyGivesTheFifteenEmptyCategories) {
  nv::TKondateData db = import("");
  const char* fixed[] = {"ごはん",
                         "パン・シリアル",
                         "めん",
                         "汁もの",
                         "魚のおかず",
                         "肉のおかず",
                         "野菜のおかず",
                         "卵のおかず",
                         "豆のおかず",
                         "芋のおかず",
                         "乳製品・海藻・小魚のおかず",
                         "くだもの",
                         "デザート・お菓子",
                         "飲み物",
                         "その他"};
  ASSERT_EQ(db.orders().size(), 15u);
  for (size_t i = 0; i < 15; ++i) EXPECT_EQ(u8(db.orders()[i].name), fixed[i]);
  std::vector<std::string> names{"stale"};
  db.categoryNames(names);
  EXPECT_TRUE(names.empty());
  EXPECT_TRUE(nv::fileExists(report));
  EXPECT_EQ(reportUtf8(), "");
}

TEST_F(CsvImport, ProblemLinesGoToTheReportAndTheRestIsRead) {
  nv::TKondateData db = import(
      "ごちそう,鍋,とうふ,100\n"
      "汁もの,みそ汁,みそ,10\n"  // unknown food: heading once
      "汁もの,みそ汁,ねぎ,0\n"   // zero: heading each time
      "汁もの,みそ汁,とうふ,\n"  // empty grams count as 0
      "汁もの,すまし,しお,1\n"
      "汁もの,みそ汁,ねぎ,少々\n"       // not a number
      "汁もの,みそ汁,とうふ,-5,余り\n"  // negative grams are refused like other bad numbers
      "汁もの,みそ汁\n"                 // too few commas: silently skipped
      ",みそ汁,とうふ,1\n"              // empty field: silently skipped
      "汁もの,みそ汁,とうふ, 2.5 ");    // last line without a line feed
  EXPECT_EQ(reportUtf8(),
            "以下の献立で食品が見つかりません\r\n汁もの,みそ汁,みそ,10\r\n"
            "以下の献立で食品の重さが０です\r\n汁もの,みそ汁,ねぎ,0\r\n"
            "以下の献立で食品の重さが０です\r\n汁もの,みそ汁,とうふ,\r\n"
            "汁もの,すまし,しお,1\r\n"
            "以下の献立で食品の重さが数値ではありません\r\n汁もの,みそ汁,ねぎ,少々\r\n"
            "以下の献立で食品の重さがマイナスです\r\n汁もの,みそ汁,とうふ,-5,余り\r\n");
  ASSERT_EQ(db.orders().size(), 16u);
  EXPECT_EQ(u8(db.orders()[15].name), "ごちそう");
  EXPECT_EQ(dishSummary(db.orders()[3]), (std::vector<std::string>{"1:みそ汁:1:2.5"}));
}

TEST_F(CsvImport, LongFieldsAreCutTo47Bytes) {
  std::string longName(60, 'x');
  nv::TKondateData db =
      import("その他," + longName + ",こめ,1\nその他," + longName.substr(0, 50) + ",こめ,2\n");
  ASSERT_EQ(db.orders()[14].base.size(), 1u);
  EXPECT_EQ(db.orders()[14].base[0].name, std::string(47, 'x'));
  EXPECT_EQ(db.orders()[14].base[0].standardWeight, 3);
}

TEST_F(CsvImport, FilesThatCannotBeUsedAreReportedAndKeepTheDatabase) {
  nv::TKondateData db;
  category(db, "残す").base = {dish(1, "もの")};
  {
    ScriptedPrompt p;
    p.expectBox(u8(csv), "献立ファイルを開けません", Icon::Stop);
    EXPECT_FALSE(nvtest::shown(db.importCsv(foods, csv, {}, &nv::prompt())));
    EXPECT_EQ(reportUtf8(), "献立ファイルを開けません\r\n");
  }
  {
    writeBytes(csv, "");
    ScriptedPrompt p;
    p.expectBox(u8(csv), "ファイルにデータがありません", Icon::Stop);
    EXPECT_FALSE(nvtest::shown(db.importCsv(foods, csv, {}, &nv::prompt())));
    EXPECT_EQ(reportUtf8(), "ファイルにデータがありません\r\n");
  }
  {
    std::string elsewhere = dir.file("ない/献立.csv");
    ScriptedPrompt p;
    p.expectBox(u8(dir.file("ない/献立.txt")), "エラーファイルに書き出せません", Icon::Stop);
    EXPECT_FALSE(nvtest::shown(db.importCsv(foods, elsewhere, {}, &nv::prompt())));
  }
  {
    std::string txt = dir.file("献立.txt");
    writeBytes(txt, nv::sj(std::string(kHeader) + "ごはん,ごはん,こめ,80\n"));
    ScriptedPrompt p;
    p.expectBox(u8(txt), "エラーファイルに書き出せません", Icon::Stop);
    EXPECT_FALSE(nvtest::shown(db.importCsv(foods, txt, {}, &nv::prompt())));
    EXPECT_EQ(readBytes(txt).size(),
              nv::sj(std::string(kHeader) + "ごはん,ごはん,こめ,80\n").size());
  }
  {
    // The report's name linked to the CSV: writing it would empty the CSV before reading.
    std::string linked = dir.file("同じ.csv");
    writeBytes(linked, nv::sj(std::string(kHeader) + "ごはん,ごはん,こめ,80\n"));
    std::filesystem::create_hard_link(nv::toFsPath(linked), nv::toFsPath(dir.file("同じ.txt")));
    ScriptedPrompt p;
    p.expectBox(u8(dir.file("同じ.txt")), "エラーファイルに書き出せません", Icon::Stop);
    EXPECT_FALSE(nvtest::shown(db.importCsv(foods, linked, {}, &nv::prompt())));
    EXPECT_EQ(readBytes(linked), nv::sj(std::string(kHeader) + "ごはん,ごはん,こめ,80\n"));
  }
  EXPECT_EQ(db.dishCount(), 1u);
}

TEST_F(CsvImport, ProgressFollowsTheFile) {
  writeBytes(csv, nv::sj(std::string(kHeader) + "ごはん,ごはん,こめ,80\n"));
  nv::TKondateData db;
  ScriptedPrompt p;
  ASSERT_TRUE(nvtest::shown(db.importCsv(foods, csv, {}, &nv::prompt())));
  ASSERT_EQ(p.progressWindows().size(), 1u);
  const ProgressEvent& e = p.progressWindows()[0];
  EXPECT_EQ(u8(e.caption), "献立のデータを読み込んでいます");
  EXPECT_EQ(e.minimum, int64_t(nv::sj(kHeader).size()));
  EXPECT_EQ(e.positions.back(), int64_t(readBytes(csv).size()));
  EXPECT_TRUE(e.closed);
}

TEST(CsvExport, BaseDishesInNameOrderWithSixDecimals) {
  nv::TFoodData foods = foodsNamed({"こめ", "たまご"});
  nv::TKondateData db;
  EXPECT_EQ(db.exportCsv(&foods), "");
  category(db, "ごはん").base = {dish(2, "卵丼", {{1, 70}, {2, 12.5}}),
                                 dish(1, "おにぎり", {{1, 100}, {9, 1}})};
  category(db, "ごはん").added = {dish(100001, "まぜごはん", {{1, 1}})};
  category(db, "空");
  EXPECT_EQ(u8(db.exportCsv(&foods)),
            "分類,料理名,食品名,可食量（ｇ）\n"
            "ごはん,おにぎり,こめ,100.000000\n"
            "ごはん,おにぎり,不明な食品,1.000000\n"
            "ごはん,卵丼,こめ,70.000000\n"
            "ごはん,卵丼,たまご,12.500000\n");
}

TEST(CsvExport, ImportOfAnExportGivesTheSameDishes) {
  TempDir dir;
  nv::TFoodData foods = foodsNamed({"こめ", "たまご"});
  nv::TKondateData db;
  for (const char* c :
       {"ごはん", "パン・シリアル", "めん", "汁もの", "魚のおかず", "肉のおかず", "野菜のおかず",
        "卵のおかず", "豆のおかず", "芋のおかず", "乳製品・海藻・小魚のおかず", "くだもの",
        "デザート・お菓子", "飲み物", "その他", "特別"})
    category(db, c);
  category(db, "ごはん").base = {dish(0, "おにぎり", {{1, 100}}),
                                 dish(1, "卵丼", {{1, 70}, {2, 12.5}})};
  category(db, "特別").base = {dish(2, "ゆでたまご", {{2, 50}})};
  ASSERT_TRUE(nvtest::shown(db.exportCsvFile(&foods, dir.file("out.csv"))));
  nv::TKondateData back;
  ASSERT_TRUE(nvtest::shown(back.importCsv(foods, dir.file("out.csv"), {}, &nv::prompt())));
  EXPECT_EQ(back.exportCsv(&foods), db.exportCsv(&foods));
  EXPECT_EQ(back.orders().size(), 16u);
  EXPECT_EQ(back.nameOf(2), nv::sj("ゆでたまご"));
}

TEST(CsvExport, OnlyTextIsWrittenOver) {
  TempDir dir;
  nv::TFoodData foods = foodsNamed({"こめ"});
  nv::TKondateData db;
  category(db, "ごはん").base = {dish(0, "おにぎり", {{1, 100}})};
  // A data file (or the program, a picture) picked as the CSV: it holds NUL bytes.
  const std::string data = std::string("NV data\0\0\x01", 10);
  writeBytes(dir.file("NV.nv"), data);
  ::mkfifo(nv::toFsPath(dir.file("pipe.csv")).c_str(), 0600);
  for (const char* name : {"NV.nv", "pipe.csv"}) {
    ScriptedPrompt p;
    p.expectBox(
        u8(dir.file(name)) + "\n\nこのファイルは CSV ファイルではないため、上書きしません。",
        "ファイルに書き込めません", Icon::Stop);
    EXPECT_FALSE(nvtest::shown(db.exportCsvFile(&foods, dir.file(name)))) << name;
  }
  EXPECT_EQ(readBytes(dir.file("NV.nv")), data);
  EXPECT_EQ(std::filesystem::status(nv::toFsPath(dir.file("pipe.csv"))).type(),
            std::filesystem::file_type::fifo);
  // An earlier CSV is replaced.
  writeBytes(dir.file("old.csv"), "a,b\r\n");
  ASSERT_TRUE(nvtest::shown(db.exportCsvFile(&foods, dir.file("old.csv"))));
  EXPECT_EQ(readBytes(dir.file("old.csv")), db.exportCsv(&foods));
}

}  // namespace
