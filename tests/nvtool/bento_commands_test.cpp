// The lunch-box commands of nvtool, run as a teacher's script would run them.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "bento/model/bento_save.h"
#include "core/kojin_data.h"
#include "platform/text.h"
#include "temp_dir.h"

namespace {

struct ToolRun {
  int status;
  std::string out;
};

// stderr goes to errPath (UTF-8).
ToolRun runTool(const std::string& args, const std::string& errPath = "/dev/null") {
  std::string cmd = std::string(NV_TOOL_PATH) + " " + args + " 2>'" + errPath + "'";
  ToolRun r{-1, {}};
  FILE* p = popen(cmd.c_str(), "r");
  if (!p) return r;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
  int st = pclose(p);
  r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  return r;
}

TEST(NvtoolBento, ConvertListAndGrade) {
  nvtest::TempDir dir;
  nvtest::writeBytes(dir.file("foods.csv"),
                     nv::sj("h\nA1,ごはん,5,2,168,2.5,0.3,3,0.1,0,0.02,0.01,0,0\n"
                            "B1,たまご,1,1,151,12.3,10.3,51,1.8,640,0.06,0.43,0,0.4\n"));
  nvtest::writeBytes(dir.file("bento.csv"),
                     nv::sj("h\nごはん,おにぎり,ごはん,120,180,1.5,弁当箱,炊飯器\n"
                            ",ごはん,120g\n1,にぎる\n"
                            "卵のおかず,たまご焼き,たまご,50,60,1,弁当箱,フライパン\n"));
  std::string d = nv::cp932ToUtf8(dir.path());
  ToolRun conv = runTool("bento-convert " + d + "/foods.csv " + d + "/bento.csv -o " + d +
                         "/NV.nvb --pictures " + d);
  ASSERT_EQ(conv.status, 0);
  EXPECT_EQ(conv.out, d + "/error.txt\n");
  EXPECT_EQ(nv::cp932ToUtf8(nvtest::readBytes(dir.file("error.txt"))),
            "画像ファイルが見つかりません:<おにぎり>\r\n"
            "画像ファイルが見つかりません:<たまご焼き>\r\n");

  // Its own input as the output: refused, the CSV untouched.
  const std::string csvBefore = nvtest::readBytes(dir.file("bento.csv"));
  EXPECT_EQ(runTool("bento-convert " + d + "/foods.csv " + d + "/bento.csv -o " + d + "/bento.csv")
                .status,
            1);
  EXPECT_EQ(nvtest::readBytes(dir.file("bento.csv")), csvBefore);

  // A data file cut inside its kitchen part fails with a line of its own; a refused food
  // section with its reader's box alone.
  const std::string whole = nvtest::readBytes(dir.file("NV.nvb")), err = d + "/err.txt";
  nvtest::writeBytes(dir.file("cut.nvb"), whole.substr(0, whole.size() - 3));
  EXPECT_EQ(runTool("bento-dishes " + d + "/cut.nvb", err).status, 1);
  EXPECT_EQ(nvtest::readBytes(dir.file("err.txt")),
            "nvtool: " + d + "/cut.nvb: the lunch-box data is damaged\n");
  nvtest::writeBytes(dir.file("bad.nvb"), "not a lunch-box data file");
  EXPECT_EQ(runTool("bento-dishes " + d + "/bad.nvb", err).status, 1);
  const std::string refused = nvtest::readBytes(dir.file("err.txt"));
  EXPECT_FALSE(refused.empty());
  EXPECT_EQ(refused.find("damaged"), std::string::npos) << refused;

  ToolRun list = runTool("bento-dishes " + d + "/NV.nvb");
  ASSERT_EQ(list.status, 0);
  EXPECT_EQ(list.out,
            "1\tごはん\tおにぎり\t180\t1.5\t弁当箱\t炊飯器\tごはん/120\n"
            "2\t卵のおかず\tたまご焼き\t60\t1\t弁当箱\tフライパン\tたまご/50\n");
  ToolRun recipe = runTool("bento-dishes " + d + "/NV.nvb --recipe おにぎり");
  EXPECT_EQ(recipe.out, "ingredient\t材料\t量\ningredient\tごはん\t120g\nstep\t1\tにぎる\n");
  EXPECT_EQ(runTool("bento-dishes " + d + "/NV.nvb --recipe たまご焼き").status, 1);

  nv::TKojinData child;
  child.setName(nv::sj("たろう"));
  ASSERT_TRUE(nv::writeBentoSaveFile(
                  dir.file("box.nvub"), child, 1.0,
                  {{nv::sj("おにぎり"), 100, 200, 64, 64}, {nv::sj("たまご焼き"), 10, 20, 33, 33}})
                  .ok());
  ToolRun grade =
      runTool("bento-grade " + d + "/box.nvub --data " + d + "/NV.nvb --by groups --scale 1.25");
  ASSERT_EQ(grade.status, 0);
  // 3 + 3 + 1 points. Group 1: 50 g of 310 x 3/8 = 116.25 g; group 5: 120 g of 410 x 3/8 = 153.75
  // g.
  EXPECT_NE(grade.out.find("魚肉卵豆\t50.00\t116.25\t43%\n"), std::string::npos) << grade.out;
  EXPECT_NE(grade.out.find("穀類芋砂糖\t120.00\t153.75\t78%\n"), std::string::npos);
  EXPECT_NE(grade.out.find("dish\tたまご焼き\t12\t25\t41\t41\n"), std::string::npos);
  EXPECT_EQ(grade.out.rfind("grade\t2\n", 0), 0u) << grade.out;
  ToolRun byN = runTool("bento-grade " + d + "/box.nvub --data " + d + "/NV.nvb --by nutrients");
  EXPECT_EQ(byN.status, 0);
  EXPECT_NE(byN.out.find("ﾋﾞﾀﾐﾝB1\t"), std::string::npos);
  EXPECT_EQ(runTool("bento-grade " + d + "/box.nvub --data " + d + "/NV.nvb").status, 2);
}

}  // namespace
