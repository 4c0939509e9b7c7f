#include "widgets/grid_pages.h"

#include <algorithm>

namespace nv {

std::vector<GridPage> gridPages(const std::vector<int>& columnWidths, int rowCount, int rowHeight,
                                int pageWidth, int pageHeight, int headerRows) {
  std::vector<GridPage> pages;
  const int columns = int(columnWidths.size());
  if (columns == 0 || rowCount <= 0) return pages;
  headerRows = std::clamp(headerRows, 0, rowCount);

  std::vector<std::pair<int, int>> bands;
  for (int c = 0; c < columns;) {
    int width = 0, end = c;
    while (end < columns && (end == c || width + columnWidths[size_t(end)] <= pageWidth))
      width += columnWidths[size_t(end++)];
    bands.emplace_back(c, end);
    c = end;
  }

  const int rowsPerPage = std::max(1, pageHeight / std::max(1, rowHeight) - headerRows);
  int first = headerRows;
  do {
    const int end = std::min(rowCount, first + rowsPerPage);
    for (auto [c0, c1] : bands) pages.push_back({first, end, c0, c1});
    first = end;
  } while (first < rowCount);
  return pages;
}

}  // namespace nv
