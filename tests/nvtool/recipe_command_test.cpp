// nvtool recipe: a teacher's script printing a recipe page for class.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/text.h"
#include "temp_dir.h"

namespace {

struct ToolResult {
  int status;
  std::string out;
};

// stderr goes to `err` when given.
ToolResult tool(const std::string& args, const std::string& err = "/dev/null") {
  const std::string cmd = std::string(NV_TOOL_PATH) + " " + args + " 2>'" + err + "'";
  ToolResult r{-1, {}};
  FILE* p = popen(cmd.c_str(), "r");
  if (!p) return r;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
  const int st = pclose(p);
  r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  return r;
}

TEST(NvtoolRecipe, MethodsLayoutAndPdf) {
  nvtest::TempDir dir;
  nvtest::writeBytes(dir.file("foods.csv"),
                     nv::sj("h\nA1,だいこん,1,1,18,0.4,0.1,23,0.2,0,0.02,0.01,11,0\n"));
  nvtest::writeBytes(dir.file("bento.csv"),
                     nv::sj("h\nやさい,だいこんサラダ,だいこん,50,60,1,弁当箱,冷蔵庫\n"
                            ",だいこん,50g\n"
                            "1,大根を千切りにして、人参も千切り、きゅうりはせん切り。\n"
                            "2,レモン汁をかける。\n"));
  const std::string d = nv::cp932ToUtf8(dir.path());
  ASSERT_EQ(tool("bento-convert " + d + "/foods.csv " + d + "/bento.csv -o " + d +
                 "/NV.nvb --pictures " + d)
                .status,
            0);

  const ToolResult r = tool("recipe だいこんサラダ --data " + d + "/NV.nvb -o " + d + "/out.pdf");
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(r.out.rfind("せん切り\nfont\t", 0), 0u) << r.out;  // one method, then the size
  EXPECT_NE(r.out.find("\tレモン\t\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\t汁\tじる\n"), std::string::npos) << r.out;

  const std::string info = dir.file("info.txt"), words = dir.file("words.txt");
  ASSERT_EQ(std::system(("pdfinfo '" + dir.file("out.pdf") + "' > '" + info + "'").c_str()), 0);
  const std::string infoText = nvtest::readBytes(info);
  EXPECT_NE(infoText.find("Pages:           1\n"), std::string::npos);
  EXPECT_NE(infoText.find("842 x 595 pts"), std::string::npos);  // landscape A4
  ASSERT_EQ(std::system(("pdftotext '" + dir.file("out.pdf") + "' '" + words + "'").c_str()), 0);
  const std::string text = nvtest::readBytes(words);
  EXPECT_NE(text.find("だいこんサラダ"), std::string::npos);
  EXPECT_NE(text.find("じる"), std::string::npos);

  EXPECT_EQ(tool("recipe ないもの --data " + d + "/NV.nvb").status, 1);
  EXPECT_EQ(tool("recipe だいこんサラダ").status, 2);
}

// Twelve long steps continue on a second sheet; steps that not even two sheets hold are
// reported on stderr, not dropped in silence.
TEST(NvtoolRecipe, StepsContinueOnASecondPageAndACutIsReported) {
  nvtest::TempDir dir;
  nvtest::writeBytes(dir.file("foods.csv"),
                     nv::sj("h\nA1,だいこん,1,1,18,0.4,0.1,23,0.2,0,0.02,0.01,11,0\n"));
  std::string csv = "h\nやさい,ながいレシピ,だいこん,50,60,1,弁当箱,冷蔵庫\n,だいこん,50g\n";
  const std::string step =
      ",にんじんは皮をむいて千切りにし、たまねぎはうすく切って、フライパンに油をひいて中火で"
      "じっくりと色が変わるまでいためてから、しおとこしょうで味をととのえる。\n";
  for (int i = 1; i <= 12; ++i) csv += std::to_string(i) + step;
  csv += "やさい,とてもながいレシピ,だいこん,50,60,1,弁当箱,冷蔵庫\n,だいこん,50g\n";
  for (int i = 1; i <= 40; ++i) csv += std::to_string(i) + step;
  nvtest::writeBytes(dir.file("bento.csv"), nv::sj(csv));
  const std::string d = nv::cp932ToUtf8(dir.path());
  ASSERT_EQ(tool("bento-convert " + d + "/foods.csv " + d + "/bento.csv -o " + d +
                 "/NV.nvb --pictures " + d)
                .status,
            0);

  const std::string err = dir.file("err.txt");
  ToolResult r = tool("recipe ながいレシピ --data " + d + "/NV.nvb -o " + d + "/two.pdf", err);
  ASSERT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("\npage\t2\n"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("\npage\t3\n"), std::string::npos);
  EXPECT_NE(r.out.find("\t12.\t"), std::string::npos) << r.out;
  EXPECT_EQ(nvtest::readBytes(err).find("nvtool:"), std::string::npos);
  const std::string info = dir.file("info.txt");
  ASSERT_EQ(std::system(("pdfinfo '" + dir.file("two.pdf") + "' > '" + info + "'").c_str()), 0);
  EXPECT_NE(nvtest::readBytes(info).find("Pages:           2\n"), std::string::npos);

  r = tool("recipe とてもながいレシピ --data " + d + "/NV.nvb", err);
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(nvtest::readBytes(err).find("warning"), std::string::npos);
  EXPECT_NE(nvtest::readBytes(err).find("of 40 steps"), std::string::npos);
}

}  // namespace
