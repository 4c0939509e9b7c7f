#pragma once
// The grid of dish cells laid over an opened appliance, and its paging: by two small
// buttons (style 0) or by a scroll bar at the top (1), right (2), bottom (3) or left (4).
#include <vector>

#include "bento/model/kitchen_geometry.h"

namespace nv {

enum class PagingKind { None, Buttons, HScroll, VScroll };
const char* pagingKindName(PagingKind kind);  // "none", "buttons", "hscroll", "vscroll"

inline constexpr int kScrollBarThickness = 16;
inline constexpr int kPagingButtonSize = 16;
inline constexpr int kMaxGridSide = 50;

struct ReizoukoGrid {
  int columns = 1, rows = 1;
  int style = 0;
  int d = 0;  // cell side
  int g = 0;  // pitch
  int x0 = 0, y0 = 0;
  PagingKind paging = PagingKind::None;
  KRect pagingRect;                 // scroll bar, or the union of the two buttons
  KRect backButton, forwardButton;  // buttons only
  std::vector<KRect> cells;         // row by row, left to right: the cells' homes

  int pageSize() const { return columns * rows; }
};

// Columns and rows are kept within 1..kMaxGridSide; a cell never has a negative side.
ReizoukoGrid layoutReizouko(const KRect& area, int columns, int rows, int style, int nameCount);

// Paging over `count` names, `page` names at a time.
int pageBack(int firstIndex, int page);
int pageForward(int firstIndex, int page, int count);

}  // namespace nv
