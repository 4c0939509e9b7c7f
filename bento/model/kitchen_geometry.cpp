#include "bento/model/kitchen_geometry.h"

#include <algorithm>
#include <cmath>

namespace nv {
namespace {

int truncToInt(double v) {
  if (!std::isfinite(v)) return 0;
  v = std::clamp(v, -2147483000.0, 2147483000.0);
  return static_cast<int>(v);  // toward zero
}

int zoomX(int design, double s) {
  const int x = truncToInt(truncToInt(design * s) * 1.1);
  return truncToInt(x - kZoomShiftX * s);
}

int zoomY(int design, double s) {
  const int y = truncToInt(truncToInt(design * s) * 1.3);
  return truncToInt(y - kZoomShiftY * s);
}

// Height of a picture shown `width` pixels wide; 0 for a missing picture.
int heightAtWidth(KSize picture, int width) {
  if (picture.width <= 0) return 0;
  return truncToInt(picture.height * (double(width) / picture.width));
}

}  // namespace

KRect movedRect(const KRect& r, int dx, int dy) {
  return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

KRect clippedRect(const KRect& r, const KRect& frame) {
  const KRect c{std::max(r.left, frame.left), std::max(r.top, frame.top),
                std::min(r.right, frame.right), std::min(r.bottom, frame.bottom)};
  return c.left < c.right && c.top < c.bottom ? c : KRect{};
}

double kitchenScale(int width, int height) { return std::min(width / 1024.0, height / 768.0); }

int scaled(double design, double s) { return truncToInt(design * s); }

KRect scaledRect(const KRect& d, double s) {
  return {scaled(d.left, s), scaled(d.top, s), scaled(d.right, s), scaled(d.bottom, s)};
}

KRect zoomedRect(const KRect& d, double s) {
  return {zoomX(d.left, s), zoomY(d.top, s), zoomX(d.right, s), zoomY(d.bottom, s)};
}

bool isAppliance(KitchenArea a) { return a >= KitchenArea::Freezer && a <= KitchenArea::Oven; }

KRect kitchenDesignRect() { return {0, 0, 1024, 768}; }
KRect exitDesignRect() { return {972, 0, 1024, 52}; }
KRect recipeBookDesignRect() { return {180, 406, 283, 453}; }

KRect applianceDesignRect(KitchenArea appliance) {
  switch (appliance) {
    case KitchenArea::Refrigerator:
      return {862, 186, 1023, 430};
    case KitchenArea::Freezer:
      return {862, 430, 1023, 552};
    case KitchenArea::FryingPan:
      return {17, 492, 90, 523};
    case KitchenArea::Pot:
      return {108, 468, 175, 512};
    case KitchenArea::Cupboard:
      return {368, 70, 542, 242};
    case KitchenArea::RiceCooker:
      return {623, 411, 696, 463};
    case KitchenArea::Oven:
      return {755, 413, 863, 490};
    default:
      return {};
  }
}

KRect KitchenAreas::appliance(KitchenArea a) const {
  if (!isAppliance(a)) return {};
  // The zoomed kitchen reaches past the layout; what lies beyond the window cannot be clicked.
  return clippedRect(place(zoomedRect(applianceDesignRect(a), s)), {0, 0, width, height});
}

KitchenAreas computeKitchenAreas(int windowWidth, int windowHeight,
                                 const KitchenPictureSizes& pictures) {
  KitchenAreas a;
  a.width = windowWidth;
  a.height = windowHeight;
  a.s = kitchenScale(windowWidth, windowHeight);
  // The layout keeps 4:3 in whole pixels: the full width when the window is taller than 4:3,
  // else the full height.
  const int W = std::max(0, std::min(windowWidth, windowHeight * 4 / 3));
  const int H = std::max(0, std::min(windowHeight, windowWidth * 3 / 4));
  a.layoutWidth = W;
  a.layoutHeight = H;
  a.originX = (windowWidth - W) / 2;
  a.originY = (windowHeight - H) / 2;
  a.kitchenOverview = a.place({0, 0, W, H});
  a.kitchenWorking = a.place(zoomedRect(kitchenDesignRect(), a.s));
  a.exit = a.place(scaledRect(exitDesignRect(), a.s));
  a.bookOverview = a.place(scaledRect(recipeBookDesignRect(), a.s));
  a.bookWorking = a.place(zoomedRect(recipeBookDesignRect(), a.s));

  const int bw = truncToInt(W * 2.0 / 3.0);
  const int left = (W - bw) / 2;
  const double k = pictures.box.width > 0 ? double(bw) / pictures.box.width : 0;
  const int bh = truncToInt(pictures.box.height * k);
  a.largeBox = {left, H - bh, left + bw, H};

  const int fw = truncToInt(pictures.boxFront.width * k);
  const int fh = truncToInt(pictures.boxFront.height * k);
  a.boxFront = {left, H - fh, left + fw, H};

  const int cw = truncToInt((W - (left + bw)) * 1.1);
  const int cl = W - cw;
  const int ch = heightAtWidth(pictures.coaster, W - cl);
  a.coaster = {cl, H - ch, W, H};
  a.coasterArea = {cl, a.coaster.top + ch * 3 / 4, W, H};

  const int sw = W / 8;
  const int sl = (W - sw) / 2;
  a.smallBox = {sl, H - heightAtWidth(pictures.box, sw), sl + sw, H};

  a.graph = {2, H - scaled(120, a.s), a.largeBox.left, H};
  for (KRect* r : {&a.largeBox, &a.boxFront, &a.coaster, &a.coasterArea, &a.smallBox, &a.graph})
    *r = a.place(*r);
  return a;
}

KitchenArea kitchenAreaAt(const KitchenAreas& areas, bool overview, bool graphShown, int x, int y) {
  if (!overview && graphShown && areas.graph.contains(x, y)) return KitchenArea::Graph;
  if (overview && areas.smallBox.contains(x, y)) return KitchenArea::SmallBox;
  if (areas.book(overview).contains(x, y)) return KitchenArea::RecipeBook;
  if (overview) return KitchenArea::None;
  for (KitchenArea a :
       {KitchenArea::Freezer, KitchenArea::Refrigerator, KitchenArea::FryingPan, KitchenArea::Pot,
        KitchenArea::Cupboard, KitchenArea::RiceCooker, KitchenArea::Oven})
    if (areas.appliance(a).contains(x, y)) return a;
  return KitchenArea::None;
}

KRect confinementBounds(const KitchenAreas& areas, bool insideBox) {
  if (!insideBox) return areas.coasterArea;
  const KRect& box = areas.largeBox;
  const int m = truncToInt(0.04 * box.width());
  // The bottom edge stops at the rim's top: a dish let go lower would hide its name behind it.
  return {box.left + m, box.top + areas.boxFront.height(), box.right - m, areas.boxFront.top};
}

KRect confine(const KRect& dish, const KRect& bounds) {
  const int w = dish.width(), h = dish.height();
  int left = dish.left, top = dish.top;
  if (left < bounds.left) left = bounds.left;
  if (left + w > bounds.right) left = bounds.right - w;
  if (top + h < bounds.top) top = bounds.top - h;
  if (top + h > bounds.bottom) top = bounds.bottom - h;
  return {left, top, left + w, top + h};
}

bool frontCoversDish(const KitchenAreas& areas, const KRect& dish) {
  return dish.bottom >= areas.boxFront.top;
}

KSize fitPicture(KSize picture, KSize box) {
  if (picture.width <= 0 || picture.height <= 0) return {};
  const double k = std::min(double(box.height) / picture.height, double(box.width) / picture.width);
  return {int(std::floor(picture.width * k)), int(std::floor(picture.height * k))};
}

KRect newPlacedDishRect(int x, int y, int size, double s, KSize picture) {
  const int side = std::max(0, scaled(size, s));
  KSize sz{side, side};
  if (picture.width > 0 && picture.height > 0) sz = fitPicture(picture, sz);
  const int left = x - sz.width / 2, top = y - sz.height / 2;
  return {left, top, left + sz.width, top + sz.height};
}

}  // namespace nv
