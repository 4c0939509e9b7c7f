#include "summary/model/class_summary.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "../class_fixture.h"
#include "platform/paths.h"
#include "summary/model/summary_csv.h"
#include "summary/model/summary_files.h"

using nv::sj;

namespace {

constexpr size_t kG1 = nv::kNutrientCount, kG5 = nv::kNutrientCount + 4;

struct ClassOfSix : ::testing::Test {
  void SetUp() override {
    nvtest::writeClass(dir);
    foods = nvtest::classFoods();
    kitchen = nvtest::classKitchen();
    data = {&foods, &foods, &kitchen};
    files = nv::collectClassFiles({dir.path()});
  }
  nv::ClassSummary summary(nv::SummaryMeal meal) {
    return nv::summarizeClass(files.files, data, meal);
  }
  const nv::ChildResult& child(const nv::ClassSummary& s, const char* file) {
    for (const nv::ChildResult& c : s.children)
      if (nv::fileNameOf(c.path) == file) return c;
    throw std::runtime_error(file);
  }
  nvtest::TempDir dir;
  nv::TFoodData foods;
  nv::TDaidokoro kitchen;
  nv::SummaryData data;
  nv::ClassFiles files;
};

TEST_F(ClassOfSix, EachChildAgainstOwnRequirement) {
  // Folder order is by name; the damaged file is listed, never counted.
  ASSERT_EQ(files.files.size(), 6u);
  const nv::ClassSummary day = summary(nv::SummaryMeal::Day);
  ASSERT_EQ(day.children.size(), 5u);
  ASSERT_EQ(day.unreadable.size(), 1u);
  EXPECT_EQ(nv::fileNameOf(day.unreadable[0].path), "broken.nvu");
  EXPECT_FALSE(day.unreadable[0].reason.empty());
  EXPECT_EQ(nv::fileNameOf(day.children[0].path), "hana.nvu");

  struct Row {
    const char* file;
    nv::SummaryMeal meal;
    double energy, salt, g1, g5;  // percent; -1: the meal is not in the file
  } rows[] = {
      {"taro.nvu", nv::SummaryMeal::Day, 75, 25, 500 / 3.1, 500 / 4.1},
      {"taro.nvu", nv::SummaryMeal::Lunch, 40, 0, 0, 300 / 1.5375},
      {"taro.nvu", nv::SummaryMeal::Breakfast, 80, 40, 200 / 0.775, 0},
      {"hana.nvu", nv::SummaryMeal::Day, 100, 15, 100, 900 / 3.9},
      {"hana.nvu", nv::SummaryMeal::Lunch, 600 / 5.625, 1.5 / 3.75 * 100, 300 / 1.125, 0},
      {"jiro.nvu", nv::SummaryMeal::Day, 37.5, 0, 0, 750 / 4.1},
      {"jiro.nvu", nv::SummaryMeal::Lunch, 100, 0, 0, 750 / 1.5375},
      {"jiro.nvu", nv::SummaryMeal::Dinner, -1, 0, 0, 0},
      {"sakura.nvub", nv::SummaryMeal::Day, 500 / 6.0, 0.5 / 3.75 * 100, 100 / 1.125, 300 / 1.4625},
      {"sakura.nvub", nv::SummaryMeal::Lunch, 500 / 6.0, 0.5 / 3.75 * 100, 100 / 1.125,
       300 / 1.4625},
      {"sakura.nvub", nv::SummaryMeal::Breakfast, -1, 0, 0, 0},
      {"ken.nvub", nv::SummaryMeal::Day, 200 / 9.0, 0.5 / 3.75 * 100, 100 / 1.1625, 0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.file) + " meal " + std::to_string(int(r.meal)));
    const nv::Percents* p = child(day, r.file).percents(r.meal);
    if (r.energy < 0) {
      EXPECT_EQ(p, nullptr);
      continue;
    }
    ASSERT_NE(p, nullptr);
    EXPECT_NEAR((*p)[nv::kEnergy], r.energy, 1e-9);
    EXPECT_NEAR((*p)[nv::kSalt], r.salt, 1e-9);
    EXPECT_NEAR((*p)[kG1], r.g1, 1e-9);
    EXPECT_NEAR((*p)[kG5], r.g5, 1e-9);
  }
  const nv::ChildResult& hana = child(day, "hana.nvu");
  EXPECT_EQ(hana.name, sj("はなこ"));
  EXPECT_EQ(hana.sex, 1);
  EXPECT_EQ(hana.kind, nv::ChildKind::Menu);
  const nv::ChildResult& sakura = child(day, "sakura.nvub");
  EXPECT_EQ(sakura.gradeByNutrients, 2);  // only the energy within 70..130 %
  EXPECT_EQ(sakura.gradeByGroups, 2);     // 2 + 3 + 2 points
  EXPECT_TRUE(sakura.note.empty());
  EXPECT_FALSE(child(day, "ken.nvub").note.empty());  // the dish NV.nvb does not know
}

TEST_F(ClassOfSix, MediansRangesAndBands) {
  struct Row {
    nv::SummaryMeal meal;
    size_t column;
    int children;
    double median, lowest, highest;
    std::array<int, 3> bands;
  } rows[] = {
      {nv::SummaryMeal::Day, nv::kEnergy, 5, 75, 200 / 9.0, 100, {3, 2, 0}},
      {nv::SummaryMeal::Day, kG5, 5, 750 / 4.1, 0, 900 / 3.9, {1, 0, 4}},
      {nv::SummaryMeal::Lunch, nv::kEnergy, 5, 500 / 6.0, 200 / 9.0, 600 / 5.625, {2, 3, 0}},
      // Two children had breakfast, both at exactly 80 %: within, and an even median.
      {nv::SummaryMeal::Breakfast, nv::kEnergy, 2, 80, 80, 80, {0, 2, 0}},
      {nv::SummaryMeal::Breakfast, kG1, 2, 100 / 0.775, 0, 200 / 0.775, {1, 0, 1}},
      {nv::SummaryMeal::Dinner,
       nv::kEnergy,
       2,
       (800 / 7.5 + 600 / 5.625) / 2,
       800 / 7.5,
       800 / 7.5,
       {0, 2, 0}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::to_string(int(r.meal)) + "/" + std::to_string(r.column));
    const nv::ColumnStats s = summary(r.meal).stats[r.column];
    EXPECT_EQ(s.children, r.children);
    EXPECT_NEAR(s.median, r.median, 1e-9);
    EXPECT_NEAR(s.lowest, r.lowest, 1e-9);
    EXPECT_NEAR(s.highest, r.highest, 1e-9);
    EXPECT_EQ(s.bands, r.bands);
  }
  EXPECT_EQ(nv::bandOf(79), nv::Band::Under);
  EXPECT_EQ(nv::bandOf(120), nv::Band::Within);
  EXPECT_EQ(nv::bandOf(121), nv::Band::Over);
}

}  // namespace

TEST_F(ClassOfSix, CsvIsUtf8WithOneHeaderLine) {
  nv::ClassSummary day = summary(nv::SummaryMeal::Day);
  day.children[0].name = sj("=1+1,\"x\"");
  const std::string csv = nv::classSummaryCsv(day);
  ASSERT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
  std::vector<std::string> lines;
  for (size_t at = 3, end; (end = csv.find("\r\n", at)) != std::string::npos; at = end + 2)
    lines.push_back(csv.substr(at, end - at));
  ASSERT_EQ(lines.size(), 1u + 6 + 5);
  EXPECT_EQ(lines[0].rfind("ファイル,名前,年齢,性別,生活活動強度,", 0), 0u);
  EXPECT_NE(lines[0].find(",エネルギー(%),"), std::string::npos);
  EXPECT_EQ(lines[1].rfind("中央値,,,,,,,,75,", 0), 0u);
  EXPECT_EQ(lines[4].rfind("80%未満,,,,,,,,3,", 0), 0u);
  // A name is text, never a formula, and its comma and quotes stay inside the field.
  EXPECT_EQ(lines[7].rfind("hana.nvu,\"'=1+1,\"\"x\"\"\",12,女,Ⅱ,献立,,,100,", 0), 0u);
  EXPECT_EQ(lines[9].rfind("ken.nvub,けん,12,男,Ⅱ,お弁当,3,2,22,", 0), 0u);
}

// Nothing a folder may hold stops the summary or is counted: each is listed with its reason.
TEST(ClassFiles, WhatCannotBeReadIsListed) {
  nvtest::TempDir dir;
  nvtest::writeClass(dir);
  namespace fs = std::filesystem;
  const fs::path root = nv::toFsPath(dir.path());
  fs::create_directory(root / "folder.nvu");
  ASSERT_EQ(mkfifo((root / "pipe.nvub").c_str(), 0600), 0);
  {
    std::ofstream huge(root / "huge.nvu");
    huge.seekp(std::streamoff(nv::kMaxSavedFileBytes) + 1);
    huge.put('x');
  }
  nvtest::writeBytes(dir.file("notes.txt"), "not a class file");
  nvtest::writeBytes(dir.file("text.nvub"), std::string(3000, 'a'));
  fs::create_symlink(root / "taro.nvu", root / "again.nvu");

  // The folder, a file in it named again, a file of another kind named on its own.
  const nv::ClassFiles files =
      nv::collectClassFiles({dir.path(), dir.file("hana.nvu"), dir.file("notes.txt")});
  ASSERT_EQ(files.unreadable.size(), 1u);
  EXPECT_EQ(nv::fileNameOf(files.unreadable[0].path), "notes.txt");
  const nv::TFoodData foods = nvtest::classFoods();
  const nv::TDaidokoro kitchen = nvtest::classKitchen();
  const nv::ClassSummary s =
      nv::summarizeClass(files.files, {&foods, &foods, &kitchen}, nv::SummaryMeal::Day);
  std::map<std::string, std::string> reasons;
  for (const nv::UnreadableFile& u : s.unreadable) reasons[nv::fileNameOf(u.path)] = u.reason;
  EXPECT_EQ(reasons.size(), 5u);
  EXPECT_EQ(reasons["folder.nvu"], sj("ふつうのファイルではありません"));
  EXPECT_EQ(reasons["pipe.nvub"], sj("ふつうのファイルではありません"));
  EXPECT_EQ(reasons["huge.nvu"], sj("ファイルが大きすぎます"));
  EXPECT_FALSE(reasons["text.nvub"].empty());  // the profile reader says why
  EXPECT_EQ(reasons.count("broken.nvu"), 1u);
  EXPECT_EQ(s.children.size(), 5u);  // again.nvu is taro.nvu: read once

  // Without NV.nvb the lunch boxes cannot be measured, and say so.
  const nv::ClassSummary menusOnly =
      nv::summarizeClass(files.files, {&foods, nullptr, nullptr}, nv::SummaryMeal::Day);
  EXPECT_EQ(menusOnly.children.size(), 3u);

  // A folder lists in counting order.
  nvtest::TempDir numbered;
  for (const char* name : {"no10.nvu", "no2.nvub", "no02b.nvu", "a.nvu"})
    nvtest::writeBytes(numbered.file(name), "");
  std::vector<std::string> order;
  for (const std::string& f : nv::collectClassFiles({numbered.path()}).files)
    order.push_back(nv::fileNameOf(f));
  EXPECT_EQ(order, (std::vector<std::string>{"a.nvu", "no2.nvub", "no02b.nvu", "no10.nvu"}));
}
