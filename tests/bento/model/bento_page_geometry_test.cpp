// The printed lunch-box page and the rice ball's placement, on known numbers.
#include "bento/model/bento_page_geometry.h"

#include <gtest/gtest.h>

#include "bento/model/rice_ball.h"

namespace {

using nv::KRect;

TEST(BentoPage, LandscapeAreaAndDishListOfTwentyFive) {
  const nv::PageArea a = nv::pageArea(3001, 2000);
  EXPECT_EQ(a.A, 2550);
  EXPECT_EQ(a.V, 1913);
  EXPECT_EQ(a.y0, -318);
  EXPECT_EQ(a.yb, 1595);
  EXPECT_EQ(a.x0, 225);

  const nv::DishListLayout l = nv::dishListLayout(a, 3001, 2000, 25);
  EXPECT_EQ(l.R, 405);
  EXPECT_EQ(l.rows, 2);
  EXPECT_EQ(l.columns, 12);
  EXPECT_EQ(l.cell, 135);
  EXPECT_EQ(l.leftMargin, 690);
  // The 13th dish drawn starts the second row.
  EXPECT_EQ(l.cellRect(12), (KRect{690, 1595 + 135, 690 + 135, 1595 + 270}));
  EXPECT_EQ(l.cellRect(11).left, 690 + 11 * 135);
}

TEST(BentoPage, FewDishesAreSizedAsTenColumnsAndCentred) {
  const nv::PageArea a = nv::pageArea(3001, 2000);
  const nv::DishListLayout three = nv::dishListLayout(a, 3001, 2000, 3);
  EXPECT_EQ(three.columns, 10);
  EXPECT_EQ(three.cell, std::min(2550 / 10, 405));
  EXPECT_EQ(three.leftMargin, int((3001 - 3 * three.cell) * 0.5));
  const nv::DishListLayout none = nv::dishListLayout(a, 3001, 2000, 0);
  EXPECT_EQ(none.rows, 1);
  EXPECT_EQ(none.leftMargin, 1500);
}

TEST(BentoPage, PortraitFallsBackToThePageHeight) {
  // A short wide page cannot hold 4:3 of 85 % of its width.
  const nv::PageArea wide = nv::pageArea(4000, 1000);
  EXPECT_EQ(wide.V, 850);
  EXPECT_EQ(wide.A, int(1000 * 0.85 * 4 / 3));
  EXPECT_EQ(wide.x0, int((4000 - wide.A) * 0.5));
  const nv::PageArea portrait = nv::pageArea(2480, 3508);
  EXPECT_EQ(portrait.A, 2108);
  EXPECT_EQ(portrait.V, 1581);
}

TEST(BentoPage, DegeneratePagesEndTheRowSearch) {
  const nv::PageArea a = nv::pageArea(1, 1);
  const nv::DishListLayout l = nv::dishListLayout(a, 1, 1, 40);
  EXPECT_GE(l.rows, 1);
  EXPECT_GE(l.columns, 10);
  EXPECT_GE(l.cell, 0);
}

TEST(BentoPage, FramesOfBoxGraphAndRiceBall) {
  const nv::PageArea a = nv::pageArea(3001, 2000);
  const KRect box = nv::pageBoxRect(a, {600, 300});
  EXPECT_EQ(box.width(), 1700);
  EXPECT_EQ(box.height(), 850);
  EXPECT_EQ(box.bottom, a.yb);
  EXPECT_EQ(box.left, 225 + (2550 - 1700) / 2);
  const KRect graph = nv::pageGraphRect(a, 60);
  EXPECT_EQ(graph, (KRect{112, 70, 112 + 637, 70 + 478}));
  const KRect ball = nv::pageRiceBallRect(graph, 3001);
  EXPECT_EQ(ball, (KRect{3001 - 637, 70, 3001, 70 + 478}));
  // A dish keeps its place relative to the box: 100 right of the kitchen box's left edge and
  // 200 above its bottom, scaled by 1700 / 682.
  const KRect kitchen43{171, 427, 853, 768};
  EXPECT_EQ(nv::pageDishRect(box, kitchen43, {271, 568, 351, 648}),
            (KRect{650 + 249, 1595 - 498, 650 + 249 + 199, 1595 - 498 + 199}));
  // The same dish in a 16:9 kitchen's box (960 wide) lands at the same place of the page.
  const KRect kitchen169{480, 600, 1440, 1080};
  const KRect wide = nv::pageDishRect(box, kitchen169, {480 + 141, 1080 - 281, 621 + 113, 912});
  EXPECT_NEAR(wide.left, 899, 1);
  EXPECT_NEAR(wide.top, 1097, 1);
  EXPECT_NEAR(wide.width(), 199, 1);
  EXPECT_EQ(nv::pageDishRect(box, {}, {1, 2, 3, 4}).width(), 0);
  EXPECT_EQ(nv::fitCentred({100, 50}, {0, 0, 200, 200}), (KRect{0, 50, 200, 150}));
}

TEST(RiceBall, PlacementKeepsTheWindowOnTheScreen) {
  // Off the right edge of a smaller screen: flush with the right edge.
  nv::RiceBallPlacement p = nv::placeRiceBall(1500, 600, {200, 150}, 1024);
  EXPECT_EQ(p.left, 824);
  EXPECT_EQ(p.top, 450);
  EXPECT_EQ(p.bottom, 600);
  // A bottom above the window's height: at the top; the bottom follows.
  p = nv::placeRiceBall(-30, 100, {200, 150}, 1024);
  EXPECT_EQ(p.left, 0);
  EXPECT_EQ(p.top, 0);
  EXPECT_EQ(p.bottom, 150);
}

TEST(RiceBall, MoodsAndCountdown) {
  EXPECT_EQ(nv::riceBallPictureMood(5), 0);
  EXPECT_EQ(nv::riceBallPictureMood(-1), 0);
  EXPECT_EQ(nv::riceBallPictureMood(3), 3);
  EXPECT_EQ(nv::riceBallPictureMood(10), 10);

  nv::RiceBallCycle c;
  int first = 0, ticks = 0;
  bool closed = false;
  c.advance();  // the show
  while (!closed && ticks < 100) {
    // An extra paint of the first picture (the window uncovered) counts too.
    int paints = c.frame() == 0 && ticks == 2 ? 2 : 1;
    for (int i = 0; i < paints && !closed; ++i) {
      nv::RiceBallCycle::Paint p = c.paint();
      if (p == nv::RiceBallCycle::Paint::First) ++first;
      closed = p == nv::RiceBallCycle::Paint::Close;
    }
    c.advance();
    ++ticks;
  }
  EXPECT_TRUE(closed);
  EXPECT_EQ(first, 5);
  EXPECT_EQ(ticks, 9);  // one uncovering paint shortens the life by one cycle
}

}  // namespace
