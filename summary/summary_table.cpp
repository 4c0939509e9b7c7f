#include "summary/summary_table.h"

#include <QHeaderView>
#include <QPainter>
#include <QTableView>
#include <algorithm>

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

// Display width in half-width units: the half-width katakana and Latin take one, the rest two.
int units(QChar c) {
  const char16_t u = c.unicode();
  return u < 0x0100 || (u >= 0xFF61 && u <= 0xFF9F) ? 1 : 2;
}

int units(QStringView s) {
  int n = 0;
  for (QChar c : s) n += units(c);
  return n;
}

// A half-width sound mark belongs to the kana before it.
bool soundMark(QChar c) { return c.unicode() == 0xFF9E || c.unicode() == 0xFF9F; }

}  // namespace

QString twoLineTitle(const QString& title) {
  if (title.contains(u'\n') || units(title) <= 4) return title;
  int tail = title.size();
  while (tail > 0 && title[tail - 1].isLetterOrNumber() && title[tail - 1].unicode() < 0x80) --tail;
  if (tail > 0 && tail < title.size()) return title.left(tail) + u'\n' + title.mid(tail);
  if (units(title) <= 6) return title;
  int cut = -1, best = 0;
  for (int i = 1; i < title.size(); ++i) {
    if (soundMark(title[i])) continue;
    const int longer =
        std::max(units(QStringView(title).left(i)), units(QStringView(title).mid(i)));
    // The later of equal cuts: the longer line first, as the chart writes them.
    if (cut < 0 || longer <= best) {
      cut = i;
      best = longer;
    }
  }
  return title.left(cut) + u'\n' + title.mid(cut);
}

ColumnWidths summaryColumnWidths(const QTableView& table) {
  const QHeaderView& header = *table.horizontalHeader();
  const QAbstractItemModel* model = table.model();
  const int columns = model->columnCount();
  ColumnWidths w;
  if (columns == 0) return w;
  const QFontMetrics titleFont = header.fontMetrics();
  // A little less air than the style's, around titles that are a line or two of few characters.
  const int titleMargin =
      header.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header) + 2;
  const QAbstractItemView& view = table;  // where the cells' width is public
  QFont bold = table.font();
  bold.setBold(true);
  const QFontMetrics boldFont(bold);
  // The widest text of a column in bold (the class rows' font), with the number's white box.
  auto widestText = [&](int c) {
    int widest = 0;
    for (int r = 0; r < model->rowCount(); ++r)
      widest = std::max(widest, boldFont.horizontalAdvance(model->index(r, c).data().toString()));
    return widest + 8;
  };
  w.natural.assign(size_t(columns), 0);
  w.least.assign(size_t(columns), 0);
  for (int c = 0; c < columns; ++c) {
    int title = 0;
    for (const QString& line : model->headerData(c, Qt::Horizontal).toString().split(u'\n'))
      title = std::max(title, titleFont.horizontalAdvance(line));
    const int cells = view.sizeHintForColumn(c);
    w.natural[size_t(c)] = std::max(title + titleMargin, cells);
    w.least[size_t(c)] = c < kChildFixedColumns ? cells : std::max(title + 2, widestText(c));
  }
  const int fullWidth = table.fontMetrics().horizontalAdvance(u"あ"_s);
  const int cellMargin = 10;
  for (int c : {0, 1})
    w.natural[size_t(c)] = std::min(w.natural[size_t(c)], fullWidth * 8 + cellMargin);
  const auto percents = w.natural.begin() + std::min(kChildFixedColumns, columns);
  const int percent =
      percents == w.natural.end() ? 0 : *std::max_element(percents, w.natural.end());
  std::fill(percents, w.natural.end(), percent);
  std::copy(w.natural.begin(), w.natural.begin() + std::min(kChildFixedColumns, columns),
            w.least.begin());
  int classTitles = 0;
  for (int r = 0; r < kClassRowCount; ++r)
    classTitles =
        std::max(classTitles, boldFont.horizontalAdvance(toQ(classRowTitle(ClassRow(r)))));
  w.least[0] = std::min(w.natural[0], classTitles + cellMargin);
  if (columns > 1) w.least[1] = std::min(w.natural[1], fullWidth * 3 + cellMargin);
  return w;
}

std::vector<int> widthsWithin(const ColumnWidths& widths, int room) {
  std::vector<int> w = widths.natural;
  int over = -room;
  for (int x : w) over += x;
  if (over <= 0 || w.size() < 2) return w;
  // First the file and name columns, each by its share of what they can give.
  const int give[2] = {w[0] - widths.least[0], w[1] - widths.least[1]};
  const int canGive = give[0] + give[1];
  if (canGive > 0) {
    const int taken = std::min(over, canGive);
    const int first = taken * give[0] / canGive;
    w[0] -= first;
    w[1] -= taken - first;
    over -= taken;
  }
  // Then the percentages a pixel at a time in turn, each down to its own numbers and title.
  const size_t firstPercent = std::min(size_t(kChildFixedColumns), w.size());
  for (bool gave = true; over > 0 && gave;) {
    gave = false;
    for (size_t c = firstPercent; c < w.size() && over > 0; ++c)
      if (w[c] > widths.least[c]) --w[c], --over, gave = true;
  }
  return w;
}

void fillSummaryModel(QStandardItemModel& model, const ClassSummary& s) {
  model.clear();
  QStringList titles;
  // Two-line titles keep the columns narrow, so more of the percentages fit on a screen.
  for (const std::string& t : childColumnTitles())
    titles << toQ(t)
                  .replace(QStringLiteral("("), QStringLiteral("\n("))
                  .replace(u"活動強度"_s, u"活動\n強度"_s);
  for (const std::string& t : summaryColumnTitles()) titles << twoLineTitle(toQ(t));
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
      if (col < 2) item->setToolTip(toQ(col == 0 ? c.path : text));
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
