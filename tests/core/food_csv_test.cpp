// The food CSV import and its quirks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/food.h"
#include "platform/files.h"
#include "platform/text.h"
#include "scripted_prompt.h"
#include "shown.h"

namespace {

const char kHeader[] = "code,name,group,colour,e,p,f,ca,fe,a,b1,b2,c,salt\n";

struct Imported {
  nv::TFoodData table;
  std::vector<nvtest::ProgressEvent> progress;
};

// Runs the import under a scripted Prompt that expects no boxes or messages.
Imported importText(const std::string& csv) {
  nvtest::ScriptedPrompt prompt;
  Imported r;
  nvtest::shown(r.table.importCsv(csv, nullptr, &nv::prompt()));
  r.progress = prompt.progressWindows();
  return r;
}

TEST(FoodCsv, EmptyOrHeaderOnlyGivesOneEmptyHeadFood) {
  for (std::string csv : {std::string(), std::string(kHeader)}) {
    Imported r = importText(csv);
    ASSERT_EQ(r.table.count(), 1u);
    const nv::TFood& f = r.table.foods()[0];
    EXPECT_EQ(f.code, "");
    EXPECT_EQ(f.name, "");
    EXPECT_EQ(f.group, 0);
    EXPECT_EQ(f.colorClass, 0);
    for (double v : f.nutrients) EXPECT_EQ(v, 0);
    // The progress window appears only once a header was read.
    EXPECT_EQ(r.progress.size(), csv.empty() ? 0u : 1u);
  }
}

TEST(FoodCsv, FullLineMissingNumberAndExtraFields) {
  std::string full = "01001," + nv::sj("精白米") + ",5,2,356,6.1,0.9,5,0.8,0,0.08,0.02,0,0.5";
  Imported r = importText(std::string(kHeader) + full + "\n" + full.substr(0, full.rfind(',')) +
                          "\n" + full + ",99,x,100\n");
  ASSERT_EQ(r.table.count(), 3u);
  const auto& foods = r.table.foods();
  EXPECT_EQ(foods[0].code, "01001");
  EXPECT_EQ(foods[0].name, nv::sj("精白米"));
  EXPECT_EQ(foods[0].group, 5);
  EXPECT_EQ(foods[0].colorClass, 2);
  nv::Nutrients want = {356, 6.1, 0.9, 5, 0.8, 0, 0.08, 0.02, 0, 0.5};
  EXPECT_EQ(foods[0].nutrients, want);
  EXPECT_EQ(foods[2].nutrients, want);  // fields after the fourteenth are ignored
  want[nv::kSalt] = 0;
  EXPECT_EQ(foods[1].nutrients, want);
  // Foods are numbered from 0 in file order, and every import of the same CSV afresh: the
  // dishes and saved menus built on one conversion keep their foods after another.
  EXPECT_EQ(foods[0].number, 0);
  EXPECT_EQ(foods[2].number, 2);
  Imported again = importText(std::string(kHeader) + full + "\n" + full + "\n" + full + "\n");
  EXPECT_EQ(again.table.foods()[2].number, 2);
}

TEST(FoodCsv, NumbersAreReadFromTheFieldStart) {
  Imported r = importText(std::string(kHeader) + "c,n, 3x,abc,12.5g,-1e2,,.5, +7,junk\n");
  ASSERT_EQ(r.table.count(), 1u);
  const nv::TFood& f = r.table.foods()[0];
  EXPECT_EQ(f.group, 3);
  EXPECT_EQ(f.colorClass, 0);
  EXPECT_EQ(f.nutrients[0], 12.5);
  EXPECT_EQ(f.nutrients[1], -100);
  EXPECT_EQ(f.nutrients[2], 0);
  EXPECT_EQ(f.nutrients[3], 0.5);
  EXPECT_EQ(f.nutrients[4], 7);
  EXPECT_EQ(f.nutrients[5], 0);  // the field without a comma is the last one read
  EXPECT_EQ(f.nutrients[6], 0);
}

TEST(FoodCsv, CodeAndNameAreCutBetweenCharacters) {
  // 24 half-width digits, then a name of 24 double-byte characters: byte 47 would be the lead
  // byte of the 24th character, which is left out whole.
  std::string name;
  for (int i = 0; i < 24; ++i) name += nv::sj("あ");
  Imported r = importText(std::string(kHeader) + std::string(24, '9') + "," + name + ",1,1,\n" +
                          "c," + nv::sj("ｱ") + name + ",1,1,\n");
  EXPECT_EQ(r.table.foods()[0].code, std::string(23, '9'));
  EXPECT_EQ(r.table.foods()[0].name, name.substr(0, 46));
  // After one single-byte kana the 47 bytes end on a character boundary.
  EXPECT_EQ(r.table.foods()[1].name, nv::sj("ｱ") + name.substr(0, 46));
}

TEST(FoodCsv, Utf8FilesWithOrWithoutAMarkAreConvertedAndSaidSo) {
  const std::string utf8 =
      std::string(kHeader) + "01001,精白米,5,2,356\n02001,さつまいも,5,2,132\n";
  nvtest::ScriptedPrompt prompt;
  nv::TFoodData cp932, plain, marked;
  std::string note = "stale";
  nvtest::shown(cp932.importCsv(nv::sj(utf8), &note, &nv::prompt()));
  EXPECT_EQ(note, "");
  nvtest::shown(plain.importCsv(utf8, &note, &nv::prompt()));
  EXPECT_EQ(nv::cp932ToUtf8(note), "食品ファイルを UTF-8 のファイルとして読み込みました");
  nvtest::shown(marked.importCsv("\xEF\xBB\xBF" + utf8, &note, &nv::prompt()));
  EXPECT_FALSE(note.empty());
  for (const nv::TFoodData* t : {&plain, &marked}) {
    ASSERT_EQ(t->count(), 2u);
    EXPECT_EQ(t->foods()[0].name, nv::sj("精白米"));
    EXPECT_EQ(t->numberOfName(nv::sj("さつまいも")), 1);
    EXPECT_EQ(t->foods()[1].nutrients[0], 132);
  }
  EXPECT_EQ(marked.foods()[0].code, "01001");  // the mark is not part of the first field

  // Characters CP932 lacks become '?', and the note counts them.
  nv::TFoodData odd;
  nvtest::shown(odd.importCsv(std::string(kHeader) + "x,🍙むすび?,5,2,1\n", &note, &nv::prompt()));
  EXPECT_EQ(odd.foods()[0].name, nv::sj("?むすび?"));
  EXPECT_EQ(nv::cp932ToUtf8(note),
            "食品ファイルを UTF-8 のファイルとして読み込みました（Shift-JIS にない文字 1 "
            "個は「?」にしました）");
  // CP932 half-width kana that happen to be valid two-byte UTF-8 stay CP932.
  nv::TFoodData kana;
  nvtest::shown(kana.importCsv(std::string(kHeader) + "x," + nv::sj("ﾃｽ") + ",5,2,1\n", &note,
                               &nv::prompt()));
  EXPECT_EQ(kana.foods()[0].name, nv::sj("ﾃｽ"));
  EXPECT_EQ(note, "");
}

TEST(FoodCsv, MissingCommaInTheFirstFourFieldsEndsTheImportAndSaysWhere) {
  nvtest::ScriptedPrompt prompt;
  prompt.expectBox(
      "3 行目に区切りのカンマが足りないため、食品データの読み込みをそこで終えました"
      "（読み込んだ食品 1 件）",
      "確認", nv::Icon::Warning);
  nv::TFoodData table;
  EXPECT_FALSE(nvtest::shown(table.importCsv(
      std::string(kHeader) + "a,A,1,1,10\n" + "b,B,2\n" + "c,C,3,3,30\n", nullptr, &nv::prompt())));
  ASSERT_EQ(table.count(), 2u);  // the line without its fourth comma is the last food
  const nv::TFood& partial = table.foods()[1];
  EXPECT_EQ(partial.code, "b");
  EXPECT_EQ(partial.name, "B");
  EXPECT_EQ(partial.group, 0);  // the field before the missing comma is not taken
  EXPECT_EQ(partial.nutrients[0], 0);
}

TEST(FoodCsv, BlankLinesAreSkipped) {
  nvtest::ScriptedPrompt prompt;
  nv::TFoodData table;
  EXPECT_TRUE(nvtest::shown(table.importCsv(
      std::string(kHeader) + "a,A,1,1,10\n\n  \r\n\t\nc,C,3,3,30\n\n", nullptr, &nv::prompt())));
  ASSERT_EQ(table.count(), 2u);
  EXPECT_EQ(table.foods()[1].code, "c");
  EXPECT_EQ(table.foods()[1].nutrients[0], 30);
}

TEST(FoodCsv, NumbersThatAreNotFiniteDecimalsCountAsZeroAndAreTold) {
  nvtest::ScriptedPrompt prompt;
  prompt.expectBox("栄養素の値が数として読めないため 0 とした行があります: 3, 4, 5 行目", "確認",
                   nv::Icon::Warning);
  nv::TFoodData table;
  EXPECT_TRUE(
      nvtest::shown(table.importCsv(std::string(kHeader) + "a,A,1,1,10,2\n" + "b,B,1,1,inf,nan\n" +
                                        "c,C,1,1,0x10,5\n" + "d,D,1,1,1e999,-1e400,7\n",
                                    nullptr, &nv::prompt())));
  ASSERT_EQ(table.count(), 4u);
  EXPECT_EQ(table.foods()[0].nutrients[0], 10);
  for (size_t i : {1, 2, 3}) EXPECT_EQ(table.foods()[i].nutrients[0], 0) << i;
  EXPECT_EQ(table.foods()[1].nutrients[1], 0);
  EXPECT_EQ(table.foods()[2].nutrients[1], 5);
  EXPECT_EQ(table.foods()[3].nutrients[1], 0);
  EXPECT_EQ(table.foods()[3].nutrients[2], 7);
  for (const nv::TFood& f : table.foods())
    for (double v : f.nutrients) EXPECT_TRUE(std::isfinite(v));
}

TEST(FoodCsv, CrlfLinesAndProgressRange) {
  std::string header = "h1,h2\r\n";
  std::string line = "a,A,1,3,1,2,3,4,5,6,7,8,9,10\r\n";
  Imported r = importText(header + line + line);
  ASSERT_EQ(r.table.count(), 2u);
  EXPECT_EQ(r.table.foods()[1].colorClass, 3);
  EXPECT_EQ(r.table.foods()[1].nutrients[nv::kSalt], 10);
  ASSERT_EQ(r.progress.size(), 1u);
  const nvtest::ProgressEvent& p = r.progress[0];
  EXPECT_EQ(nv::cp932ToUtf8(p.caption), "栄養素のデータを読み込んでいます");
  // Positions count the text as read in text mode (CR before LF dropped).
  EXPECT_EQ(p.minimum, 6);
  EXPECT_EQ(p.maximum, 6 + 2 * 29);
  EXPECT_EQ(p.positions, (std::vector<int64_t>{6 + 29, 6 + 58}));
  EXPECT_TRUE(p.closed);

  // Lines ended by CR alone, as older spreadsheets on other systems save them.
  Imported cr = importText("h1,h2\ra,A,1,3,1,2\rb,B,2,1,5\r");
  ASSERT_EQ(cr.table.count(), 2u);
  EXPECT_EQ(cr.table.foods()[0].nutrients[1], 2);
  EXPECT_EQ(cr.table.foods()[1].name, "B");
  EXPECT_EQ(cr.table.foods()[1].nutrients[0], 5);
}

TEST(FoodCsv, OverlongLineContinuesAsTheNextLine) {
  // The 10,239-byte buffer takes 10,238 bytes; the rest of the line is read as a line itself.
  std::string first = "a,A,1,1," + std::string(10238 - 8, '1');
  nvtest::ScriptedPrompt prompt;  // the run of digits is out of range: 0, and said
  prompt.expectBox("栄養素の値が数として読めないため 0 とした行があります: 2 行目", "確認",
                   nv::Icon::Warning);
  nv::TFoodData table;
  EXPECT_TRUE(nvtest::shown(
      table.importCsv(std::string(kHeader) + first + ",x,y,2,2,5\n", nullptr, &nv::prompt())));
  ASSERT_EQ(table.count(), 2u);
  EXPECT_EQ(table.foods()[0].nutrients[0], 0);
  const nv::TFood& rest = table.foods()[1];
  EXPECT_EQ(rest.code, "");
  EXPECT_EQ(rest.name, "x");
  EXPECT_EQ(rest.colorClass, 2);
  EXPECT_EQ(rest.nutrients[1], 5);
}

TEST(FoodCsv, ShippedSourceImportsEveryLine) {
  std::string csv;
  ASSERT_TRUE(nv::readFile(NV_TEST_DATA_DIR "/foods.csv", csv));
  nvtest::ScriptedPrompt prompt;
  nv::TFoodData t;
  nvtest::shown(t.importCsv(csv, nullptr, &nv::prompt()));
  size_t lines = size_t(std::count(csv.begin(), csv.end(), '\n'));
  EXPECT_EQ(t.count(), lines - 1);
  for (const nv::TFood& f : t.foods()) {
    EXPECT_FALSE(f.name.empty());
    EXPECT_EQ(t.numberOfName(f.name), f.number) << nv::cp932ToUtf8(f.name) << " is not unique";
    EXPECT_TRUE(f.group >= 0 && f.group <= 6) << nv::cp932ToUtf8(f.name);
    EXPECT_TRUE(f.colorClass >= 0 && f.colorClass <= 3) << nv::cp932ToUtf8(f.name);
  }

  // Figures copied by hand from the printed composition table, per 100 g. Vitamin A in IU is
  // retinol / 0.3 + beta-carotene / 1.8: boiled spinach has no retinol and 5400 µg.
  struct Printed {
    const char* name;
    int slot;
    double value;
  };
  const Printed printed[] = {
      {"ごはん（精白米）", 0, 156},      {"牛乳", 0, 61},   {"牛乳", 3, 110}, {"卵", 0, 142},
      {"ほうれんそう（ゆで）", 5, 3000}, {"食塩", 9, 99.1}, {"酢", 0, 37},
  };
  for (const Printed& p : printed) {
    const nv::TFood* food = t.findByNumber(t.numberOfName(nv::sj(p.name)));
    ASSERT_NE(food, nullptr) << p.name;
    EXPECT_DOUBLE_EQ(food->nutrients[p.slot], p.value) << p.name << " slot " << p.slot;
  }
}

}  // namespace
