#pragma once
// The width of a string grid's columns: each its widest text over all rows plus 4 pixels.
// The grid on screen, the print dialog's printer and nvtool all size columns by this one rule.
#include <QString>
#include <vector>

class QFontMetrics;

namespace nv {

std::vector<int> gridColumnWidths(const std::vector<std::vector<QString>>& cells,
                                  const QFontMetrics& metrics);

}  // namespace nv
