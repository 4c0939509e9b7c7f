#pragma once
// Where everything of the kitchen lies on the screen. Positions are designed in a 1024 x 768
// space and mapped with one scale s = min(width / 1024, height / 768), so the whole kitchen
// fits any screen shape; the scaled layout is centred in the window and the margins beside
// (or above and below) it show the background's edges. Every conversion truncates toward
// zero. The window paints and routes events; these functions decide.
#include <string>

namespace nv {

// (left, top, right, bottom); right and bottom are exclusive.
struct KRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  bool operator==(const KRect&) const = default;
};

// r moved by (dx, dy); the part of r inside `frame` (empty when they do not meet).
KRect movedRect(const KRect& r, int dx, int dy);
KRect clippedRect(const KRect& r, const KRect& frame);

struct KSize {
  int width = 0, height = 0;
  bool operator==(const KSize&) const = default;
};

// The working view's offsets, as stored doubles (not 51.2 and 229.8).
inline constexpr double kZoomShiftX = 51.200000000000045;
inline constexpr double kZoomShiftY = 229.80000000000004;

// min(width / 1024, height / 768): the scale at which the designed kitchen fits the window.
double kitchenScale(int width, int height);
int scaled(double design, double s);
KRect scaledRect(const KRect& design, double s);
// Scaled, then x x 1.1 and y x 1.3, then shifted left and up by the stored offsets x s.
KRect zoomedRect(const KRect& design, double s);

// The clickable parts of the kitchen, in the order a press looks them up.
enum class KitchenArea {
  None,
  Graph,
  SmallBox,
  RecipeBook,
  Freezer,
  Refrigerator,
  FryingPan,
  Pot,
  Cupboard,
  RiceCooker,
  Oven,
};
bool isAppliance(KitchenArea a);

// Design rectangles.
KRect kitchenDesignRect();
KRect exitDesignRect();
KRect recipeBookDesignRect();
// Of an appliance; an empty rectangle for anything else.
KRect applianceDesignRect(KitchenArea appliance);

// The sizes of the three pictures the computed areas follow (0 x 0 when missing).
struct KitchenPictureSizes {
  KSize box, boxFront, coaster;
};

// Every area of the window for one client size. The layout (the 1024 x 768 design at scale s)
// lies at (originX, originY); every rectangle below is in window pixels.
struct KitchenAreas {
  double s = 1;
  int width = 0, height = 0;
  int originX = 0, originY = 0;
  int layoutWidth = 0, layoutHeight = 0;
  KRect kitchenOverview, kitchenWorking;
  KRect exit;
  KRect bookOverview, bookWorking;
  KRect smallBox, largeBox;
  KRect boxFront;
  KRect coaster, coasterArea;
  KRect graph;

  // Zoomed and clipped to the window: the part a child can click.
  KRect appliance(KitchenArea a) const;
  // A rectangle of the layout (at scale s, origin at its top-left) in window pixels.
  KRect place(const KRect& layoutRect) const { return movedRect(layoutRect, originX, originY); }
  KRect layout() const { return {originX, originY, originX + layoutWidth, originY + layoutHeight}; }
  KRect book(bool overview) const { return overview ? bookOverview : bookWorking; }
  KRect box(bool overview) const { return overview ? smallBox : largeBox; }
  KRect kitchen(bool overview) const { return overview ? kitchenOverview : kitchenWorking; }
};
KitchenAreas computeKitchenAreas(int width, int height, const KitchenPictureSizes& pictures);

// The first area containing the point: the graph (working view with the graph shown), the
// small box (overview), the recipe book, then the appliances (working view).
KitchenArea kitchenAreaAt(const KitchenAreas& areas, bool overview, bool graphShown, int x, int y);

// Where a placed dish may go. insideBox: its placement is the lunch box; else the coaster.
// In the box a dish's bottom edge stays above the front's top, so that the rim never hides
// its picture and name.
KRect confinementBounds(const KitchenAreas& areas, bool insideBox);
// The dish moved into its bounds (whole width inside; only the bottom edge kept between the
// bounds' top and bottom).
KRect confine(const KRect& dish, const KRect& bounds);
// Whether the box front has to be drawn over a dish of the box after it moved.
bool frontCoversDish(const KitchenAreas& areas, const KRect& dish);

// A new placed dish: `size` design pixels square, centred on the drop point (window pixels);
// with a picture, fitted into that square keeping the picture's proportions.
KRect newPlacedDishRect(int centreX, int centreY, int size, double s, KSize picture);
// A picture fitted into a box: floor(side x k) with k the smaller of the two ratios.
KSize fitPicture(KSize picture, KSize box);

}  // namespace nv
