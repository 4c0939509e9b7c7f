#pragma once
// The recipe page on its 640 x 480 design grid: the rectangles of its frame. artgen draws the
// page background from them, and the page lays its title, picture, ingredient table, steps
// and cutting pictures out inside them, so the drawing and the layout never disagree.
// Rectangles: right and bottom exclusive.
#include "bento/model/kitchen_geometry.h"

namespace nv {

struct RecipeFrame {
  static constexpr int kWidth = 640, kHeight = 480;

  static constexpr KRect paper{10, 10, 630, 470};  // the sheet on its green ground
  // Left page: the title above the dish picture's panel, the ingredient table's panel below.
  static constexpr KRect titleBand{46, 14, 276, 44};  // the title centred in it (x = 161)
  static constexpr KRect picturePanel{46, 46, 276, 268};
  static constexpr KRect picture{56, 52, 266, 262};  // the dish picture's square
  static constexpr KRect ingredientPanel{46, 272, 276, 460};
  static constexpr KRect ingredients{55, 278, 267, 454};  // the table, two columns
  // Right page: the steps, and the cutting pictures in one row below them (slots of at most
  // 96, 332 in all).
  static constexpr KRect stepsPanel{280, 14, 624, 460};
  static constexpr KRect steps{288, 28, 614, 418};
  static constexpr KRect cutting{288, 338, 620, 434};
  static constexpr int stepsBottomAboveCutting = 333;
  // The window's controls lie over the bottom of the right page (left and top only).
  static constexpr KRect kirikataLabel{296, 440, 0, 0};
  static constexpr KRect printButton{470, 440, 0, 0};
  static constexpr KRect closeButton{540, 440, 0, 0};
  static constexpr KRect pageButton{380, 440, 0, 0};
};

// The largest size in `picture`'s proportions within maxWidth x maxHeight (at least 1 x 1),
// never larger than the picture itself unless `enlarge`.
KSize fitPicture(KSize picture, int maxWidth, int maxHeight, bool enlarge);
// A window's title bar and frame, left free below the screen's available height.
inline constexpr int kTitleBarRoom = 48;

}  // namespace nv
