// The dish commands of nvtool: convert, dishes, export-csv and combine on real files.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "core/kondate_data.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "shown.h"
#include "temp_dir.h"

namespace {

struct ToolResult {
  int status = -1;
  std::string out;
};

ToolResult nvtool(const nvtest::TempDir& dir, const std::string& args) {
  std::string out = dir.file("stdout.txt");
  std::string cmd =
      "cd '" + dir.path() + "' && '" + NV_TOOL_PATH + "' " + args + " >'" + out + "' 2>/dev/null";
  int raw = std::system(cmd.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, nvtest::readBytes(out)};
}

TEST(NvtoolDishes, ConvertListExportAndCombine) {
  nvtest::TempDir dir;
  nvtest::writeBytes(dir.file("foods.csv"),
                     nv::sj("h\nA1,こめ,5,2,356,6,1,5,1,0,0.1,0,0,0\nB1,たまご,1,1,151,12,10,51,"
                            "2,640,0,0.4,0,0.4\n"));
  nvtest::writeBytes(dir.file("dishes.csv"),
                     nv::sj("h\nごはん,親子丼,こめ,80\nごはん,親子丼,たまご,50.5\n"
                            "ごはん,おにぎり,こめ,100\nごはん,おにぎり,のり,1\n"));
  ASSERT_EQ(nvtool(dir, "convert foods.csv dishes.csv -o NV.nv").status, 0);
  EXPECT_EQ(nv::cp932ToUtf8(nvtest::readBytes(dir.file("dishes.txt"))),
            "以下の献立で食品が見つかりません\r\nごはん,おにぎり,のり,1\r\n");

  ToolResult listed = nvtool(dir, "dishes NV.nv");
  ASSERT_EQ(listed.status, 0);
  // Foods are numbered from 0 in the food CSV's order: こめ 0, たまご 1.
  EXPECT_EQ(listed.out,
            "ごはん\tbase\t1\tおにぎり\t100\t0/100/100\n"
            "ごはん\tbase\t0\t親子丼\t130.5\t0/80/80\t1/50.5/50.5\n");

  ASSERT_EQ(nvtool(dir, "export-csv NV.nv -o out.csv").status, 0);
  EXPECT_EQ(nv::cp932ToUtf8(nvtest::readBytes(dir.file("out.csv"))),
            "分類,料理名,食品名,可食量（ｇ）\nごはん,おにぎり,こめ,100.000000\n"
            "ごはん,親子丼,こめ,80.000000\nごはん,親子丼,たまご,50.500000\n");

  nv::TKondateData add;
  add.findOrAppendOrder(nv::sj("おやつ"))
      .added.push_back(nv::TKondate::make(100001, nv::sj("だんご")));
  add.orders()[0].added[0].foods.push_back({0, 30, 30});
  add.orders()[0].added[0].standardWeight = 30;
  add.setModified(true);
  ASSERT_TRUE(nvtest::shown(add.writeAddFile(dir.file("NV_ADD.nv"), &nv::prompt())));
  ToolResult withAdded = nvtool(dir, "dishes NV.nv --add NV_ADD.nv");
  ASSERT_EQ(withAdded.status, 0);
  EXPECT_NE(withAdded.out.find("おやつ\tadded\t100001\tだんご\t30\t0/30/30\n"), std::string::npos);

  EXPECT_EQ(nvtool(dir, "combine NV.nv NV_ADD.nv").status, 2);
  ASSERT_EQ(nvtool(dir, "combine NV.nv NV_ADD.nv --yes").status, 0);
  EXPECT_FALSE(nv::fileExists(dir.file("NV_ADD.nv")));
  EXPECT_NE(nvtool(dir, "dishes NV.nv").out.find("おやつ\tbase\t100001\tだんご"),
            std::string::npos);
}

TEST(NvtoolDishes, FilesNamedOutsideCp932AreWrittenAndReadUnderTheirNames) {
  nvtest::TempDir dir;
  std::filesystem::create_directory(nv::toFsPath(dir.path()) / "données");
  nvtest::writeBytes(dir.file("foods.csv"), nv::sj("h\nA1,こめ,5,2,356,6,1,5,1,0,0.1,0,0,0\n"));
  nvtest::writeBytes(dir.file("dishes.csv"), nv::sj("h\nごはん,おにぎり,こめ,100\n"));
  ASSERT_EQ(nvtool(dir, "convert foods.csv dishes.csv -o données/café.nv").status, 0);
  EXPECT_TRUE(std::filesystem::is_regular_file(nv::toFsPath(dir.path()) / "données" / "café.nv"));
  EXPECT_EQ(nvtool(dir, "dishes données/café.nv").out,
            "ごはん\tbase\t0\tおにぎり\t100\t0/100/100\n");
  EXPECT_EQ(nvtool(dir, "export-csv données/café.nv -o menü.csv").status, 0);
  EXPECT_TRUE(std::filesystem::is_regular_file(nv::toFsPath(dir.path()) / "menü.csv"));
}

TEST(NvtoolDishes, FailuresAndBadUsage) {
  nvtest::TempDir dir;
  EXPECT_EQ(nvtool(dir, "dishes").status, 2);
  EXPECT_EQ(nvtool(dir, "dishes missing.nv").status, 1);
  nvtest::writeBytes(dir.file("foods.csv"), "h\n");
  EXPECT_EQ(nvtool(dir, "convert foods.csv missing.csv -o NV.nv").status, 1);
  EXPECT_FALSE(nv::fileExists(dir.file("NV.nv")));
  EXPECT_EQ(nvtool(dir, "convert foods.csv").status, 2);
  nvtest::writeBytes(dir.file("dishes.csv"), "h\n");
  // An output that is one of the inputs is refused before anything is written.
  EXPECT_EQ(nvtool(dir, "convert foods.csv dishes.csv -o ./dishes.csv").status, 1);
  EXPECT_EQ(nvtest::readBytes(dir.file("dishes.csv")), "h\n");
  EXPECT_FALSE(nv::fileExists(dir.file("dishes.txt")));
  ASSERT_EQ(nvtool(dir, "convert foods.csv dishes.csv -o NV.nv").status, 0);
  EXPECT_EQ(nvtool(dir, "dishes NV.nv --add none.nv").status, 1);
  EXPECT_EQ(nvtool(dir, "dishes NV.nv").out, "");
  // The data file named as the export's output stays the data file.
  const std::string data = nvtest::readBytes(dir.file("NV.nv"));
  EXPECT_EQ(nvtool(dir, "export-csv NV.nv -o NV.nv").status, 1);
  EXPECT_EQ(nvtest::readBytes(dir.file("NV.nv")), data);

  // A food table that ends early gives no data file at all.
  nvtest::writeBytes(dir.file("foods.csv"), nv::sj("h\nA1,こめ,5,2,356\nB1,たまご\nC1,x,1,1,1\n"));
  ASSERT_TRUE(nv::removeFile(dir.file("NV.nv")));
  EXPECT_EQ(nvtool(dir, "convert foods.csv dishes.csv -o NV.nv").status, 1);
  EXPECT_FALSE(nv::fileExists(dir.file("NV.nv")));
}

}  // namespace
