// NV.ini: the MainForm and Data keys read at start-up and written at close.
#include <QDockWidget>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolBar>

#include "main_form_fixture.h"
#include "planner/kondate_button.h"
#include "platform/ini.h"

namespace nvtest {
namespace {

TEST_F(MainFormTest, SettingsRoundTripThroughNvIni) {
  nv::TMainForm& f = make({{"ごはん", {"ごはん"}}});
  nv::Ini in;
  in.parse(
      "[MainForm]\r\nLeft=20\r\nTop=30\r\nWidth=700\r\nHeight=500\r\nWindowState=0\r\n"
      "TabConHeight=321\r\nKondateBackColor=65280\r\nShowToolBar=1\r\nMenuCount=1\r\n"
      "Menu0=" +
      dir.file("a.nvu") +
      "\r\n"
      "[Data]\r\nDataBaseFileName=/x/NV.nv\r\nAddKondateFileName=/x/NV_ADD.nv\r\nFontSize=14\r\n"
      "KondateIconSize=96\r\nKondateIconFontSize=8\r\nSelIconSize=48\r\nSelIconFontSize=7\r\n"
      "GunColor3=12345\r\nBmpFolder=/pictures\r\nAutoOpen0=1\r\nKaitenShuuki=300\r\n"
      "FoodDataFile=/src/foods.csv\r\nKondateDataFile=/src/dishes.csv\r\nSourceBmpFolder=/src/"
      "bmp\r\n"
      "[SelKondateForm]\r\nEditKondateFormWidth=500\r\n");
  writeBytes(dir.file("a.nvu"), "x");
  f.readSettings(in);
  EXPECT_EQ(f.geometry(), QRect(20, 30, 700, 500));
  EXPECT_EQ(f.kondateBackColor(), 65280);
  EXPECT_TRUE(action(f, "ShowToolBarAction")->isChecked());
  EXPECT_FALSE(toolBar(f)->isHidden());
  EXPECT_EQ(f.dataFileName(), "/x/NV.nv");
  EXPECT_EQ(f.tabFontSize(), 14);
  EXPECT_EQ(f.categoryTabs()->font().pointSize(), 14);
  EXPECT_EQ(f.kondateIconSize(), 96);
  EXPECT_EQ(f.selIconSize(), 48);
  EXPECT_EQ(f.selIconFontSize(), 7);
  EXPECT_EQ(gunName.color(3), 12345);
  EXPECT_EQ(f.bmpFolder(), "/pictures/");
  EXPECT_TRUE(f.autoOpen());
  EXPECT_EQ(f.kaitenShuuki(), 300);
  EXPECT_EQ(f.editKondateFormWidth(), 500);
  EXPECT_EQ(sel.settings.editKondateFormWidth, 500);  // handed to the chosen-menu window
  ASSERT_EQ(f.recentFiles().paths().size(), 1u);

  nv::Ini out;
  f.show();  // the tab height written is the shown one's
  f.writeSettings(out);
  for (const char* key : {"Left", "Top", "Width", "Height", "WindowState", "KondateBackColor",
                          "ShowToolBar", "MenuCount"})
    EXPECT_EQ(out.readString("MainForm", key, "?"), in.readString("MainForm", key, "!")) << key;
  EXPECT_EQ(out.readString("MainForm", "Menu0", "?"), dir.file("a.nvu"));
  for (const char* key :
       {"DataBaseFileName", "AddKondateFileName", "FontSize", "KondateIconSize",
        "KondateIconFontSize", "SelIconSize", "SelIconFontSize", "GunColor3", "AutoOpen0",
        "KaitenShuuki", "FoodDataFile", "KondateDataFile", "SourceBmpFolder"})
    EXPECT_EQ(out.readString("Data", key, "?"), in.readString("Data", key, "!")) << key;
  EXPECT_EQ(out.readString("Data", "BmpFolder", "?"), "/pictures/");
  EXPECT_EQ(out.readInteger("Data", "GunColor1", 0), 255);
  EXPECT_EQ(out.readInteger("SelKondateForm", "EditKondateFormWidth", 0), 500);
}

TEST_F(MainFormTest, MissingKeysGiveTheBuiltInValuesAndBadSizesAreRefused) {
  nv::TMainForm& f = make({{"ごはん", {"ごはん"}}});
  nv::Ini in;
  in.parse(
      "[Data]\r\nKondateIconSize=0\r\nSelIconSize=-5\r\nKaitenShuuki=-1\r\n"
      "[MainForm]\r\nMenuCount=2\r\nMenu0=/no/such.nvu\r\nMenu1=/no/other.nvu\r\n");
  f.readSettings(in);
  // Numbers outside a key's range are brought to its nearest end.
  EXPECT_EQ(f.kondateIconSize(), 16);
  EXPECT_EQ(f.kondateIconFontSize(), 9);
  EXPECT_EQ(f.selIconSize(), 16);
  EXPECT_EQ(f.selIconFontSize(), 6);
  EXPECT_EQ(f.kaitenShuuki(), 30);
  EXPECT_EQ(f.kondateBackColor(), 14803455);
  EXPECT_FALSE(action(f, "ShowToolBarAction")->isChecked());
  EXPECT_FALSE(f.autoOpen());
  EXPECT_EQ(f.dataFileName(), nv::joinPath(dir.path(), "NV.nv"));
  EXPECT_EQ(f.addFileName(), nv::joinPath(dir.path(), "NV_ADD.nv"));
  EXPECT_EQ(f.bmpFolder(), nv::joinPath(dir.path(), "bmp") + "/");
  EXPECT_EQ(f.editKondateFormWidth(), 467);
  EXPECT_TRUE(f.recentFiles().empty());  // files that do not exist are dropped
}

TEST_F(MainFormTest, ClosingWritesNvIniBesideTheProgram) {
  nv::TMainForm& f = started({{"ごはん", {"ごはん"}}});
  nv::PlannerSettings edited = f.config().settings();
  edited.data.kaitenShuuki = 120;
  f.config().apply(edited);
  f.recentFiles().add("default");
  EXPECT_TRUE(f.close());
  nv::Ini written(dir.file("NV.ini"));
  EXPECT_EQ(written.readInteger("Data", "KaitenShuuki", 0), 120);
  EXPECT_EQ(written.readInteger("MainForm", "MenuCount", -1), 0);
  EXPECT_TRUE(written.hasKey("MainForm", "Width"));
}

TEST_F(MainFormTest, GarbageInNvIniGivesBuiltInValuesAndAWindowOnTheScreen) {
  writeBytes(dir.file("NV.ini"),
             "[MainForm]\r\nLeft=-99999\r\nTop=abc\r\nWidth=0\r\nHeight=-5\r\n"
             "KondateBackColor=blue\r\nWindowState=7\r\n"
             "[Data]\r\nKaitenShuuki=0\r\nGunColor2=x\r\nFontSize=1000\r\n"
             "[SelKondateForm]\r\nEditKondateFormWidth=-100\r\nBackColor1=-3\r\n");
  nv::TMainForm& f = make({{"ごはん", {"ごはん"}}});
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_TRUE(area.contains(f.frameGeometry())) << f.frameGeometry().x();
  EXPECT_GE(f.width(), nv::MainFormSettings::kMinWidth);
  EXPECT_EQ(f.kondateBackColor(), nv::MainFormSettings::kDefaultBackColor);
  EXPECT_EQ(f.settings().main.windowState, 0);
  EXPECT_EQ(f.kaitenShuuki(), 30);
  EXPECT_EQ(f.tabFontSize(), 72);
  EXPECT_EQ(gunName.color(2), nv::TGunName::defaultColor(2));
  EXPECT_EQ(sel.settings.editKondateFormWidth, 400);
  EXPECT_EQ(sel.settings.backColors[1], nv::SelKondateSettings::kDefaultBackColors[1]);
}

TEST_F(MainFormTest, StoredTabHeightSplitsTheWindowAndIsWrittenBack) {
  writeBytes(dir.file("NV.ini"),
             "[MainForm]\r\nLeft=0\r\nTop=0\r\nWidth=760\r\nHeight=560\r\n"
             "TabConHeight=180\r\n");
  nv::TMainForm& f = make({{"ごはん", {"ごはん"}}});
  f.show();
  QCoreApplication::processEvents();
  auto* stack = f.findChild<QStackedWidget*>();
  ASSERT_NE(stack, nullptr);
  EXPECT_NEAR(stack->height(), 180, 4);
  nv::Ini out;
  f.writeSettings(out);
  EXPECT_NEAR(out.readInteger("MainForm", "TabConHeight", 0), 180, 4);
}

TEST_F(MainFormTest, AppliedSettingsReachTheWindowsOnlyWhenSomethingChanged) {
  nv::TMainForm& f = started({{"ごはん", {"ごはん", "パン"}}});
  int applied = 0;
  QObject::connect(&f.config(), &nv::PlannerConfig::settingsApplied, [&] { ++applied; });
  nv::PlannerSettings edited = f.config().settings();  // the dialog's copy
  f.config().apply(edited);
  EXPECT_EQ(applied, 0);

  edited.data.kondateIconSize = 96;
  edited.data.selIconSize = 48;
  edited.main.kondateBackColor = 255;
  edited.sel.backColors[0] = 65280;
  f.config().apply(edited);
  EXPECT_EQ(applied, 1);
  ASSERT_EQ(f.dishButtons().size(), 2u);
  EXPECT_EQ(f.dishButtons()[0]->width(), 96);
  EXPECT_EQ(sel.iconRebuilds, 1);
  EXPECT_EQ(sel.settings.backColors[0], 65280);
  EXPECT_EQ(
      f.tabControl()->findChild<QScrollArea*>()->viewport()->palette().color(QPalette::Window),
      QColor(255, 0, 0));

  // What the window closes with is what it was given.
  EXPECT_TRUE(f.close());
  nv::Ini written(dir.file("NV.ini"));
  EXPECT_EQ(written.readInteger("Data", "KondateIconSize", 0), 96);
  EXPECT_EQ(written.readInteger("SelKondateForm", "BackColor0", 0), 65280);
}

}  // namespace
}  // namespace nvtest
