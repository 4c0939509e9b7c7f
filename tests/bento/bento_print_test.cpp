// nvtool bento-print: a class's saved lunch boxes as one PDF, a landscape page each.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <regex>
#include <string>

#include "bento/model/bento_save.h"
#include "core/kojin_data.h"
#include "kitchen_fixture.h"
#include "platform/text.h"
#include "temp_dir.h"

namespace {

struct ToolRun {
  int status = -1;
  std::string out;
};

ToolRun runTool(const std::string& args) {
  ToolRun r;
  FILE* p = popen((std::string(NV_TOOL_PATH) + " " + args + " 2>/dev/null").c_str(), "r");
  if (!p) return r;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
  const int st = pclose(p);
  r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  return r;
}

class BentoPrintTool : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto dist = nvtest::distFolder();
    if (!std::filesystem::exists(dist / "NV.nvb")) GTEST_SKIP() << "build the dist target";
    if (std::system("pdfinfo -v > /dev/null 2>&1") != 0) GTEST_SKIP() << "no pdfinfo";
    std::filesystem::create_directory_symlink(dist / "bentou", nv::toFsPath(dir.file("bentou")));
    std::filesystem::create_symlink(dist / "NV.nvb", nv::toFsPath(dir.file("NV.nvb")));
    d = nv::cp932ToUtf8(dir.path());
  }
  void save(const char* file, const char* child, const nv::PlacedDishRecords& dishes) {
    nv::TKojinData k;
    k.setName(nv::sj(child));
    ASSERT_TRUE(nv::writeBentoSaveFile(dir.file(file), k, 1.0, dishes).ok());
  }
  nvtest::TempDir dir;
  std::string d;
};

TEST_F(BentoPrintTool, OneLandscapePagePerFileWithTheTitleAndGrades) {
  save("taro.nvub", "たろう",
       {{nv::sj("おにぎり"), 400, 600, 90, 90}, {nv::sj("卵焼き"), 500, 620, 80, 80}});
  save("hana.nvub", "はなこ", {});
  const ToolRun grades = runTool("bento-print " + d + "/taro.nvub " + d + "/hana.nvub --data " + d +
                                 "/NV.nvb -o " + d + "/class.pdf --by nutrients");
  ASSERT_EQ(grades.status, 0);
  // An empty box misses every nutrient: the worst grade.
  EXPECT_NE(grades.out.find(d + "/hana.nvub\t3\n"), std::string::npos) << grades.out;
  EXPECT_EQ(grades.out.rfind(d + "/taro.nvub\t", 0), 0u) << grades.out;

  const std::string info = nvtest::commandOutput("pdfinfo '" + d + "/class.pdf'");
  std::smatch m;
  ASSERT_TRUE(std::regex_search(info, m, std::regex("Pages: +(\\d+)"))) << info;
  EXPECT_EQ(m[1], "2");
  ASSERT_TRUE(std::regex_search(info, m, std::regex("Page size: +([\\d.]+) x ([\\d.]+)")));
  EXPECT_GT(std::stod(m[1]), std::stod(m[2])) << "landscape";
  const std::string text = nvtest::commandOutput("pdftotext '" + d + "/class.pdf' -");
  const size_t taro = text.find("たろう さんのお弁当箱"), hana = text.find("はなこ さんのお弁当箱");
  ASSERT_NE(taro, std::string::npos) << text;
  ASSERT_NE(hana, std::string::npos) << text;
  EXPECT_LT(taro, text.find('\f'));  // first file, first page
  EXPECT_GT(hana, text.find('\f'));
  EXPECT_NE(text.find("卵焼き"), std::string::npos);
}

TEST_F(BentoPrintTool, NameFromFileAndProblems) {
  save("さくら.nvub", "x", {{nv::sj("ごはん"), 420, 600, 100, 100}});
  ASSERT_EQ(runTool("bento-print " + d + "/さくら.nvub --data " + d + "/NV.nvb -o " + d +
                    "/one.pdf --name-from-file")
                .status,
            0);
  EXPECT_NE(nvtest::commandOutput("pdftotext '" + d + "/one.pdf' -").find("さくら さんのお弁当箱"),
            std::string::npos);
  // A file that cannot be read fails the batch and writes nothing.
  EXPECT_EQ(runTool("bento-print " + d + "/さくら.nvub " + d + "/none.nvub --data " + d +
                    "/NV.nvb -o " + d + "/bad.pdf")
                .status,
            1);
  EXPECT_FALSE(std::filesystem::exists(nv::toFsPath(dir.file("bad.pdf"))));
  EXPECT_EQ(runTool("bento-print " + d + "/さくら.nvub --data " + d + "/NV.nvb").status, 2);
  EXPECT_EQ(runTool("bento-print " + d + "/さくら.nvub --data " + d + "/NV.nvb -o " + d +
                    "/x.pdf --by colours")
                .status,
            2);
}

}  // namespace
