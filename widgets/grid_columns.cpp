#include "widgets/grid_columns.h"

#include <QFontMetrics>
#include <algorithm>

namespace nv {

std::vector<int> gridColumnWidths(const std::vector<std::vector<QString>>& cells,
                                  const QFontMetrics& metrics) {
  std::vector<int> widths;
  for (const auto& row : cells) {
    if (widths.size() < row.size()) widths.resize(row.size(), 0);
    for (size_t c = 0; c < row.size(); ++c)
      widths[c] = std::max(widths[c], metrics.horizontalAdvance(row[c]));
  }
  for (int& w : widths) w += 4;
  return widths;
}

}  // namespace nv
