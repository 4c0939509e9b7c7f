#include "widgets/string_grid.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

#include "widgets/grid_columns.h"

namespace nv {
namespace {

constexpr int kTextInset = 2;

// Texts 2 pixels in, whatever margins the style would give them.
class CellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* p, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyleOptionViewItem o = option;
    initStyleOption(&o, index);
    const QString text = o.text;
    o.text.clear();
    // Background, selection and focus as the style draws them; the text ourselves.
    QStyledItemDelegate::paint(p, o, index);
    p->save();
    p->setFont(o.font);
    p->setPen(o.palette.color(o.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                               : QPalette::Text));
    p->drawText(o.rect.adjusted(kTextInset, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
    p->restore();
  }
};

// The fixed header row, drawn like the grid's cells on a shaded ground.
class HeaderRow : public QHeaderView {
 public:
  explicit HeaderRow(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

 protected:
  void paintSection(QPainter* p, const QRect& rect, int logicalIndex) const override {
    if (!rect.isValid()) return;
    p->save();
    p->fillRect(rect, palette().button());
    p->setPen(palette().color(QPalette::Mid));
    p->drawLine(rect.topRight(), rect.bottomRight());
    p->drawLine(rect.bottomLeft(), rect.bottomRight());
    p->setPen(palette().color(QPalette::ButtonText));
    p->drawText(rect.adjusted(kTextInset, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                model()->headerData(logicalIndex, Qt::Horizontal).toString());
    p->restore();
  }
};

}  // namespace

TStringGrid::TStringGrid(QWidget* parent) : QTableWidget(parent) {
  setItemDelegate(new CellDelegate(this));
  setHorizontalHeader(new HeaderRow(this));
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  horizontalHeader()->setMinimumSectionSize(1);
  verticalHeader()->hide();
  setTextElideMode(Qt::ElideNone);
  setWordWrap(false);
}

void TStringGrid::setCells(const std::vector<std::vector<QString>>& rows) {
  clear();
  size_t columns = 0;
  for (const auto& row : rows) columns = std::max(columns, row.size());
  setColumnCount(int(columns));
  setRowCount(int(rows.size()));
  for (int r = 0; r < int(rows.size()); ++r)
    for (int c = 0; c < int(rows[size_t(r)].size()); ++c) {
      auto* item = new QTableWidgetItem(rows[size_t(r)][size_t(c)]);
      if (r == 0) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
      setItem(r, c, item);
    }
  // Row 0 stays in the grid (it is printed) but shows as the header above the scrolling rows.
  QStringList titles;
  if (!rows.empty())
    for (const QString& t : rows.front()) titles << t;
  setHorizontalHeaderLabels(titles);
  if (!rows.empty()) setRowHidden(0, true);
  horizontalHeader()->setFixedHeight(verticalHeader()->defaultSectionSize());
}

std::vector<std::vector<QString>> TStringGrid::cells() const {
  std::vector<std::vector<QString>> out(static_cast<size_t>(rowCount()));
  for (int r = 0; r < rowCount(); ++r)
    for (int c = 0; c < columnCount(); ++c)
      out[size_t(r)].push_back(item(r, c) ? item(r, c)->text() : QString());
  return out;
}

void TStringGrid::fitColumns() {
  const std::vector<int> widths = gridColumnWidths(cells(), fontMetrics());
  for (int c = 0; c < int(widths.size()); ++c) setColumnWidth(c, widths[size_t(c)]);
}

}  // namespace nv
