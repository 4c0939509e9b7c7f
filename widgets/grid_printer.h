#pragma once
// TStrGridPrinter: prints a string grid across as many pages as it needs and renders it page
// by page into an image for a preview. A page shows 1000 x 900 screen pixels of the grid,
// scaled evenly so the cells keep their shape. A grid wider than the page is first shrunk to
// the page's width, down to a readable letter size; past that it is cut into column bands,
// each continuation band opening with the grid's leading (repeated) columns.
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
  // The smallest shrink of a grid too wide for the page: the grid's 12-pixel letters print
  // no smaller than 10 (6.5 points on landscape A4).
  static constexpr double kMinFit = 10.0 / 12.0;

  // Cells as the grid shows them, row 0 the header; column widths and the row height in
  // screen pixels; the font the grid uses on screen (its pixel size is scaled per page).
  void setGrid(std::vector<std::vector<QString>> cells, std::vector<int> columnWidths,
               int rowHeight, const QFont& font);
  // The leading columns that open every continuation band (row number, names).
  void setRepeatedColumns(int count) { repeat_ = count; }

  // How the grid sits on a target of this size (device units): device units per screen
  // pixel, and how many screen pixels of the grid a page holds across and down.
  struct Fit {
    double scale = 0;
    int bandWidth = 0, bandHeight = 0;
  };
  Fit fitFor(QSize target, int reserved = 0) const;

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
  std::vector<std::vector<QString>> cells_;
  std::vector<int> widths_;
  int rowHeight_ = 16;
  QFont font_;
  int repeat_ = 0;
  int current_ = -1;
};

}  // namespace nv
