#pragma once
// TStrGridPrinter: prints a string grid across as many pages as it needs and renders it page
// by page into an image for a preview. A page shows 1000 x 900 screen pixels of the grid,
// scaled evenly so the cells keep their shape.
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <vector>

#include "widgets/grid_pages.h"

class QPainter;

namespace nv {

class TStrGridPrinter {
 public:
  static constexpr int kScreenWidth = 1000;
  static constexpr int kScreenHeight = 900;

  // Cells as the grid shows them, row 0 the header; column widths and the row height in
  // screen pixels; the font the grid uses on screen (its pixel size is scaled per page).
  void setGrid(std::vector<std::vector<QString>> cells, std::vector<int> columnWidths,
               int rowHeight, const QFont& font);

  // The pages for a target of this size (device units); the top `reserved` units of every
  // page stay free for a title.
  std::vector<GridPage> pages(QSize target, int reserved = 0) const;
  int pageCount(QSize target, int reserved = 0) const;
  // Paints page `index` into `target` of the painter's device; false when there is no such page.
  bool paintPage(QPainter& painter, const QRect& target, int index, int reserved = 0) const;

  // Page by page into an image of the image's own size (cleared to white first), keeping
  // the position; each tells whether such a page existed (the image is left as it was if not).
  bool firstPage(QImage& image, int reserved = 0);
  bool nextPage(QImage& image, int reserved = 0);
  bool previousPage(QImage& image, int reserved = 0);
  bool renderPage(QImage& image, int index, int reserved = 0) const;
  int currentPage() const { return current_; }

 private:
  double scaleFor(QSize target) const;

  std::vector<std::vector<QString>> cells_;
  std::vector<int> widths_;
  int rowHeight_ = 16;
  QFont font_;
  int current_ = -1;
};

}  // namespace nv
