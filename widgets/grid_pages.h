#pragma once
// How a string grid is cut into printed pages: whole columns across, whole rows down, the
// header rows repeated on every page. Sizes are in screen pixels of the grid.
#include <vector>

namespace nv {

struct GridPage {
  int firstRow = 0, endRow = 0;  // body rows [firstRow, endRow)
  int firstCol = 0, endCol = 0;  // columns [firstCol, endCol)
  int repeatCols = 0;            // columns [0, repeatCols) drawn first, before firstCol
  bool operator==(const GridPage&) const = default;
};

// Pages in reading order: the column bands of the first rows side by side, then the next
// rows. A column or row larger than the page still gets a page of its own. The first
// `repeatColumns` columns (the ones that say what a row is) open every band after the first,
// so a continuation page can be read on its own; they are left out when they would leave
// no room for another column.
std::vector<GridPage> gridPages(const std::vector<int>& columnWidths, int rowCount, int rowHeight,
                                int pageWidth, int pageHeight, int headerRows = 1,
                                int repeatColumns = 0);

}  // namespace nv
