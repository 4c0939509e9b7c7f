// nvtool kitchen-layout, as a teacher checks a classroom screen.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "platform/text.h"
#include "temp_dir.h"

namespace {

struct ToolRun {
  int status;
  std::vector<std::string> lines;
};

ToolRun runTool(const std::string& args) {
  std::string cmd = std::string(NV_TOOL_PATH) + " " + args + " 2>/dev/null";
  ToolRun r{-1, {}};
  FILE* p = popen(cmd.c_str(), "r");
  if (!p) return r;
  std::string out;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
  int st = pclose(p);
  r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  std::istringstream in(out);
  for (std::string line; std::getline(in, line);) r.lines.push_back(line);
  return r;
}

TEST(NvtoolKitchenLayout, AreasSectionsAndPagingFromTheData) {
  nvtest::TempDir dir;
  nvtest::writeBytes(dir.file("foods.csv"),
                     nv::sj("h\nA1,ごはん,5,2,168,2.5,0.3,3,0.1,0,0.02,0.01,0,0\n"));
  nvtest::writeBytes(dir.file("bento.csv"),
                     nv::sj("h\nごはん,おにぎり,ごはん,120,180,1.5,弁当箱,冷蔵庫\n"
                            "ごはん,やきおにぎり,ごはん,120,180,1.5,弁当箱,冷蔵庫\n"));
  // One cell in the refrigerator: two dishes need paging there.
  nvtest::writeBytes(dir.file("NV.ini"), nv::sj("[冷蔵庫]\r\nMaxCol=1\r\nMaxRaw=1\r\n"));
  const std::string d = nv::cp932ToUtf8(dir.path());
  ASSERT_EQ(runTool("bento-convert " + d + "/foods.csv " + d + "/bento.csv -o " + d +
                    "/NV.nvb --pictures " + d)
                .status,
            0);

  const ToolRun r = runTool("kitchen-layout --screen 1024x768 --dist " + d);
  ASSERT_EQ(r.status, 0);
  ASSERT_EQ(r.lines.size(), 1u + 18u + 8u * 7u);
  EXPECT_EQ(r.lines[0], "scale\t1");
  EXPECT_EQ(r.lines[2], "kitchen-working\t-51\t-229\t1074\t768");
  EXPECT_EQ(r.lines[3], "exit\t972\t0\t1024\t52");
  EXPECT_EQ(r.lines[19], "picture 冷蔵庫\t601\t-1\t1025\t483");
  EXPECT_EQ(r.lines[20], "dishes 冷蔵庫\t699\t6\t916\t377");
  EXPECT_EQ(r.lines[21].rfind("view 冷蔵庫\t0\t", 0), 0u);
  EXPECT_NE(r.lines[21].find("\tbuttons\t700\t360\t915\t376"), std::string::npos) << r.lines[21];
  EXPECT_NE(r.lines[22].find("\thscroll\t699\t6\t916\t22"), std::string::npos) << r.lines[22];
  // The door holds nothing: no paging in any style.
  EXPECT_EQ(r.lines[27], "dishes 冷蔵庫扉\t603\t25\t701\t347");
  EXPECT_NE(r.lines[28].find("\tnone\t0\t0\t0\t0"), std::string::npos) << r.lines[28];

  // 16:9: one scale for both axes, the kitchen centred.
  const ToolRun wide = runTool("kitchen-layout --screen 1920x1080 --dist " + d);
  ASSERT_EQ(wide.status, 0);
  EXPECT_EQ(wide.lines[0], "scale\t1.40625");
  EXPECT_EQ(wide.lines[1], "kitchen-overview\t240\t0\t1680\t1080");
  EXPECT_EQ(wide.lines[2], "kitchen-working\t168\t-323\t1752\t1080");
  EXPECT_EQ(wide.lines[19], "picture 冷蔵庫\t1085\t-1\t1681\t679");

  EXPECT_EQ(runTool("kitchen-layout --screen 1024").status, 2);
  EXPECT_EQ(runTool("kitchen-layout --screen 0x768").status, 2);
  EXPECT_EQ(runTool("kitchen-layout --screen 1024x768 --data " + d + "/missing.nvb").status, 1);
}

// On every screen shape a child sees every appliance whole enough to click, and none of them
// lies behind the lunch box.
TEST(NvtoolKitchenLayout, EveryApplianceOnTheScreenAndClearOfTheBox) {
  const char* appliances[] = {"refrigerator", "freezer",     "frying-pan", "pot",
                              "cupboard",     "rice-cooker", "oven"};
  for (const char* screen : {"1024x768", "1366x768", "1280x800", "1920x1080", "1280x1024"}) {
    SCOPED_TRACE(screen);
    const ToolRun r = runTool(std::string("kitchen-layout --screen ") + screen);
    ASSERT_EQ(r.status, 0);
    int W = 0, H = 0;
    ASSERT_EQ(std::sscanf(screen, "%dx%d", &W, &H), 2);
    std::map<std::string, std::vector<int>> rects;
    for (const std::string& line : r.lines) {
      std::istringstream in(line);
      std::string name;
      std::getline(in, name, '\t');
      std::vector<int> v(4);
      if (in >> v[0] >> v[1] >> v[2] >> v[3]) rects[name] = v;
    }
    ASSERT_TRUE(rects.count("box-large"));
    const std::vector<int> box = rects["box-large"];
    // The box stands on the kitchen's floor: the bottom of the centred 4:3 layout.
    const int layoutHeight = std::min(H, W * 3 / 4);
    EXPECT_EQ(box[3], (H - layoutHeight) / 2 + layoutHeight);
    for (const char* a : appliances) {
      SCOPED_TRACE(a);
      ASSERT_TRUE(rects.count(a));
      const std::vector<int>& v = rects[a];
      EXPECT_GE(v[0], 0);
      EXPECT_GE(v[1], 0);
      EXPECT_LE(v[2], W);
      EXPECT_LE(v[3], H);
      EXPECT_GE((v[2] - v[0]) * (v[3] - v[1]), 40 * 30);  // big enough to hit
      const bool overlaps = v[0] < box[2] && box[0] < v[2] && v[1] < box[3] && box[1] < v[3];
      EXPECT_FALSE(overlaps) << v[0] << "," << v[1] << " " << v[2] << "," << v[3];
    }
  }
}

}  // namespace
