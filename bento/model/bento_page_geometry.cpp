#include "bento/model/bento_page_geometry.h"

#include <algorithm>

namespace nv {

PageArea pageArea(int pageWidth, int pageHeight) {
  PageArea a;
  a.A = int(pageWidth * 0.85);
  a.V = int(pageWidth * 0.85 * 3 * 0.25);
  if (a.V > pageHeight) {
    a.V = int(pageHeight * 0.85);
    a.A = int(pageHeight * 0.85 * 4 / 3);
  }
  a.x0 = int((pageWidth - a.A) * 0.5);
  a.y0 = int(a.V * (-1.0 / 6.0));
  a.yb = a.V + a.y0;
  return a;
}

KRect pageDishRect(const KRect& pageBox, const KRect& kitchenBox, const KRect& d) {
  const double k = kitchenBox.width() > 0 ? double(pageBox.width()) / kitchenBox.width() : 0;
  // Both boxes stand on their bottom edge: the page's on the area's bottom, the kitchen's on
  // the layout's.
  const int left = pageBox.left + int((d.left - kitchenBox.left) * k);
  const int top = pageBox.bottom + int((d.top - kitchenBox.bottom) * k);
  return {left, top, left + int(d.width() * k), top + int(d.height() * k)};
}

KRect pageBoxRect(const PageArea& area, KSize picture) {
  const int bw = int(area.A * 2.0 / 3.0);
  const int bh = picture.width > 0 ? int(double(picture.height) * bw / picture.width) : 0;
  const int left = area.x0 + (area.A - bw) / 2;
  return {left, area.yb - bh, left + bw, area.yb};
}

KRect pageGraphRect(const PageArea& area, int titleHeight) {
  const int left = area.x0 / 2, top = titleHeight + 10;
  return {left, top, left + area.A / 4, top + area.V / 4};
}

KRect pageRiceBallRect(const KRect& graph, int pageWidth) {
  return {pageWidth - graph.width(), graph.top, pageWidth, graph.bottom};
}

DishListLayout dishListLayout(const PageArea& area, int pageWidth, int pageHeight, int n) {
  DishListLayout l;
  n = std::max(0, n);
  l.R = std::max(0, pageHeight - area.yb);
  l.top = area.yb;
  // The search ends once R div r reaches 0 at the latest; a page too narrow for even that
  // keeps the last row count instead of looping on.
  int r = 1;
  while (int((pageWidth - (l.R / r) * (n / r)) * 0.5) < 1 && r <= std::max(l.R, n)) ++r;
  l.rows = r;
  l.columns = std::max(10, n / r);
  l.cell = std::min(area.A / l.columns, l.R / (n / l.columns + 1));
  l.leftMargin = int((pageWidth - std::min(n, l.columns) * l.cell) * 0.5);
  return l;
}

KRect DishListLayout::cellRect(int k) const {
  const int left = leftMargin + (k % columns) * cell, top0 = top + (k / columns) * cell;
  return {left, top0, left + cell, top0 + cell};
}

KRect fitCentred(KSize picture, const KRect& frame) {
  const KSize s = fitPicture(picture, {frame.width(), frame.height()});
  const int left = frame.left + (frame.width() - s.width) / 2;
  const int top = frame.top + (frame.height() - s.height) / 2;
  return {left, top, left + s.width, top + s.height};
}

}  // namespace nv
