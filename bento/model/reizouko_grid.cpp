#include "bento/model/reizouko_grid.h"

#include <algorithm>

namespace nv {

const char* pagingKindName(PagingKind kind) {
  switch (kind) {
    case PagingKind::Buttons:
      return "buttons";
    case PagingKind::HScroll:
      return "hscroll";
    case PagingKind::VScroll:
      return "vscroll";
    case PagingKind::None:
      break;
  }
  return "none";
}

ReizoukoGrid layoutReizouko(const KRect& area, int columns, int rows, int style, int nameCount) {
  ReizoukoGrid grid;
  // An absurd grid from a hand-edited settings file would create millions of cells.
  grid.columns = std::clamp(columns, 1, kMaxGridSide);
  grid.rows = std::clamp(rows, 1, kMaxGridSide);
  grid.style = style;
  const int C = grid.columns, R = grid.rows;
  int mw = 0, mh = 0;
  if (style == 0) mh = 20;
  if (style == 1 || style == 3) mh = kScrollBarThickness;
  if (style == 2 || style == 4) mw = kScrollBarThickness;
  grid.d = std::max(
      0, std::min((area.width() - mw - 2 * C - 2) / C, (area.height() - mh - 2 * R - 2) / R));
  grid.g = grid.d + 2;
  const int L = area.left, T = area.top, Rt = area.right, B = area.bottom, g = grid.g;
  const bool paged = C * R < nameCount;
  switch (style) {
    case 1:
      grid.x0 = L + (Rt - L - C * g + 2) / 2;
      grid.y0 = T + (B - T - R * g - 14) / 2 + 16;
      if (paged) grid.pagingRect = {L, T, Rt, T + kScrollBarThickness};
      grid.paging = PagingKind::HScroll;
      break;
    case 2:
      grid.x0 = L + (Rt - L - C * g - 14) / 2;
      grid.y0 = T + (B + 2 - T - R * g) / 2;
      if (paged) grid.pagingRect = {Rt - kScrollBarThickness, T, Rt, B};
      grid.paging = PagingKind::VScroll;
      break;
    case 3:
      grid.x0 = L + (Rt - L - C * g + 2) / 2;
      grid.y0 = T + (B - T - R * g - 14) / 2;
      if (paged) grid.pagingRect = {L, B - kScrollBarThickness, Rt, B};
      grid.paging = PagingKind::HScroll;
      break;
    case 4:
      grid.x0 = L + (Rt - L - C * g - 14) / 2 + 16;
      grid.y0 = T + (B + 2 - T - R * g) / 2;
      if (paged) grid.pagingRect = {L, T, L + kScrollBarThickness, B};
      grid.paging = PagingKind::VScroll;
      break;
    default: {
      grid.x0 = L + (Rt - L - C * g + 2) / 2;
      grid.y0 = T + (B - T - R * g - 18) / 2;
      const int k = kPagingButtonSize;
      if (paged) {
        grid.backButton = {L + 1, B - 17, L + 1 + k, B - 17 + k};
        grid.forwardButton = {Rt - 17, B - 17, Rt - 17 + k, B - 17 + k};
        grid.pagingRect = {L + 1, B - 17, Rt - 17 + k, B - 17 + k};
      }
      grid.paging = PagingKind::Buttons;
      break;
    }
  }
  if (!paged) grid.paging = PagingKind::None;
  grid.cells.reserve(size_t(C) * size_t(R));
  for (int r = 0; r < R; ++r)
    for (int c = 0; c < C; ++c) {
      const int x = grid.x0 + c * g, y = grid.y0 + r * g;
      grid.cells.push_back({x, y, x + grid.d, y + grid.d});
    }
  return grid;
}

int pageBack(int firstIndex, int page) { return std::max(0, firstIndex - page); }

int pageForward(int firstIndex, int page, int count) {
  return firstIndex + page < count ? firstIndex + page : firstIndex;
}

}  // namespace nv
