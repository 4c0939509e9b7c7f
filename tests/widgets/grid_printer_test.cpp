// The grid printer: where pages break, and rendering page by page into an image.
#include "widgets/grid_printer.h"

#include <gtest/gtest.h>

#include "widgets_test_app.h"

TEST(GridPages, ColumnsBreakAcrossAndRowsDownWithTheHeaderOnEveryPage) {
  // 400 + 400 fit in 1000, the third column starts a second band.
  const auto pages = nv::gridPages({400, 400, 300}, 1 + 100, 16, 1000, 900, 1);
  // 900 / 16 = 56 rows a page less the header: 55 body rows, so 100 rows need two.
  ASSERT_EQ(pages.size(), 4u);
  EXPECT_EQ(pages[0], (nv::GridPage{1, 56, 0, 2}));
  EXPECT_EQ(pages[1], (nv::GridPage{1, 56, 2, 3}));
  EXPECT_EQ(pages[2], (nv::GridPage{56, 101, 0, 2}));
  EXPECT_EQ(pages[3], (nv::GridPage{56, 101, 2, 3}));
  // A column wider than the page still gets a page; a header-only grid one page.
  EXPECT_EQ(nv::gridPages({1500, 10}, 3, 16, 1000, 900).size(), 2u);
  EXPECT_EQ(nv::gridPages({10}, 1, 16, 1000, 900).size(), 1u);
  EXPECT_TRUE(nv::gridPages({}, 5, 16, 1000, 900).empty());

  // Continuation bands open with the repeated columns (row number and name here)...
  const auto repeated = nv::gridPages({50, 300, 400, 400, 300}, 10, 16, 1000, 900, 1, 2);
  ASSERT_EQ(repeated.size(), 3u);
  EXPECT_EQ(repeated[0], (nv::GridPage{1, 10, 0, 3, 0}));
  EXPECT_EQ(repeated[1], (nv::GridPage{1, 10, 3, 4, 2}));
  EXPECT_EQ(repeated[2], (nv::GridPage{1, 10, 4, 5, 2}));
  // ...unless they would leave no room for the next column.
  EXPECT_EQ(nv::gridPages({900, 200}, 2, 16, 1000, 900, 1, 1)[1], (nv::GridPage{1, 2, 1, 2, 0}));
}

TEST(GridPrinter, FitsTheWidthThenBandsAndRendersPageByPage) {
  nvtest::widgetsApp();
  std::vector<std::vector<QString>> cells;
  for (int r = 0; r < 120; ++r) cells.push_back({QString::number(r), QStringLiteral("x")});
  nv::TStrGridPrinter printer;
  QImage image(1000, 900, QImage::Format_RGB32);
  // 1200 pixels across shrink to the page's 1000 (letters 10 of 12 pixels): one band, and
  // the smaller rows put 66 body rows on a page.
  printer.setGrid(cells, {600, 600}, 16, QFont());
  EXPECT_DOUBLE_EQ(printer.fitFor(image.size()).scale, nv::TStrGridPrinter::kMinFit);
  EXPECT_EQ(printer.pageCount(image.size()), 2);
  // A landscape page is wider than 1000 pixels of the grid: 1150 fit unshrunk.
  printer.setGrid(cells, {600, 550}, 16, QFont());
  EXPECT_DOUBLE_EQ(printer.fitFor(QSize(1300, 900)).scale, 1.0);
  EXPECT_EQ(printer.pages(QSize(1300, 900))[0].endCol, 2);

  // Past the smallest letters: bands of 1200 pixels, the first column opening each.
  for (auto& row : cells) row.insert(row.end(), {QStringLiteral("y"), QStringLiteral("z")});
  printer.setGrid(cells, {100, 600, 600, 600}, 16, QFont());
  printer.setRepeatedColumns(1);
  const auto pages = printer.pages(image.size());
  ASSERT_EQ(pages.size(), 6u);  // three column bands, two row bands
  EXPECT_EQ(pages[0], (nv::GridPage{1, 67, 0, 2, 0}));
  EXPECT_EQ(pages[1], (nv::GridPage{1, 67, 2, 3, 1}));
  EXPECT_EQ(pages[2], (nv::GridPage{1, 67, 3, 4, 1}));

  EXPECT_FALSE(printer.previousPage(image));
  EXPECT_TRUE(printer.firstPage(image));
  EXPECT_EQ(image.pixel(1, 1), QColor(224, 224, 224).rgb());  // the header's shading
  for (int i = 1; i < 6; ++i) EXPECT_TRUE(printer.nextPage(image)) << i;
  image.fill(Qt::red);
  EXPECT_FALSE(printer.nextPage(image));
  EXPECT_EQ(image.pixel(5, 5), QColor(Qt::red).rgb());  // left as it was
  EXPECT_EQ(printer.currentPage(), 5);
  EXPECT_TRUE(printer.previousPage(image));
  EXPECT_EQ(printer.currentPage(), 4);
  // The page keeps 1000 x 900 screen pixels at any size: half the size, the same pages.
  EXPECT_EQ(printer.pageCount(QSize(500, 450)), 6);
}
