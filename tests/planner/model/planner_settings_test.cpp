#include "planner/model/planner_settings.h"

#include <gtest/gtest.h>

#include "core/gun_name.h"
#include "planner/model/window_placement.h"
#include "platform/ini.h"

namespace {

nv::Ini iniOf(const std::string& text) {
  nv::Ini ini;
  ini.parse(text);
  return ini;
}

const nv::ScreenRect kWork{0, 24, 1280, 776};

TEST(PlannerSettings, MissingKeysGiveTheBuiltInValues) {
  nv::PlannerSettings s = nv::PlannerSettings::defaults("/opt/nv");
  s.read(iniOf(""), kWork);
  // The work area's left, top, right and bottom.
  EXPECT_EQ(s.main.bounds, (nv::ScreenRect{0, 24, 1280, 800}));
  EXPECT_EQ(s.main.kondateBackColor, 14803455);
  EXPECT_EQ(s.data.dataBaseFileName, "/opt/nv/NV.nv");
  EXPECT_EQ(s.data.addKondateFileName, "/opt/nv/NV_ADD.nv");
  EXPECT_EQ(s.data.bmpFolder, "/opt/nv/bmp/");
  EXPECT_EQ(s.data.fontSize, 12);
  EXPECT_EQ(s.data.kaitenShuuki, 600);
  EXPECT_FALSE(s.data.patternBars);
  EXPECT_EQ(s.data.gunColors[3], nv::TGunName::defaultColor(3));
  EXPECT_EQ(s.sel.editKondateFormWidth, 467);
  EXPECT_EQ(s.sel.backColors, nv::SelKondateSettings::kDefaultBackColors);
  EXPECT_FALSE(s.details.boundsStored);
  nv::PlannerSettings expected = nv::PlannerSettings::defaults("/opt/nv");
  expected.main.bounds = {0, 24, 1280, 800};
  EXPECT_EQ(s, expected);
}

TEST(PlannerSettings, TextThatIsNoNumberGivesTheDefaultAndNumbersTheirRange) {
  nv::PlannerSettings s = nv::PlannerSettings::defaults("/opt/nv");
  s.read(iniOf("[MainForm]\r\nLeft=-99999\r\nTop=abc\r\nWidth=0\r\nHeight=-5\r\n"
               "KondateBackColor=rot\r\nWindowState=5\r\nTabConHeight=-40\r\n"
               "[Data]\r\nKaitenShuuki=0\r\nFontSize=2\r\nKondateIconSize=9999\r\n"
               "KondateIconFontSize=abc\r\nSelIconSize=17\r\nGunColor0=-1\r\n"
               "GunColor1=16777216\r\nGunColor2=255px\r\nDataBaseFileName=\r\n"
               "BmpFolder=/pics\r\nPatternBars=7\r\n"
               "[SelKondateForm]\r\nEditKondateFormWidth=-100\r\nBackColor3=x\r\n"
               "[DetailsForm]\r\nPage=9\r\nWidth=10\r\n"),
         kWork);
  EXPECT_EQ(s.main.bounds.left, -99999);  // a number: placed on a screen later
  EXPECT_EQ(s.main.bounds.top, 24);
  EXPECT_EQ(s.main.bounds.width, nv::MainFormSettings::kMinWidth);
  EXPECT_EQ(s.main.bounds.height, nv::MainFormSettings::kMinHeight);
  EXPECT_EQ(s.main.kondateBackColor, nv::MainFormSettings::kDefaultBackColor);
  EXPECT_EQ(s.main.windowState, 0);
  EXPECT_EQ(s.main.tabConHeight, 0);
  EXPECT_EQ(s.data.kaitenShuuki, 30);
  EXPECT_EQ(s.data.fontSize, 6);
  EXPECT_EQ(s.data.kondateIconSize, 400);
  EXPECT_EQ(s.data.kondateIconFontSize, 9);
  EXPECT_EQ(s.data.selIconSize, 17);
  EXPECT_EQ(s.data.gunColors[0], nv::TGunName::defaultColor(0));
  EXPECT_EQ(s.data.gunColors[1], nv::TGunName::defaultColor(1));
  EXPECT_EQ(s.data.gunColors[2], 255);  // the leading number, as the profile calls read it
  EXPECT_EQ(s.data.dataBaseFileName, "/opt/nv/NV.nv");
  EXPECT_EQ(s.data.bmpFolder, "/pics/");
  EXPECT_TRUE(s.data.patternBars);  // 7 is brought to 1
  nv::PlannerSettings off = nv::PlannerSettings::defaults("/opt/nv");
  off.read(iniOf("[Data]\r\nPatternBars=-2\r\n"), kWork);
  EXPECT_FALSE(off.data.patternBars);
  off.read(iniOf("[Data]\r\nPatternBars=ja\r\n"), kWork);
  EXPECT_FALSE(off.data.patternBars);
  EXPECT_EQ(s.sel.editKondateFormWidth, 400);
  EXPECT_EQ(s.sel.backColors[3], nv::SelKondateSettings::kDefaultBackColors[3]);
  EXPECT_EQ(s.details.page, 3);
  EXPECT_EQ(s.details.bounds.width, 200);
}

TEST(PlannerSettings, WrittenValuesReadBackEqual) {
  nv::PlannerSettings s = nv::PlannerSettings::defaults("/opt/nv");
  s.main.bounds = {-1200, 10, 900, 650};
  s.main.windowState = 2;
  s.main.tabConHeight = 333;
  s.main.showToolBar = true;
  s.data.kaitenShuuki = 180;
  s.data.autoOpen = true;
  s.data.patternBars = true;
  s.data.gunColors[6] = 0x123456;
  s.data.foodDataFile = "/src/foods.csv";
  s.sel.backColors[2] = 65280;
  s.details.boundsStored = true;
  s.details.page = 2;
  nv::Ini ini;
  s.write(ini);
  EXPECT_EQ(ini.readString("Data", "PatternBars", ""), "1");
  nv::PlannerSettings back = nv::PlannerSettings::defaults("/elsewhere");
  back.read(ini, kWork);
  EXPECT_EQ(back, s);

  // The dialog's copy compares equal until something is changed.
  nv::PlannerSettings copy = s;
  EXPECT_EQ(copy, s);
  copy.data.selIconFontSize = 7;
  EXPECT_NE(copy, s);
}

TEST(WindowPlacement, BoundsOffEveryScreenComeBackInside) {
  const std::vector<nv::ScreenRect> screens = {{0, 0, 1920, 1040}, {1920, 0, 1280, 1024}};
  // Fully visible: unchanged.
  EXPECT_EQ(nv::placeOnScreens({100, 100, 800, 600}, screens),
            (nv::ScreenRect{100, 100, 800, 600}));
  // Mostly on the second screen: pulled inside it.
  EXPECT_EQ(nv::placeOnScreens({2800, 900, 800, 600}, screens),
            (nv::ScreenRect{2400, 424, 800, 600}));
  // Nowhere: the primary screen; too large: shrunk to its work area.
  EXPECT_EQ(nv::placeOnScreens({-99999, -5, 5000, 3000}, screens),
            (nv::ScreenRect{0, 0, 1920, 1040}));
  // A frame as tall as the work area plus its title bar loses the excess at the bottom.
  EXPECT_EQ(nv::placeOnScreens({0, -30, 1920, 1070}, screens), (nv::ScreenRect{0, 0, 1920, 1040}));
  EXPECT_EQ(nv::placeOnScreens({5, 5, 10, 10}, {}), (nv::ScreenRect{5, 5, 10, 10}));
}

}  // namespace
