#pragma once
// The printed menu: the nutrient table's pages, then the checked meals' charts with their
// dish pictures, two cells a landscape page. One painter function draws every page, so the
// printer, the PDF writer and the print preview show the same thing.
#include <QFont>
#include <QImage>
#include <QSize>
#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "planner/model/print_layout.h"
#include "widgets/grid_printer.h"
#include "widgets/paper_chart.h"

class QPainter;
class QPagedPaintDevice;

namespace nv {

class SelectedMenu;

struct MenuPrintData {
  std::string childName;  // CP932
  const SelectedMenu* menu = nullptr;
  std::array<PaperChart, 4> charts;  // per meal node
  std::string bmpFolder;             // CP932, with its separator
  bool withTable = false;
  std::vector<int> checkedNodes;  // meal nodes 0..3 in list order
};

// The paper font (a Mincho face where one is installed).
QFont paperFont();

class MenuPages {
 public:
  // `table` (not owned) holds the grid as edited; it may be null when no table is printed.
  MenuPages(MenuPrintData data, const TStrGridPrinter* table);

  const MenuPrintData& data() const { return data_; }
  // The pages for a page of this size (device units): table pages first, then chart pages.
  std::vector<PreviewPage> pages(QSize page) const;
  // Paints one page into `page` (white first). slotDrawn runs once per dish slot drawn.
  void paintPage(QPainter& painter, const QRect& page, const PreviewPage& which,
                 const std::function<void()>& slotDrawn = {}) const;
  // The number of dish slots the chart pages draw (the progress window's range).
  int dishSlotCount() const;

 private:
  int titleHeight(QSize page) const;
  void paintTable(QPainter& p, const QRect& page, int index) const;
  void paintCharts(QPainter& p, const QRect& page, const PreviewPage& which,
                   const std::function<void()>& slotDrawn) const;
  void paintDishes(QPainter& p, const PageGeometry& g, int x, int y, int node,
                   const std::function<void()>& slotDrawn) const;
  const QImage* picture(const std::string& dishName) const;

  MenuPrintData data_;
  const TStrGridPrinter* table_;
  mutable std::map<std::string, QImage> pictures_;
};

// Prints every page onto a landscape paged device (a QPrinter or a QPdfWriter), the job title
// already set by the caller. False when the device cannot be painted on.
bool printMenuPages(QPagedPaintDevice& device, const MenuPages& pages,
                    const std::function<void()>& slotDrawn = {});

}  // namespace nv
