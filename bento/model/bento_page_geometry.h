#pragma once
// Where everything of the printed lunch-box page lies, in printer pixels. The page shows the
// box with its dishes and its front in an area of 4:3, the graph at the top left, the rice ball
// at the top right and the list of dishes below the area. The dishes keep their places
// relative to the box, whatever the shape of the screen the kitchen was on.
#include "bento/model/kitchen_geometry.h"

namespace nv {

struct PageArea {
  int A = 0, V = 0;    // area width and height
  int x0 = 0, y0 = 0;  // area left; top offset (negative: the kitchen's upper part is cut)
  int yb = 0;          // area bottom, V + y0
};
// The 4:3 area in 85 % of the page width, or of the page height when that would not fit.
PageArea pageArea(int pageWidth, int pageHeight);

// A dish of the kitchen on the page: its place relative to the kitchen's box (window pixels)
// carried to the page's box on both axes, scaled by page box width / kitchen box width.
KRect pageDishRect(const KRect& pageBox, const KRect& kitchenBox, const KRect& dish);
// The box (and its front): two thirds of the area wide, centred, its bottom on yb.
KRect pageBoxRect(const PageArea& area, KSize picture);
// The graph below the title of height titleHeight.
KRect pageGraphRect(const PageArea& area, int titleHeight);
// The rice ball's frame: the graph's size, its right edge on the page's right edge.
KRect pageRiceBallRect(const KRect& graph, int pageWidth);

struct DishListLayout {
  int R = 0;           // the height below the area
  int rows = 1;        // r of the row search
  int columns = 10;    // at least 10
  int cell = 0;        // square cell side
  int leftMargin = 0;  // centres min(n, columns) cells on the page
  int top = 0;         // yb
  // The cell of the k-th dish drawn (reverse list order, from 0).
  KRect cellRect(int k) const;
};
DishListLayout dishListLayout(const PageArea& area, int pageWidth, int pageHeight, int dishes);

// A picture fitted into a frame, keeping its proportions, centred in it.
KRect fitCentred(KSize picture, const KRect& frame);

}  // namespace nv
