#include "widgets/grid_printer.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace nv {

void TStrGridPrinter::setGrid(std::vector<std::vector<QString>> cells,
                              std::vector<int> columnWidths, int rowHeight, const QFont& font) {
  cells_ = std::move(cells);
  widths_ = std::move(columnWidths);
  rowHeight_ = std::max(1, rowHeight);
  font_ = font;
  current_ = -1;
}

TStrGridPrinter::Fit TStrGridPrinter::fitFor(QSize target, int reserved) const {
  const double s =
      std::min(double(target.width()) / kScreenWidth, double(target.height()) / kScreenHeight);
  if (s <= 0) return {};
  // The page's own width, which a landscape page makes wider than the 1000 pixels.
  const double band = target.width() / s;
  const int tableWidth = std::accumulate(widths_.begin(), widths_.end(), 0);
  const double fit = tableWidth > band ? std::max(kMinFit, band / tableWidth) : 1.0;
  Fit f;
  f.scale = s * fit;
  // Rounded, so that a table shrunk to the page's width is not a rounding error too wide.
  f.bandWidth = int(std::lround(target.width() / f.scale));
  f.bandHeight = int((target.height() - reserved) / f.scale);
  return f;
}

std::vector<GridPage> TStrGridPrinter::pages(QSize target, int reserved) const {
  const Fit f = fitFor(target, reserved);
  if (f.scale <= 0) return {};
  return gridPages(widths_, int(cells_.size()), rowHeight_, f.bandWidth, f.bandHeight, 1, repeat_);
}

int TStrGridPrinter::pageCount(QSize target, int reserved) const {
  return int(pages(target, reserved).size());
}

bool TStrGridPrinter::paintPage(QPainter& painter, const QRect& target, int index,
                                int reserved) const {
  const std::vector<GridPage> all = pages(target.size(), reserved);
  if (index < 0 || index >= int(all.size())) return false;
  const GridPage& page = all[size_t(index)];
  const double s = fitFor(target.size(), reserved).scale;

  painter.save();
  painter.translate(target.left(), target.top() + reserved);
  painter.scale(s, s);
  QFont font = font_;
  if (font.pixelSize() <= 0) font.setPixelSize(12);
  painter.setFont(font);
  const QPen line(QColor(128, 128, 128), 0);

  auto drawRow = [&](int row, int y) {
    int x = 0;
    std::vector<int> shown;
    for (int c = 0; c < page.repeatCols; ++c) shown.push_back(c);
    for (int c = page.firstCol; c < page.endCol; ++c) shown.push_back(c);
    for (int c : shown) {
      const int w = widths_[size_t(c)];
      const QRect cell(x, y, w, rowHeight_);
      if (row == 0) painter.fillRect(cell, QColor(224, 224, 224));
      painter.setPen(line);
      painter.drawRect(cell);
      const auto& cells = cells_[size_t(row)];
      if (size_t(c) < cells.size()) {
        painter.setPen(Qt::black);
        painter.drawText(cell.adjusted(2, 0, -1, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         cells[size_t(c)]);
      }
      x += w;
    }
  };
  int y = 0;
  drawRow(0, y);
  for (int r = page.firstRow; r < page.endRow; ++r) drawRow(r, y += rowHeight_);
  painter.restore();
  return true;
}

bool TStrGridPrinter::renderPage(QImage& image, int index, int reserved) const {
  if (index < 0 || index >= pageCount(image.size(), reserved)) return false;
  image.fill(Qt::white);
  QPainter painter(&image);
  return paintPage(painter, image.rect(), index, reserved);
}

bool TStrGridPrinter::firstPage(QImage& image, int reserved) {
  if (!renderPage(image, 0, reserved)) return false;
  current_ = 0;
  return true;
}

bool TStrGridPrinter::nextPage(QImage& image, int reserved) {
  if (!renderPage(image, current_ + 1, reserved)) return false;
  ++current_;
  return true;
}

bool TStrGridPrinter::previousPage(QImage& image, int reserved) {
  if (current_ <= 0 || !renderPage(image, current_ - 1, reserved)) return false;
  --current_;
  return true;
}

}  // namespace nv
