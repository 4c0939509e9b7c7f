#include "widgets/grid_pages.h"

#include <algorithm>
#include <numeric>

namespace nv {

std::vector<GridPage> gridPages(const std::vector<int>& columnWidths, int rowCount, int rowHeight,
                                int pageWidth, int pageHeight, int headerRows, int repeatColumns) {
  std::vector<GridPage> pages;
  const int columns = int(columnWidths.size());
  if (columns == 0 || rowCount <= 0) return pages;
  headerRows = std::clamp(headerRows, 0, rowCount);
  repeatColumns = std::clamp(repeatColumns, 0, columns);
  const int repeatWidth =
      std::accumulate(columnWidths.begin(), columnWidths.begin() + repeatColumns, 0);

  struct Band {
    int first, end, repeat;
  };
  std::vector<Band> bands;
  for (int c = 0; c < columns;) {
    // A continuation band repeats the leading columns when the next column still fits beside
    // them.
    const bool repeat = c > 0 && c >= repeatColumns && repeatColumns > 0 &&
                        repeatWidth + columnWidths[size_t(c)] <= pageWidth;
    int width = repeat ? repeatWidth : 0, end = c;
    while (end < columns && (end == c || width + columnWidths[size_t(end)] <= pageWidth))
      width += columnWidths[size_t(end++)];
    bands.push_back({c, end, repeat ? repeatColumns : 0});
    c = end;
  }

  const int rowsPerPage = std::max(1, pageHeight / std::max(1, rowHeight) - headerRows);
  int first = headerRows;
  do {
    const int end = std::min(rowCount, first + rowsPerPage);
    for (const Band& b : bands) pages.push_back({first, end, b.first, b.end, b.repeat});
    first = end;
  } while (first < rowCount);
  return pages;
}

}  // namespace nv
