#include "planner/model/print_layout.h"

#include <gtest/gtest.h>

#include "platform/text.h"

TEST(PrintLayout, MarginsAndCellsFollowTheNumberOfCharts) {
  const nv::PageGeometry one = nv::pageGeometry(1099, 799, 1);
  EXPECT_EQ(one.marginX, 43);  // 4 % rounded down
  EXPECT_EQ(one.marginY, 7);   // 1 % rounded down
  EXPECT_EQ(one.cellWidth, 1099 - 86);
  EXPECT_EQ(one.cellHeight, 799 - 14);
  EXPECT_EQ(one.chartHeight(), 785 * 5 / 9);
  EXPECT_EQ(one.slotSide(), 785 / 9);

  const nv::PageGeometry two = nv::pageGeometry(1099, 799, 3);
  EXPECT_EQ(two.cellWidth, (1099 - 129) / 2);
  EXPECT_EQ(two.cellHeight, one.cellHeight);
}

TEST(PrintLayout, ThreeChartsPutTheThirdOnANewPage) {
  const nv::PageGeometry g = nv::pageGeometry(1100, 800, 3);
  const auto cells = nv::chartCells(g, 3);
  ASSERT_EQ(cells.size(), 3u);
  EXPECT_EQ(cells[0].page, 0);
  EXPECT_EQ(cells[0].x, g.marginX);
  EXPECT_EQ(cells[0].y, g.marginY);
  EXPECT_EQ(cells[1].page, 0);
  EXPECT_EQ(cells[1].x, 2 * g.marginX + g.cellWidth);
  // A second row would start at the page's bottom: the third cell opens page 1.
  EXPECT_EQ(cells[2].page, 1);
  EXPECT_EQ(cells[2].x, g.marginX);
  EXPECT_EQ(cells[2].y, g.marginY);

  const nv::PageGeometry single = nv::pageGeometry(1100, 800, 1);
  const auto alone = nv::chartCells(single, 1);
  ASSERT_EQ(alone.size(), 1u);
  EXPECT_EQ(alone[0].x + single.cellWidth, 1100 - single.marginX);
}

TEST(PrintLayout, DishSlotsWrapBelowTheChart) {
  nv::PageGeometry g = nv::pageGeometry(1000, 900, 2);  // cell 440 wide, 882 high
  const int side = g.slotSide();                        // 98: four slots a row
  const auto slots = nv::dishSlots(g, 40, 9, 6);
  ASSERT_EQ(slots.size(), 6u);
  EXPECT_EQ(slots[0], (nv::IntRect{40, 9 + g.chartHeight(), side, side}));
  EXPECT_EQ(slots[3].x, 40 + 3 * side);
  EXPECT_EQ(slots[4], (nv::IntRect{40, 9 + g.chartHeight() + side, side, side}));

  // The day chart of three meals of seven dishes on landscape A4: 21 dishes, more than the
  // 20 slots of a ninth; smaller slots keep every one inside its cell.
  g = nv::pageGeometry(3508, 2480, 2);
  const auto day = nv::dishSlots(g, g.marginX, g.marginY, 21);
  ASSERT_EQ(day.size(), 21u);
  EXPECT_LT(day[0].width, g.slotSide());
  for (const nv::IntRect& r : day) {
    EXPECT_LE(r.y + r.height, g.marginY + g.cellHeight);
    EXPECT_LE(r.x + r.width, g.marginX + g.cellWidth);
  }
  EXPECT_EQ(nv::dishSlots(g, 0, 0, 20)[0].width, g.slotSide());
}

TEST(PrintLayout, DishPictureScalesWithWeight) {
  // Fitted: 100 x 50 into a 90 slot is 90 x 45; the 0.8 rule draws 72 x 36.
  EXPECT_EQ(nv::dishPictureSize(100, 50, 90, 1.0), (nv::IntSize{72, 36}));
  // Twice the standard weight: 1.6 x the fitted size, wider than the slot.
  const nv::IntSize twice = nv::dishPictureSize(100, 50, 90, 2.0);
  EXPECT_EQ(twice, (nv::IntSize{144, 72}));
  const nv::IntRect r = nv::dishPictureRect({10, 20, 90, 90}, twice);
  EXPECT_EQ(r, (nv::IntRect{10 - 27, 20, 144, 72}));
  // Sizes are rounded down; an unusable picture or scale never gives a huge or negative size.
  EXPECT_EQ(nv::dishPictureSize(64, 64, 50, 0.5), (nv::IntSize{20, 20}));
  EXPECT_EQ(nv::dishPictureSize(0, 10, 50, 1.0), (nv::IntSize{0, 0}));
  EXPECT_EQ(nv::dishPictureSize(64, 64, 50, 1.0 / 0.0), (nv::IntSize{40, 40}));
  // A dish's picture lies in the picture folder, whatever its name (表 ends in 0x5C).
  EXPECT_EQ(nv::dishPicturePath("/p/bmp/", nv::sj("表")), nv::sj("/p/bmp/表.bmp"));
  for (const char* name : {"../about", "a/b", "", "..", "/etc/x"})
    EXPECT_EQ(nv::dishPicturePath("/p/bmp/", name), "") << name;
}

TEST(PrintLayout, PreviewPagesTablesFirstThenTwoChartsAPage) {
  const auto pages = nv::previewPages(2, 3);
  ASSERT_EQ(pages.size(), 4u);
  EXPECT_EQ(pages[1].kind, nv::PreviewPage::Table);
  EXPECT_EQ(pages[1].index, 1);
  EXPECT_EQ(pages[2].kind, nv::PreviewPage::Charts);
  EXPECT_EQ(pages[2].firstChart, 0);
  EXPECT_EQ(pages[2].chartCount, 2);
  EXPECT_EQ(pages[3].firstChart, 2);
  EXPECT_EQ(pages[3].chartCount, 1);
  EXPECT_EQ(nv::previewPages(0, 4).size(), 2u);
  EXPECT_EQ(nv::previewPages(1, 0).size(), 1u);

  nv::PreviewPager pager(pages);
  EXPECT_FALSE(pager.hasPrevious());
  EXPECT_FALSE(pager.previous());  // at the first page it stays
  EXPECT_TRUE(pager.next());
  EXPECT_TRUE(pager.next());
  EXPECT_EQ(pager.page()->kind, nv::PreviewPage::Charts);
  EXPECT_TRUE(pager.previous());  // from the first chart page back into the table
  EXPECT_EQ(pager.page()->kind, nv::PreviewPage::Table);
  EXPECT_EQ(pager.page()->index, 1);
  pager.next();
  pager.next();
  EXPECT_FALSE(pager.hasNext());
  EXPECT_FALSE(pager.next());  // at the last page it stays
  EXPECT_EQ(pager.current(), 3);
  EXPECT_EQ(nv::PreviewPager({}).page(), nullptr);
}

TEST(PrintLayout, SharedChecksAndJobTitle) {
  EXPECT_EQ(nv::cp932ToUtf8(nv::printRequestProblem(false, true, 1)),
            "印刷するデータがありません。");
  EXPECT_EQ(nv::cp932ToUtf8(nv::printRequestProblem(true, false, 0)),
            "印刷する表かグラフを指定して下さい。");
  EXPECT_EQ(nv::printRequestProblem(true, true, 0), "");
  EXPECT_EQ(nv::printRequestProblem(true, false, 2), "");
  EXPECT_EQ(nv::cp932ToUtf8(nv::printJobTitle(nv::sj("はなこ"))), "はなこさんの献立");
}
