// nvtool foods: output lines, exit statuses and the reader's message on stderr.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "core/food.h"
#include "platform/binio.h"
#include "platform/text.h"
#include "temp_dir.h"

namespace {

struct ToolRun {
  int status = -1;
  std::string out, err;
};

ToolRun runFoods(const nvtest::TempDir& dir, const std::string& args) {
  std::string out = dir.file("out.txt"), err = dir.file("err.txt");
  std::string cmd =
      std::string("'") + NV_TOOL_PATH + "' foods " + args + " >'" + out + "' 2>'" + err + "'";
  int raw = std::system(cmd.c_str());
  ToolRun r;
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  r.out = nvtest::readBytes(out);
  r.err = nvtest::readBytes(err);
  return r;
}

TEST(NvtoolFoods, ListsFoodsOfAFileStartingWithAFoodSection) {
  nvtest::TempDir dir;
  nv::TFood f;
  f.number = 12;
  f.code = "01088";
  f.name = nv::sj("ごはん");
  f.group = 5;
  f.colorClass = 2;
  f.nutrients[nv::kEnergy] = 156;
  f.nutrients[nv::kFat] = 0.3;
  nv::TFoodData table;
  table.setFoods({f});
  nv::ByteWriter w;
  table.writeSection(w);
  w.bytes("dish section follows");
  nvtest::writeBytes(dir.file("NV.nv"), w.data());

  ToolRun r = runFoods(dir, "'" + dir.file("NV.nv") + "'");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "12\t01088\tごはん\t5\t2\t156\t0\t0.29999999999999999\t0\t0\t0\t0\t0\t0\t0\n");
  EXPECT_EQ(r.err, "");
}

TEST(NvtoolFoods, BadMagicMissingFileAndUsage) {
  nvtest::TempDir dir;
  nvtest::writeBytes(dir.file("bad.nv"), std::string(200, 'x'));
  ToolRun bad = runFoods(dir, "'" + dir.file("bad.nv") + "'");
  EXPECT_EQ(bad.status, 1);
  EXPECT_EQ(bad.out, "");
  EXPECT_NE(bad.err.find("Nuvelta の食品データではないようです"), std::string::npos) << bad.err;

  EXPECT_EQ(runFoods(dir, "'" + dir.file("missing.nv") + "'").status, 1);
  EXPECT_EQ(runFoods(dir, "").status, 2);
  EXPECT_EQ(runFoods(dir, "a b").status, 2);
}

}  // namespace
