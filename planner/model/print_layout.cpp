#include "planner/model/print_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/text.h"

namespace nv {

PageGeometry pageGeometry(int pageWidth, int pageHeight, int checkedCharts) {
  PageGeometry g;
  g.pageWidth = pageWidth;
  g.pageHeight = pageHeight;
  g.marginX = pageWidth * 4 / 100;
  g.marginY = pageHeight / 100;
  g.cellWidth = checkedCharts <= 1 ? pageWidth - 2 * g.marginX : (pageWidth - 3 * g.marginX) / 2;
  g.cellHeight = pageHeight - 2 * g.marginY;
  return g;
}

std::vector<ChartCell> chartCells(const PageGeometry& g, int count) {
  std::vector<ChartCell> cells;
  int page = 0, x = g.marginX, y = g.marginY;
  for (int i = 0; i < count; ++i) {
    if (y >= g.pageHeight - g.marginY) {
      ++page;
      y = g.marginY;
    }
    cells.push_back({page, x, y});
    x += g.marginX + g.cellWidth;
    if (x >= g.pageWidth - g.marginX) {
      x = g.marginX;
      y += g.marginY + g.cellHeight;
    }
  }
  return cells;
}

int dishSlotSide(const PageGeometry& g, int dishCount) {
  const int height = g.cellHeight - g.chartHeight();
  int side = g.slotSide();
  // Smaller slots rather than dishes running off the page: the largest side at which every
  // dish of the cell has a slot below the chart.
  while (side > 1 && int64_t(g.cellWidth / side) * (height / side) < dishCount) --side;
  return side;
}

std::vector<IntRect> dishSlots(const PageGeometry& g, int x, int y, int dishCount) {
  std::vector<IntRect> slots;
  const int side = dishSlotSide(g, dishCount);
  if (side <= 0) return slots;
  const int perRow = std::max(1, g.cellWidth / side);
  const int top = y + g.chartHeight();
  for (int i = 0; i < dishCount; ++i)
    slots.push_back({x + (i % perRow) * side, top + (i / perRow) * side, side, side});
  return slots;
}

IntSize dishPictureSize(int pictureWidth, int pictureHeight, int slotSide, double scale) {
  if (pictureWidth <= 0 || pictureHeight <= 0 || slotSide <= 0) return {};
  // A dish without a standard weight is drawn at its fitted size rather than infinitely.
  if (!std::isfinite(scale) || scale < 0) scale = 1.0;
  const double fit = std::min(double(slotSide) / pictureWidth, double(slotSide) / pictureHeight);
  const double factor = 0.8 * scale * fit;
  return {int(std::floor(pictureWidth * factor)), int(std::floor(pictureHeight * factor))};
}

IntRect dishPictureRect(const IntRect& slot, IntSize size) {
  return {slot.x + (slot.width - size.width) / 2, slot.y, size.width, size.height};
}

std::string dishPicturePath(const std::string& folder, const std::string& dishName) {
  // A name from the dish data never reaches outside the folder ('/' and '.' are never the
  // second byte of a character).
  if (dishName.empty() || dishName.find('/') != std::string::npos ||
      dishName.find("..") != std::string::npos)
    return {};
  return folder + dishName + ".bmp";
}

std::vector<PreviewPage> previewPages(int tablePages, int checkedCharts) {
  std::vector<PreviewPage> pages;
  for (int i = 0; i < tablePages; ++i) pages.push_back({PreviewPage::Table, i, 0, 0});
  for (int k = 0; 2 * k < checkedCharts; ++k)
    pages.push_back({PreviewPage::Charts, k, 2 * k, std::min(2, checkedCharts - 2 * k)});
  return pages;
}

const PreviewPage* PreviewPager::page() const {
  return pages_.empty() ? nullptr : &pages_[size_t(current_)];
}

bool PreviewPager::next() {
  if (!hasNext()) return false;
  ++current_;
  return true;
}

bool PreviewPager::previous() {
  if (!hasPrevious()) return false;
  --current_;
  return true;
}

std::string noMenuToPrint() { return sj("印刷する献立がありません。"); }

std::string printRequestProblem(bool hasMenu, bool tableChecked, int checkedCharts) {
  if (!hasMenu) return sj("印刷するデータがありません。");
  if (!tableChecked && checkedCharts <= 0) return sj("印刷する表かグラフを指定して下さい。");
  return {};
}

std::string printJobTitle(const std::string& childName) { return childName + sj("さんの献立"); }

}  // namespace nv
