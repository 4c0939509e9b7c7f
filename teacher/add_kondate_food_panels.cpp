// The dish's foods and their weights, and the food table they are picked from by tab.
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QValidator>

#include "core/food.h"
#include "platform/prompt.h"
#include "platform/qt/prompt_texts.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "teacher/add_kondate_form.h"
#include "teacher/add_kondate_widgets.h"
#include "teacher/model/food_tabs.h"

using namespace Qt::StringLiterals;

namespace nv {
namespace {

// The weight cell's mask: digits only, four before the point and three after it.
class WeightValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    return fitsWeightMask(fromQ(input)) ? Acceptable : Invalid;
  }
};

class WeightDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override {
    QWidget* w = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
      edit->setValidator(new WeightValidator(edit));
      edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      edit->setMaxLength(8);
    }
    return w;
  }
};

}  // namespace

using namespace addkondateui;

QWidget* TAddKondateForm::buildGridPanel() {
  auto* panel = new QWidget(this);
  auto* v = new QVBoxLayout(panel);
  v->setContentsMargins(0, 0, 0, 0);
  v->addWidget(panelTitle(u"食品名とその重量"_s, panel));
  StringGridEx1 = new QTableWidget(1, 2, panel);
  StringGridEx1->setObjectName(QStringLiteral("StringGridEx1"));
  StringGridEx1->setAccessibleName(u"食品名とその重量"_s);
  StringGridEx1->setHorizontalHeaderLabels({u"食品名"_s, u"重量(g)"_s});
  StringGridEx1->setSelectionMode(QAbstractItemView::SingleSelection);
  StringGridEx1->setItemDelegateForColumn(1, new WeightDelegate(StringGridEx1));
  StringGridEx1->setEditTriggers(QAbstractItemView::AllEditTriggers);
  StringGridEx1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  StringGridEx1->setColumnWidth(0, 118);
  StringGridEx1->setColumnWidth(1, 48);
  StringGridEx1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  StringGridEx1->verticalHeader()->hide();
  const int gridWidth = 118 + 48 + StringGridEx1->verticalScrollBar()->sizeHint().width() +
                        2 * StringGridEx1->frameWidth();
  StringGridEx1->setFixedWidth(gridWidth);
  v->addWidget(StringGridEx1, 1);
  return panel;
}

QWidget* TAddKondateForm::buildFoodPanel() {
  auto* panel = new QWidget(this);
  auto* v = new QVBoxLayout(panel);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(0);
  TabControl1 = new QTabBar(panel);
  TabControl1->setObjectName(QStringLiteral("TabControl1"));
  QFont f = TabControl1->font();
  f.setPointSizeF(f.pointSizeF() * 1.4);
  TabControl1->setFont(f);
  TabControl1->setExpanding(false);
  TabControl1->setUsesScrollButtons(true);
  // Eleven narrow tabs fit beside each other: one character each.
  TabControl1->setStyleSheet(QStringLiteral("QTabBar::tab { width: 30px; padding: 2px 0px; }"));
  {
    const QSignalBlocker quiet(TabControl1);
    for (const std::string& t : foodTabCaptions()) TabControl1->addTab(toQ(t));
  }
  v->addWidget(TabControl1);
  ListView3 = listView(panel);
  ListView3->setObjectName(QStringLiteral("ListView3"));
  ListView3->setAccessibleName(u"食品"_s);
  QStringList headings;
  for (const std::string& h : foodListHeadings()) headings << toQ(h);
  ListView3->setColumnCount(int(headings.size()));
  ListView3->setHeaderLabels(headings);
  ListView3->setColumnWidth(0, 150);
  for (int c = 1; c < ListView3->columnCount(); ++c) ListView3->setColumnWidth(c, 56);
  v->addWidget(ListView3, 1);
  return panel;
}

void TAddKondateForm::TabControl1Change(int tab) {
  FoodTabRows rows = foodTabRows(foods_, tab);
  ListView3->setUpdatesEnabled(false);
  if (!rows.rowFound) {
    ListView3->clear();
    ListView3->addTopLevelItem(new QTreeWidgetItem({u"見つかりません"_s}));
  } else {
    fillList(ListView3, rows.rows);
  }
  ListView3->setUpdatesEnabled(true);
  updateButtons();
}

void TAddKondateForm::showGrid() {
  fillingGrid_ = true;
  StringGridEx1->setRowCount(grid_.rowCount() - 1);
  for (int r = 1; r < grid_.rowCount(); ++r) {
    auto* name = new QTableWidgetItem(toQ(grid_.row(r).foodName));
    name->setFlags(Qt::ItemIsEnabled);
    auto* grams = new QTableWidgetItem(toQ(grid_.row(r).grams));
    grams->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    StringGridEx1->setItem(r - 1, 0, name);
    StringGridEx1->setItem(r - 1, 1, grams);
  }
  StringGridEx1->setCurrentCell(grid_.currentRow() - 1, 1);
  fillingGrid_ = false;
}

void TAddKondateForm::gridCellChanged(int row, int column) {
  if (fillingGrid_ || column != 1) return;
  QTableWidgetItem* item = StringGridEx1->item(row, column);
  grid_.setGrams(row + 1, item ? fromQ(item->text()) : std::string());
  updateRegistBtn();
}

void TAddKondateForm::updateDelBtn() { DelBtn->setEnabled(grid_.canRemove()); }

void TAddKondateForm::AddBtnClick() {
  QTreeWidgetItem* food = ListView3->currentItem();
  if (!food || !food->isSelected() || food->columnCount() < 2) return;
  const std::string name = fromQ(food->text(0));
  std::optional<int> row = grid_.addFood(name);
  if (!row) {
    ask(name, u"すでに登録済みです"_s, Icon::Information, Buttons::Ok);
    return;
  }
  showGrid();
  StringGridEx1->setFocus();
  updateDelBtn();
  updateRegistBtn();
}

void TAddKondateForm::DelBtnClick() {
  if (QWidget* editor = StringGridEx1->focusWidget(); editor && editor != StringGridEx1)
    StringGridEx1->setFocus();  // ends the cell edit, keeping what was typed
  const int current = StringGridEx1->currentRow() + 1;
  if (current < 1) return;
  grid_.setCurrentRow(current);
  grid_.removeCurrent();
  showGrid();
  updateDelBtn();
  updateRegistBtn();
}

}  // namespace nv
