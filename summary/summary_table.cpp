#include "summary/summary_table.h"

#include <QPainter>

#include "platform/qt/qtext.h"
#include "summary/model/class_summary.h"
#include "summary/model/summary_text.h"
#include "summary/pages/band_style.h"

using namespace Qt::StringLiterals;

namespace nv {
namespace {

QStandardItem* cell(const std::string& cp932, const QVariant& sortKey = {}) {
  auto* item = new QStandardItem(toQ(cp932));
  item->setEditable(false);
  item->setData(sortKey.isValid() ? sortKey : QVariant(toQ(cp932)), kSortRole);
  return item;
}

QStandardItem* percentItem(double value) {
  const int whole = wholePercent(value);
  QStandardItem* item = cell(std::to_string(whole), value);
  item->setData(int(bandOf(whole)), kBandRole);
  item->setTextAlignment(Qt::AlignCenter);
  return item;
}

}  // namespace

void fillSummaryModel(QStandardItemModel& model, const ClassSummary& s) {
  model.clear();
  QStringList titles;
  // Two-line titles keep the columns narrow, so more of the percentages fit on a screen.
  for (const std::string& t : childColumnTitles())
    titles << toQ(t)
                  .replace(QStringLiteral("("), QStringLiteral("\n("))
                  .replace(u"活動強度"_s, u"活動\n強度"_s);
  for (const std::string& t : summaryColumnTitles()) titles << toQ(t);
  model.setHorizontalHeaderLabels(titles);

  for (int r = 0; r < kClassRowCount; ++r) {
    QList<QStandardItem*> row;
    row << cell(classRowTitle(ClassRow(r)));
    for (int c = 1; c < kChildFixedColumns; ++c) row << cell({});
    for (const ColumnStats& st : s.stats) {
      const double values[] = {st.median, st.lowest, st.highest};
      QStandardItem* item =
          r < 3 && st.children ? percentItem(values[r]) : cell(classRowCell(st, ClassRow(r)));
      item->setTextAlignment(Qt::AlignCenter);
      row << item;
    }
    QFont bold = row[0]->font();
    bold.setBold(true);
    for (QStandardItem* item : row) {
      item->setData(true, kClassRowRole);
      item->setFont(bold);
    }
    model.appendRow(row);
  }
  for (const ChildResult& c : s.children) {
    QList<QStandardItem*> row;
    const auto fixed = childFixedCells(c);
    for (int col = 0; col < kChildFixedColumns; ++col) {
      const bool numeric = col == 2 || col >= 6;
      const std::string& text = fixed[size_t(col)];
      QStandardItem* item =
          cell(text, numeric ? QVariant(text.empty() ? -1.0 : std::stod(text)) : QVariant());
      if (col >= 2) item->setTextAlignment(Qt::AlignCenter);
      row << item;
    }
    const Percents* p = c.percents(s.meal);
    for (int col = 0; col < kSummaryColumns; ++col)
      row << (p ? percentItem((*p)[size_t(col)]) : cell({}, QVariant(-1.0)));
    model.appendRow(row);
  }
}

bool PinnedSortProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
  const bool l = left.data(kClassRowRole).toBool(), r = right.data(kClassRowRole).toBool();
  const bool ascending = sortOrder() == Qt::AscendingOrder;
  // The view reverses the answer for a descending sort; the class rows stay first and in order.
  if (l || r) return l && r ? (left.row() < right.row()) == ascending : l == ascending;
  const QVariant a = left.data(kSortRole), b = right.data(kSortRole);
  if (a.typeId() == QMetaType::Double && b.typeId() == QMetaType::Double)
    return a.toDouble() < b.toDouble();
  return QString::localeAwareCompare(a.toString(), b.toString()) < 0;
}

void BandDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
  const QVariant band = index.data(kBandRole);
  if (!band.isValid()) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  paintBandFill(*painter, option.rect, Band(band.toInt()), 6);
  const QString text = index.data().toString();
  QFont font = option.font;
  if (index.data(kClassRowRole).toBool()) font.setBold(true);
  painter->save();
  painter->setFont(font);
  const int w = painter->fontMetrics().horizontalAdvance(text) + 6;
  const QRect back(option.rect.center().x() - w / 2, option.rect.top() + 3, w,
                   option.rect.height() - 6);
  painter->fillRect(back.intersected(option.rect), Qt::white);
  painter->setPen(Qt::black);
  painter->drawText(option.rect, Qt::AlignCenter, text);
  if (option.state & QStyle::State_Selected) {
    painter->setPen(QPen(option.palette.highlight().color(), 2));
    painter->drawRect(option.rect.adjusted(1, 1, -1, -1));
  }
  painter->restore();
}

}  // namespace nv
