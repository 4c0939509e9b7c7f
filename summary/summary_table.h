#pragma once
// The class summary as a table for the window: the class rows at the top (they stay there
// whichever column is sorted), one row per child below, the percentages drawn in their band's
// colour and hatching.
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <vector>

class QTableView;

namespace nv {

struct ClassSummary;

// Roles the table's items carry.
enum SummaryRole {
  kSortRole = Qt::UserRole + 1,  // a number for numeric columns, the text otherwise
  kBandRole,                     // the Band of a percentage cell
  kClassRowRole,                 // true on the class rows
};

// Fills `model` with the title row, the class rows and the children (the meal the summary holds).
void fillSummaryModel(QStandardItemModel& model, const ClassSummary& summary);

// A column title on two lines, so a percentage column stays as narrow as its numbers: a
// trailing letter part (the "B1" of a vitamin) goes to the second line, and a title wider
// than three full-width characters is cut where the longer line is shortest.
QString twoLineTitle(const QString& title);

// Column widths from the titles' lines and the cells: the percentages share one width, and
// the file and name columns are capped (their cells elide, the full text is the tool tip).
// `least`: how far the file and name columns may give way (the class rows' titles stay whole),
// and each percentage (to its numbers and title without the air); the others keep theirs.
struct ColumnWidths {
  std::vector<int> natural, least;
};
ColumnWidths summaryColumnWidths(const QTableView& table);

// The natural widths narrowed as far as `room` needs: first the file and name columns towards
// their least width, each by its share, then the percentages in turn, each to its own least.
std::vector<int> widthsWithin(const ColumnWidths& widths, int room);

class PinnedSortProxy : public QSortFilterProxyModel {
 public:
  using QSortFilterProxyModel::QSortFilterProxyModel;

 protected:
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
};

class BandDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};

}  // namespace nv
