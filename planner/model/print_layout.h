#pragma once
// Where the printed menu pages put things: margins, chart cells with their dish slots, the
// size a dish picture is drawn at, and the order of the preview's pages. The printer, the
// PDF writer and the preview all lay out through these rules, in their own device units.
#include <string>
#include <vector>

namespace nv {

struct IntRect {
  int x = 0, y = 0, width = 0, height = 0;
  bool operator==(const IntRect&) const = default;
};

struct PageGeometry {
  int pageWidth = 0, pageHeight = 0;
  int marginX = 0;  // 4 % of the width, rounded down
  int marginY = 0;  // 1 % of the height, rounded down
  int cellWidth = 0;
  int cellHeight = 0;

  int chartHeight() const { return cellHeight * 5 / 9; }  // the chart takes the top 5/9
  int slotSide() const { return cellHeight / 9; }
};

// One cell spans the page less two margins; two or more share the width side by side.
PageGeometry pageGeometry(int pageWidth, int pageHeight, int checkedCharts);

// A chart cell placed on a page (page counted from 0 within the chart pages).
struct ChartCell {
  int page = 0;
  int x = 0, y = 0;
};
// The cells of `count` charts in the order the printing loop places them: left to right,
// then a new row, and a new page when a row would start within the bottom margin.
std::vector<ChartCell> chartCells(const PageGeometry& g, int count);

// The side of the square dish slots of a cell holding `dishCount` dishes: a ninth of the cell's
// height, or less when that many slots would not fit below the chart.
int dishSlotSide(const PageGeometry& g, int dishCount);
// The square dish slots of a cell at (x, y): below the chart, as many per row as fit.
std::vector<IntRect> dishSlots(const PageGeometry& g, int x, int y, int dishCount);

// The drawn size of a dish picture of w x h in a slot: 0.8 x scale (weight over the standard
// weight) x the fit of the picture into the slot, each side rounded down. A dish drawn at
// twice its standard weight may overflow its slot.
struct IntSize {
  int width = 0, height = 0;
  bool operator==(const IntSize&) const = default;
};
IntSize dishPictureSize(int pictureWidth, int pictureHeight, int slotSide, double scale);
// The picture's place in its slot: centred horizontally, at the slot's top.
IntRect dishPictureRect(const IntRect& slot, IntSize size);

// The dish picture file of a dish: the folder (with its separator) + name + ".bmp"; "" for a
// name that would leave the folder.
std::string dishPicturePath(const std::string& folder, const std::string& dishName);

// The pages of the preview: the table's pages first, then the chart pages, each holding up
// to two checked charts (first index in `firstChart`).
struct PreviewPage {
  enum Kind { Table, Charts } kind = Table;
  int index = 0;       // table page number, or chart page number
  int firstChart = 0;  // charts: first chart shown (the page shows firstChart and the next)
  int chartCount = 0;  // charts on this page (1 or 2)
};
std::vector<PreviewPage> previewPages(int tablePages, int checkedCharts);

// Paging through the preview. At either end the button has nowhere to go: the page stays
// and the button is disabled, so a child never wraps from the last page to the first unseen.
class PreviewPager {
 public:
  explicit PreviewPager(std::vector<PreviewPage> pages) : pages_(std::move(pages)) {}
  const std::vector<PreviewPage>& pages() const { return pages_; }
  int current() const { return current_; }
  const PreviewPage* page() const;
  bool hasNext() const { return current_ + 1 < int(pages_.size()); }
  bool hasPrevious() const { return current_ > 0; }
  bool next();
  bool previous();

 private:
  std::vector<PreviewPage> pages_;
  int current_ = 0;
};

// What opening the print dialog says of a menu without dishes (CP932, caption "確認"); nvtool
// says the same.
std::string noMenuToPrint();

// The checks shared by print and preview: the message to show (CP932, caption "確認"), or
// empty when there is something to print.
std::string printRequestProblem(bool hasMenu, bool tableChecked, int checkedCharts);

// The print job's title and the preview's caption: the child's name + "さんの献立".
std::string printJobTitle(const std::string& childName);

}  // namespace nv
