// nvtool class-summary on the class of six hand-made files: the lines, the CSV and the PDF.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "../summary/class_fixture.h"
#include "temp_dir.h"

namespace {

struct ToolResult {
  int status = -1;
  std::string out, err;
};

ToolResult run(const nvtest::TempDir& dir, const std::string& args) {
  const std::string out = dir.file("stdout.txt"), err = dir.file("stderr.txt");
  const std::string cmd = "cd '" + dir.path() + "' && QT_QPA_PLATFORM=offscreen '" + NV_TOOL_PATH +
                          "' class-summary " + args + " >'" + out + "' 2>'" + err + "'";
  const int raw = std::system(cmd.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, nvtest::readBytes(out), nvtest::readBytes(err)};
}

std::string shell(const std::string& cmd) {
  std::string text;
  if (FILE* f = popen(cmd.c_str(), "r")) {
    char buf[4096];
    for (size_t n; (n = fread(buf, 1, sizeof buf, f)) > 0;) text.append(buf, n);
    pclose(f);
  }
  return text;
}

TEST(ClassSummaryCommand, LinesCsvAndPages) {
  nvtest::TempDir dir;
  nvtest::writeClass(dir);
  const ToolResult r = run(dir, "class . --data NV.nv --nvb NV.nvb --csv out.csv -o out.pdf");
  // "class" is not there, broken.nvu is damaged: both on stderr, the rest summed up, exit 1.
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out,
            "./hana.nvu\tはなこ\t100\t0\t0\t0\t0\t0\t0\t0\t0\t15\n"
            "./jiro.nvu\tじろう\t37\t0\t0\t0\t0\t0\t0\t0\t0\t0\n"
            "./ken.nvub\tけん\t2\t86\t0\t0\t0\t0\t0\n"
            "./sakura.nvub\tさくら\t2\t88\t0\t0\t0\t205\t0\n"
            "./taro.nvu\tたろう\t75\t0\t0\t0\t0\t0\t0\t0\t0\t25\n"
            "CLASS\t75\t0\t0\t0\t0\t0\t0\t0\t0\t13\t88\t0\t0\t0\t182\t0\n"
            "UNDER80\t3\t5\t5\t5\t5\t5\t5\t5\t5\t5\t1\t5\t5\t5\t1\t5\n");
  EXPECT_NE(r.err.find("nvtool: class: ファイルが見つかりません\n"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("nvtool: ./broken.nvu: "), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("./ken.nvub: note: "), std::string::npos) << r.err;

  const std::string csv = nvtest::readBytes(dir.file("out.csv"));
  EXPECT_EQ(csv.rfind("\xEF\xBB\xBF", 0), 0u);
  EXPECT_NE(csv.find("\r\nhana.nvu,はなこ,12,女,Ⅱ,献立,,,100,"), std::string::npos);
  EXPECT_EQ(shell("pdfinfo '" + dir.file("out.pdf") + "' | grep Pages:"), "Pages:           2\n");
  const std::string text = shell("pdftotext '" + dir.file("out.pdf") + "' -");
  for (const char* word : {"クラスのまとめ", "１日分", "80%未満", "中央値", "はなこ", "taro.nvu"})
    EXPECT_NE(text.find(word), std::string::npos) << word;

  // The lunch only; an output that is one of the inputs is refused and left alone.
  EXPECT_EQ(run(dir, "taro.nvu jiro.nvu --data NV.nv --meal lunch").out,
            "taro.nvu\tたろう\t40\t0\t0\t0\t0\t0\t0\t0\t0\t0\n"
            "jiro.nvu\tじろう\t100\t0\t0\t0\t0\t0\t0\t0\t0\t0\n"
            "CLASS\t70\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t341\t0\n"
            "UNDER80\t1\t2\t2\t2\t2\t2\t2\t2\t2\t2\t2\t2\t2\t2\t0\t2\n");
  const std::string before = nvtest::readBytes(dir.file("taro.nvu"));
  EXPECT_EQ(run(dir, ". --data NV.nv --csv taro.nvu").status, 1);
  EXPECT_EQ(nvtest::readBytes(dir.file("taro.nvu")), before);
  // Nor is a data file that is not read (another class's): it is no CSV.
  nvtest::writeBytes(dir.file("other.nv"), nvtest::readBytes(dir.file("NV.nv")));
  EXPECT_EQ(run(dir, "taro.nvu --data NV.nv --csv other.nv").status, 1);
  EXPECT_EQ(nvtest::readBytes(dir.file("other.nv")), nvtest::readBytes(dir.file("NV.nv")));
  EXPECT_EQ(run(dir, ". --data NV.nv --meal supper").status, 2);
}

}  // namespace
