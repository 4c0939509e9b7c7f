#pragma once
// The class summary as a table for the window: the class rows at the top (they stay there
// whichever column is sorted), one row per child below, the percentages drawn in their band's
// colour and hatching.
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QStyledItemDelegate>

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
