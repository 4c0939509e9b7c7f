#include "planner/pages/menu_pages.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include "planner/model/selected_menu.h"
#include "platform/qt/picture_file.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "widgets/text_lines.h"

namespace nv {

QFont paperFont() {
  QFont f;
  f.setFamilies({toQ(sj("ＭＳ Ｐ明朝")), QStringLiteral("IPAPMincho"), QStringLiteral("IPAMincho"),
                 QStringLiteral("serif")});
  return f;
}

MenuPages::MenuPages(MenuPrintData data, const TStrGridPrinter* table)
    : data_(std::move(data)), table_(table) {}

int MenuPages::titleHeight(QSize page) const { return std::max(1, page.height() / 22); }

std::vector<PreviewPage> MenuPages::pages(QSize page) const {
  const PageGeometry g = pageGeometry(page.width(), page.height(), 1);
  const QSize tableArea(page.width() - 2 * g.marginX, page.height() - 2 * g.marginY);
  const int tablePages =
      data_.withTable && table_ ? table_->pageCount(tableArea, titleHeight(page)) : 0;
  return previewPages(tablePages, int(data_.checkedNodes.size()));
}

int MenuPages::dishSlotCount() const {
  int n = 0;
  if (data_.menu)
    for (int node : data_.checkedNodes) n += int(data_.menu->dishes(node).size());
  return n;
}

void MenuPages::paintPage(QPainter& p, const QRect& page, const PreviewPage& which,
                          const std::function<void()>& slotDrawn) const {
  p.fillRect(page, Qt::white);
  if (which.kind == PreviewPage::Table)
    paintTable(p, page, which.index);
  else
    paintCharts(p, page, which, slotDrawn);
}

void MenuPages::paintTable(QPainter& p, const QRect& page, int index) const {
  if (!table_) return;
  const PageGeometry g = pageGeometry(page.width(), page.height(), 1);
  const QRect area(page.left() + g.marginX, page.top() + g.marginY, page.width() - 2 * g.marginX,
                   page.height() - 2 * g.marginY);
  const int title = titleHeight(page.size());
  p.save();
  QFont f = paperFont();
  f.setPixelSize(std::max(1, title * 2 / 3));
  p.setFont(f);
  p.setPen(Qt::black);
  p.drawText(QRect(area.left(), area.top(), area.width(), title), Qt::AlignLeft | Qt::AlignTop,
             toQ(printJobTitle(data_.childName)));
  p.restore();
  table_->paintPage(p, area, index, title);
}

void MenuPages::paintCharts(QPainter& p, const QRect& page, const PreviewPage& which,
                            const std::function<void()>& slotDrawn) const {
  const int count = int(data_.checkedNodes.size());
  const PageGeometry g = pageGeometry(page.width(), page.height(), count);
  const std::vector<ChartCell> cells = chartCells(g, count);
  const QFont family = paperFont();
  for (int i = which.firstChart; i < which.firstChart + which.chartCount && i < count; ++i) {
    const ChartCell& cell = cells[size_t(i)];
    const int x = page.left() + cell.x, y = page.top() + cell.y;
    const int node = data_.checkedNodes[size_t(i)];
    if (node < 0 || node >= int(data_.charts.size())) continue;
    paintPaperChart(p, QRect(x, y, g.cellWidth, g.chartHeight()), data_.charts[size_t(node)],
                    family);
    paintDishes(p, g, x, y, node, slotDrawn);
  }
}

const QImage* MenuPages::picture(const std::string& dishName) const {
  auto it = pictures_.find(dishName);
  if (it == pictures_.end()) {
    // Through the safe reader: anything may sit under a dish's name in the picture folder.
    QImage image = loadBmp(dishPicturePath(data_.bmpFolder, dishName));
    if (!image.isNull()) {
      // The picture's corner colour is its background, left out as on screen.
      image = image.convertToFormat(QImage::Format_ARGB32);
      const QRgb key = image.pixel(0, image.height() - 1);
      for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
          if (line[x] == key) line[x] = qRgba(0, 0, 0, 0);
      }
    }
    it = pictures_.emplace(dishName, std::move(image)).first;
  }
  return it->second.isNull() ? nullptr : &it->second;
}

void MenuPages::paintDishes(QPainter& p, const PageGeometry& g, int x, int y, int node,
                            const std::function<void()>& slotDrawn) const {
  if (!data_.menu) return;
  const auto& dishes = data_.menu->dishes(node);
  const std::vector<IntRect> places = dishSlots(g, x, y, int(dishes.size()));
  if (places.empty()) return;
  QFont f = paperFont();
  f.setPixelSize(std::max(1, places.front().width / 7));
  p.save();
  p.setFont(f);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const QFontMetrics fm(f, p.device());
  auto writeLines = [&](const QRect& box, const QString& name, int maxLines) {
    int top = box.top();
    for (const QString& line : fitLines(name, fm, box.width(), maxLines)) {
      p.drawText(QRect(box.left(), top, box.width(), fm.height()), Qt::AlignHCenter | Qt::AlignTop,
                 line);
      top += fm.height();
    }
  };
  for (size_t i = 0; i < places.size(); ++i) {
    const SelDish& dish = dishes[i];
    const IntRect& slot = places[i];
    const QString name = toQ(dish.caption);
    p.setPen(Qt::black);
    if (const QImage* image = picture(dish.caption)) {
      const IntSize size =
          dishPictureSize(image->width(), image->height(), slot.width, dish.pictureScale());
      const IntRect r = dishPictureRect(slot, size);
      p.drawImage(QRect(r.x, r.y, r.width, r.height), *image);
      // Names stay within their slot (two lines at most) so neighbours never overprint.
      writeLines(QRect(slot.x, r.y + r.height, slot.width, fm.height() * 2), name, 2);
    } else {
      // A dish without a picture (a teacher's own) keeps its place: its name in an empty frame.
      const int side = slot.width * 8 / 10;
      const QRect frame(slot.x + (slot.width - side) / 2, slot.y, side, side);
      p.setPen(QPen(QColor(128, 128, 128), std::max(1, slot.width / 80)));
      p.setBrush(Qt::NoBrush);
      p.drawRect(frame);
      p.setPen(Qt::black);
      const int lines = std::max(1, (side - 4) / std::max(1, fm.height()));
      const QStringList text = fitLines(name, fm, side - 4, lines);
      const int height = int(text.size()) * fm.height();
      writeLines(QRect(frame.left() + 2, frame.top() + (side - height) / 2, side - 4, height), name,
                 lines);
    }
    if (slotDrawn) slotDrawn();
  }
  p.restore();
}

bool printMenuPages(QPagedPaintDevice& device, const MenuPages& pages,
                    const std::function<void()>& slotDrawn) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const QRect page(0, 0, device.width(), device.height());
  const std::vector<PreviewPage> all = pages.pages(page.size());
  for (size_t i = 0; i < all.size(); ++i) {
    if (i > 0 && !device.newPage()) {
      painter.end();
      return false;
    }
    pages.paintPage(painter, page, all[i], slotDrawn);
  }
  return painter.end();
}

}  // namespace nv
