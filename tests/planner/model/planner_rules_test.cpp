#include <gtest/gtest.h>

#include "planner/model/button_geometry.h"
#include "planner/model/chart_values.h"
#include "planner/model/conveyor_speed.h"
#include "planner/model/recent_files.h"
#include "platform/ini.h"
#include "platform/text.h"
#include "temp_dir.h"

using nv::sj;

TEST(ConveyorSpeed, SlowRowsFallBackTo500MsAndFastRowsTo15Ms) {
  // 40 dishes of 128 px over 600 s: 4992 px; 30 ms gives step 0, so 500 ms and 4 px.
  nv::ConveyorSpeed s = nv::conveyorSpeed(40, 128, 600);
  EXPECT_TRUE(s.moves);
  EXPECT_EQ(s.intervalMs, 500u);
  EXPECT_EQ(s.step, 4u);
  // 101 dishes over 1 s: 12800 px in 33 ticks = 387 > 128, so 15 ms: 12800 / 66 = 193.
  s = nv::conveyorSpeed(101, 128, 1);
  EXPECT_EQ(s.intervalMs, 15u);
  EXPECT_EQ(s.step, 193u);
  s = nv::conveyorSpeed(11, 128, 10);  // 1280 px in 333 ticks
  EXPECT_EQ(s.intervalMs, 30u);
  EXPECT_EQ(s.step, 3u);
  EXPECT_FALSE(nv::conveyorSpeed(1, 128, 600).moves);
  EXPECT_EQ(nv::conveyorSpeed(5, 128, 0).step, 512u);  // a zero period never divides by zero
}

TEST(ConveyorSpeed, RowWrapsToTheStartAtTheEnd) {
  EXPECT_EQ(nv::conveyorNextPosition(0, 4, 1000, 400), 4);
  EXPECT_EQ(nv::conveyorNextPosition(599, 4, 1000, 400), 603);
  EXPECT_EQ(nv::conveyorNextPosition(600, 4, 1000, 400), 0);
}

// Only whole buttons: a column that would stick out past the panel is never laid out.
TEST(ButtonGeometry, ColumnsAreTheWholeButtonsThatFit) {
  EXPECT_EQ(nv::dishPanelColumns(300, 128), 2);
  EXPECT_EQ(nv::dishPanelColumns(383, 128), 2);  // rounding would give a third, cut in half
  EXPECT_EQ(nv::dishPanelColumns(384, 128), 3);
  EXPECT_EQ(nv::dishPanelColumns(40, 128), 1);  // one column even when it does not fit
  EXPECT_EQ(nv::dishPanelColumns(0, 0), 1);
}

TEST(ButtonGeometry, GlyphFitsThePictureSpaceAndScalesWithThePortion) {
  // 64 px button, 6 pt at 96 dpi = 8 px caption: space 60 x 52; a 128 x 128 picture -> 52/128.
  nv::GlyphSize g = nv::dishGlyphSize(64, 64, 6, 96, 128, 128, 1.0);
  EXPECT_TRUE(g.valid);
  EXPECT_EQ(g.width, 53);
  EXPECT_EQ(g.height, 53);
  g = nv::dishGlyphSize(64, 64, 6, 96, 128, 128, 1.5);
  EXPECT_EQ(g.width, 79);
  EXPECT_FALSE(nv::dishGlyphSize(64, 64, 6, 96, 0, 128, 1.0).valid);
  // A huge portion is drawn at the sliders' 200 %.
  g = nv::dishGlyphSize(64, 64, 6, 96, 128, 128, 99999.0 / 100);
  EXPECT_EQ(g.width, nv::dishGlyphSize(64, 64, 6, 96, 128, 128, 2.0).width);
  EXPECT_EQ(g.width, 105);
}

TEST(ButtonGeometry, PanelPicturesAreShrunkButNeverEnlarged) {
  // Space 60 x 52 as above: a 32 x 24 picture stays as it is, even one that just fits.
  nv::GlyphSize g = nv::panelGlyphSize(64, 64, 6, 96, 32, 24);
  EXPECT_TRUE(g.valid);
  EXPECT_EQ(g.width, 32);
  EXPECT_EQ(g.height, 24);
  g = nv::panelGlyphSize(64, 64, 6, 96, 60, 52);
  EXPECT_EQ(g.width, 60);
  EXPECT_EQ(g.height, 52);
  // Too tall: shrunk into the space like any fitted picture (base 52/104).
  g = nv::panelGlyphSize(64, 64, 6, 96, 60, 104);
  EXPECT_EQ(g.width, 31);
  EXPECT_EQ(g.height, 53);
  EXPECT_EQ(nv::panelGlyphSize(64, 64, 6, 96, 128, 128).width, 53);
  EXPECT_FALSE(nv::panelGlyphSize(64, 64, 6, 96, 0, 10).valid);
}

TEST(ChartValues, PercentagesOfTheMealRequirement) {
  nv::Nutrients totals{}, req{};
  totals.fill(0);
  req.fill(100);
  totals[0] = 99.9;
  totals[1] = 250;
  req[2] = 0;  // a requirement of 0 shows no bar instead of infinity
  totals[2] = 5;
  std::vector<nv::ChartBar> graph = nv::nutrientBars(totals, req);
  ASSERT_EQ(graph.size(), 10u);
  EXPECT_DOUBLE_EQ(graph[0].value, 99.9);
  EXPECT_DOUBLE_EQ(graph[1].value, 250);
  EXPECT_EQ(graph[2].value, 0);
  EXPECT_EQ(graph[9].colourIndex, 2);
  EXPECT_EQ(graph[9].label, sj(" 塩分  "));
  std::vector<nv::ChartBar> percent = nv::percentBars(totals, req);
  EXPECT_EQ(percent[0].value, 99);
  EXPECT_EQ(nv::truncatedPercent(-0.5), 0);
  EXPECT_EQ(nv::truncatedPercent(1e300), INT_MAX);
}

TEST(RecentFiles, DeduplicatesIgnoringCaseAndStoresTwenty) {
  nv::RecentFiles r;
  for (int i = 0; i < 25; ++i) r.add(nv::cformat("/m/%02d.nvu", i));
  r.add("/M/03.NVU");
  EXPECT_EQ(r.paths().size(), 25u);
  EXPECT_EQ(r.paths()[0], "/M/03.NVU");
  std::vector<std::string> captions = r.menuCaptions();
  ASSERT_EQ(captions.size(), 19u);
  EXPECT_EQ(captions[0], "&0 /m/24.nvu");
  EXPECT_EQ(captions[9], "&9 /m/15.nvu");
  EXPECT_EQ(captions[10], "&A /m/14.nvu");
  EXPECT_EQ(captions[18], "&I /m/06.nvu");
  EXPECT_EQ(nv::RecentFiles::pathOfCaption(captions[18]), "/m/06.nvu");
  r.add("default");
  EXPECT_EQ(r.storedPaths().size(), 20u);
  EXPECT_EQ(r.storedPaths()[0], "/M/03.NVU");
  // ア = 83 41 and ヂ = 83 61: a trail byte that looks like 'A' must not be folded to 'a'.
  r.clear();
  r.add(sj("/ア.nvu"));
  r.add(sj("/ヂ.nvu"));
  EXPECT_EQ(r.paths().size(), 2u);
}

TEST(RecentFiles, IniRoundTripKeepsOnlyExistingFiles) {
  nvtest::TempDir dir;
  nvtest::writeBytes(dir.file("a.nvu"), "x");
  nvtest::writeBytes(dir.file("献立.nvu"), "x");
  nv::RecentFiles r;
  r.add(dir.file("gone.nvu"));
  r.add(dir.file("a.nvu"));
  r.add(dir.file("献立.nvu"));
  r.add("default");
  nv::Ini ini;
  r.write(ini);
  EXPECT_EQ(ini.readInteger("MainForm", "MenuCount", -1), 3);
  EXPECT_EQ(ini.readString("MainForm", "Menu0", ""), dir.file("献立.nvu"));
  nv::RecentFiles back;
  back.read(ini);
  EXPECT_EQ(back.paths(), (std::vector<std::string>{dir.file("献立.nvu"), dir.file("a.nvu")}));
}
