// Appliance layouts from NV.ini, the cell grid of every paging style, the placed-dish stack
// and the kitchen settings.
#include <gtest/gtest.h>

#include "bento/model/appliance_layout.h"
#include "bento/model/bmp_size.h"
#include "bento/model/kitchen_settings.h"
#include "bento/model/placed_dishes.h"
#include "bento/model/reizouko_grid.h"
#include "bento_test_util.h"
#include "platform/ini.h"
#include "platform/text.h"

namespace {

using nv::KRect;
using nv::LayoutSection;

TEST(ApplianceLayout, DefaultsAndIniOverridesAndReset) {
  nv::Ini ini;
  const nv::ApplianceLayout fridge = nv::readLayout(ini, LayoutSection::Refrigerator);
  EXPECT_EQ(fridge, (nv::ApplianceLayout{601, -1, 424, 484, 98, 7, 315, 378, 3, 6}));
  const KRect picture = nv::appliancePictureRect(fridge, 1.0);
  EXPECT_EQ(picture, (KRect{601, -1, 1025, 483}));
  EXPECT_EQ(nv::applianceDishRect(fridge, 1.0), (KRect{699, 6, 916, 377}));
  const nv::ApplianceLayout door = nv::readLayout(ini, LayoutSection::Door);
  EXPECT_EQ(nv::doorDishRect(door, picture, 1.0), (KRect{603, 25, 701, 347}));
  EXPECT_EQ(nv::appliancePictureRect(fridge, 1.875), (KRect{1126, -1, 1921, 906}));

  ini.parse(nv::sj("[冷凍庫]\r\niLeft=10\r\nMaxCol=5\r\nother=1\r\n"));
  nv::ApplianceLayout freezer = nv::readLayout(ini, LayoutSection::Freezer);
  EXPECT_EQ(freezer.iLeft, 10);
  EXPECT_EQ(freezer.maxCol, 5);
  EXPECT_EQ(freezer.iTop, 260);
  freezer.raTop = 99;
  ASSERT_TRUE(nv::writeLayout(ini, LayoutSection::Oven, freezer));
  EXPECT_EQ(nv::readLayout(ini, LayoutSection::Oven), freezer);

  EXPECT_EQ(ini.readString(nv::sj("オーブン"), "data", ""), "10,260,278,327,5,99,252,219,5,2");

  ASSERT_TRUE(nv::resetApplianceLayouts(ini));
  EXPECT_FALSE(ini.hasKey(nv::sj("オーブン"), "data"));
  for (LayoutSection s : nv::allLayoutSections())
    EXPECT_EQ(nv::readLayout(ini, s), nv::defaultLayout(s));
  EXPECT_TRUE(ini.hasKey(nv::sj("冷凍庫"), "other"));  // only the layout keys go
  EXPECT_EQ(nv::storageNameOf(LayoutSection::Door), nv::sj("扉"));

  // Hand-edited numbers are pulled into what a layout can be: no sum overflows (the dishes
  // once landed at x = -1.3e9) and no picture of 630 MB is made.
  ini.parse(
      nv::sj("[冷蔵庫]\r\nraLeft=2147483647\r\nraRight=-2147483648\r\niLeft=99999\r\n"
             "iRight=12000\r\niBottom=-5\r\nMaxCol=0\r\nMaxRaw=1000000\r\n"));
  const nv::ApplianceLayout wild = nv::readLayout(ini, LayoutSection::Refrigerator);
  EXPECT_EQ(wild, (nv::ApplianceLayout{4096, -1, 2048, 0, 4096, 7, -4096, 378, 1, 50}));
  const KRect dishes = nv::applianceDishRect(wild, 1.875);
  EXPECT_EQ(dishes.left, 15360);  // (4096 + 4096) x 1.875
  EXPECT_EQ(dishes.width(), -15360);
}

TEST(ApplianceLayout, WrittenKeysAndDataLineAsBytes) {
  nv::Ini ini;
  ini.parse("[Bentoubako]\r\nBmpFolder=x\r\n");
  ASSERT_TRUE(
      nv::writeLayout(ini, LayoutSection::Pot, {-2, -4, 376, 408, 37, 111, 329, 343, 3, 10}));
  EXPECT_EQ(ini.bytes(), "[Bentoubako]\r\nBmpFolder=x\r\n" + nv::sj("[鍋]") +
                             "\r\niLeft=-2\r\niTop=-4\r\niRight=376\r\niBottom=408\r\n"
                             "raLeft=37\r\nraTop=111\r\nraRight=329\r\nraBottom=343\r\n"
                             "MaxCol=3\r\nMaxRaw=10\r\ndata=-2,-4,376,408,37,111,329,343,3,10\r\n");
}

TEST(ReizoukoGrid, FiveStylesOnOneArea) {
  const KRect area{0, 0, 300, 400};
  struct Want {
    int style, d, x0, y0;
    nv::PagingKind paging;
    KRect control;
  };
  const Want wants[] = {
      {0, 61, 56, 2, nv::PagingKind::Buttons, {1, 383, 299, 399}},
      {1, 61, 56, 20, nv::PagingKind::HScroll, {0, 0, 300, 16}},
      {2, 64, 44, 3, nv::PagingKind::VScroll, {284, 0, 300, 400}},
      {3, 61, 56, 4, nv::PagingKind::HScroll, {0, 384, 300, 400}},
      {4, 64, 60, 3, nv::PagingKind::VScroll, {0, 0, 16, 400}},
  };
  for (const Want& w : wants) {
    SCOPED_TRACE(w.style);
    const nv::ReizoukoGrid g = nv::layoutReizouko(area, 3, 6, w.style, 19);
    EXPECT_EQ(g.d, w.d);
    EXPECT_EQ(g.g, w.d + 2);
    EXPECT_EQ(g.x0, w.x0);
    EXPECT_EQ(g.y0, w.y0);
    EXPECT_EQ(g.paging, w.paging);
    EXPECT_EQ(g.pagingRect, w.control);
    ASSERT_EQ(g.cells.size(), 18u);
    EXPECT_EQ(g.cells[4], (KRect{w.x0 + g.g, w.y0 + g.g, w.x0 + g.g + g.d, w.y0 + g.g + g.d}));
    // Exactly Columns x Rows names need no paging.
    const nv::ReizoukoGrid full = nv::layoutReizouko(area, 3, 6, w.style, 18);
    EXPECT_EQ(full.paging, nv::PagingKind::None);
    EXPECT_EQ(full.pagingRect, KRect{});
  }
  const nv::ReizoukoGrid buttons = nv::layoutReizouko(area, 3, 6, 0, 19);
  EXPECT_EQ(buttons.backButton, (KRect{1, 383, 17, 399}));
  EXPECT_EQ(buttons.forwardButton, (KRect{283, 383, 299, 399}));
  // A hand-edited grid of 0 columns or a tiny area never divides by zero or goes negative.
  const nv::ReizoukoGrid odd = nv::layoutReizouko({0, 0, 5, 5}, 0, -3, 2, 1);
  EXPECT_EQ(odd.cells.size(), 1u);
  EXPECT_EQ(odd.d, 0);
}

TEST(ReizoukoGrid, PagingStopsAtBothEnds) {
  EXPECT_EQ(nv::pageBack(0, 18), 0);
  EXPECT_EQ(nv::pageBack(5, 18), 0);
  EXPECT_EQ(nv::pageBack(36, 18), 18);
  EXPECT_EQ(nv::pageForward(0, 18, 18), 0);
  EXPECT_EQ(nv::pageForward(0, 18, 19), 18);
  EXPECT_EQ(nv::pageForward(18, 18, 19), 18);
}

TEST(PlacedDishes, StackingOrderAndSerials) {
  nv::PlacedDishes box;
  const int32_t a = box.append("a", {}), b = box.append("b", {}), c = box.append("c", {});
  EXPECT_EQ(b, a + 1);
  EXPECT_EQ(c, a + 2);
  ASSERT_TRUE(box.bringToFront(a));  // the head moves to the end
  EXPECT_EQ(box.names(), (nv::NameList{"b", "c", "a"}));
  ASSERT_TRUE(box.bringToFront(a));  // the last stays
  EXPECT_EQ(box.names(), (nv::NameList{"b", "c", "a"}));
  ASSERT_TRUE(box.remove(c));
  EXPECT_FALSE(box.remove(c));
  EXPECT_EQ(box.topSerial(), a);
  box.clear();
  // Serials are never reused, even after the box was emptied.
  EXPECT_EQ(box.append("d", {}), c + 1);
}

TEST(PlacedDishes, CapacityRuleWithTheFirstDishAlwaysTaken) {
  nv::TDaidokoro k;
  k.Dishes = {nvtest::dish("big", 0, 2000, {{10, 1}}), nvtest::dish("rice", 0, 850, {{10, 1}}),
              nvtest::dish("fifty", 0, 50, {{10, 1}}), nvtest::dish("less", 0, 49.9, {{10, 1}}),
              nvtest::dish("drink", 1, 500, {{10, 1}})};
  EXPECT_TRUE(nv::boxTakesDish(k, {}, "big", 900));
  EXPECT_FALSE(nv::boxTakesDish(k, {"rice"}, "fifty", 900));
  EXPECT_TRUE(nv::boxTakesDish(k, {"rice"}, "less", 900));
  // Dishes placed outside the box do not fill it.
  EXPECT_TRUE(nv::boxTakesDish(k, {"rice"}, "drink", 900));
}

TEST(KitchenSettings, DefaultsClampingAndRoundTrip) {
  nv::Ini ini;
  nv::KitchenSettings k = nv::KitchenSettings::read(ini);
  EXPECT_EQ(k.kondateIconSize, 128);
  EXPECT_EQ(k.scrollBarStyle, 0);
  EXPECT_EQ(k.bmpFolder, nv::KitchenSettings::defaults().bmpFolder);
  ini.parse(
      "[Bentoubako]\r\nReizoukoScrollBarStyle=9\r\nKondateIconSize=-4\r\n"
      "[Data]\r\nGunColor3=255\r\n");
  k = nv::KitchenSettings::read(ini);
  EXPECT_EQ(k.scrollBarStyle, 4);
  EXPECT_EQ(k.kondateIconSize, 1);
  EXPECT_EQ(k.groupColors[3], 255);
  k.scrollBarStyle = 2;
  k.saveDir = "/tmp/x/";
  k.groupColors[6] = 12345;
  nv::Ini out;
  ASSERT_TRUE(k.write(out));
  const nv::KitchenSettings back = nv::KitchenSettings::read(out);
  EXPECT_EQ(back.scrollBarStyle, 2);
  EXPECT_EQ(back.saveDir, "/tmp/x/");
  EXPECT_EQ(back.groupColors[6], 12345);
  EXPECT_FALSE(out.hasKey("Bentoubako", "KondateIconSize"));
}

TEST(BmpSize, HeadersOfBothKinds) {
  std::string info(26, '\0');
  info[0] = 'B', info[1] = 'M', info[14] = 40, info[18] = 0x20, info[19] = 0x03;  // 800
  info[22] = char(0x70), info[23] = char(0xFE), info[24] = char(0xFF), info[25] = char(0xFF);
  EXPECT_EQ(nv::bmpSizeOfBytes(info), (nv::KSize{800, 400}));  // top-down: height -400
  std::string core(26, '\0');
  core[0] = 'B', core[1] = 'M', core[14] = 12, core[18] = 10, core[20] = 7;
  EXPECT_EQ(nv::bmpSizeOfBytes(core), (nv::KSize{10, 7}));
  EXPECT_EQ(nv::bmpSizeOfBytes("BM"), nv::KSize{});
  EXPECT_EQ(nv::bmpSizeOfBytes(std::string(26, 'x')), nv::KSize{});
}

}  // namespace
