#include "teacher/add_kondate_form.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QHBoxLayout>
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
#include <algorithm>

#include "core/food.h"
#include "core/kondate_data.h"
#include "platform/prompt.h"
#include "platform/qt/qtext.h"
#include "platform/result.h"
#include "platform/text.h"
#include "teacher/dialog_placement.h"
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

// Names are stored in 47 CP932 bytes: the box takes no more than fits, cut between
// characters, so what the teacher sees is what is stored.
class StoredNameValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& pos) const override {
    if (fromQ(input).size() <= kKondateNameBytes) return Acceptable;
    qsizetype keep = input.size();
    while (keep > 0 && fromQ(input.left(keep)).size() > kKondateNameBytes) {
      --keep;
      if (keep > 0 && input.at(keep).isLowSurrogate()) --keep;
    }
    input.truncate(keep);
    pos = std::min<int>(pos, int(keep));
    return Acceptable;
  }
};

QLabel* panelTitle(const QString& text, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  l->setAlignment(Qt::AlignCenter);
  l->setFrameShape(QFrame::Panel);
  l->setFrameShadow(QFrame::Raised);
  return l;
}

QTreeWidget* listView(QWidget* parent) {
  auto* v = new QTreeWidget(parent);
  v->setRootIsDecorated(false);
  v->setUniformRowHeights(true);
  v->setSelectionMode(QAbstractItemView::SingleSelection);
  v->setAllColumnsShowFocus(true);
  return v;
}

void fillList(QTreeWidget* view, const TextRows& rows) {
  view->clear();
  QList<QTreeWidgetItem*> items;
  items.reserve(qsizetype(rows.size()));
  for (const TextRow& r : rows) {
    QStringList cells;
    for (const std::string& c : r) cells << toQ(c);
    items << new QTreeWidgetItem(cells);
  }
  view->addTopLevelItems(items);
}

}  // namespace

TAddKondateForm::TAddKondateForm(const TFoodData& foods, TKondateData& dishes,
                                 std::vector<std::string> categories, QWidget* parent)
    : QDialog(parent),
      foods_(foods),
      dishes_(dishes),
      categories_(std::move(categories)),
      similar_(dishes) {
  setObjectName(QStringLiteral("AddKondateForm"));
  setWindowTitle(u"献立の追加と編集"_s);
  setSizeGripEnabled(true);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(4, 4, 4, 4);
  row->addWidget(buildDishPanel(), 3);
  row->addWidget(buildGridPanel(), 0);
  auto* buttons = new QVBoxLayout;
  buttons->addStretch(1);
  AddBtn = new QPushButton(u"追加(&A)"_s, this);
  AddBtn->setObjectName(QStringLiteral("AddBtn"));
  AddBtn->setToolTip(u"右の食品を献立に追加します。"_s);
  DelBtn = new QPushButton(u"削除(&D)"_s, this);
  DelBtn->setObjectName(QStringLiteral("DelBtn"));
  DelBtn->setToolTip(u"左の食品を献立から削除します。"_s);
  buttons->addWidget(AddBtn);
  buttons->addWidget(DelBtn);
  buttons->addStretch(1);
  row->addLayout(buttons);
  row->addWidget(buildFoodPanel(), 4);

  connect(AddBtn, &QPushButton::clicked, this, &TAddKondateForm::AddBtnClick);
  connect(DelBtn, &QPushButton::clicked, this, &TAddKondateForm::DelBtnClick);
  connect(RegistBtn, &QPushButton::clicked, this, &TAddKondateForm::RegistBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(NewKondateBtn, &QPushButton::clicked, this, &TAddKondateForm::NewKondateBtnClick);
  connect(ShowAddKondateDataBtn, &QPushButton::clicked, this,
          &TAddKondateForm::ShowAddKondateDataBtnClick);
  connect(DeleteBtn, &QPushButton::clicked, this, &TAddKondateForm::DeleteBtnClick);
  connect(ComboBox2, &QComboBox::activated, this, &TAddKondateForm::ComboBox2Change);
  connect(Edit1, &QLineEdit::textChanged, this, [this] { Edit1Change(); });
  connect(ComboBox1, &QComboBox::editTextChanged, this, [this] { updateRegistBtn(); });
  connect(ListView2, &QTreeWidget::itemSelectionChanged, this, &TAddKondateForm::ListView2Change);
  connect(ListView2->header(), &QHeaderView::sectionClicked, this,
          &TAddKondateForm::ListView2ColumnClick);
  connect(TabControl1, &QTabBar::currentChanged, this, &TAddKondateForm::TabControl1Change);
  connect(ListView3, &QTreeWidget::itemSelectionChanged, this, [this] { updateButtons(); });
  connect(ListView3, &QTreeWidget::itemDoubleClicked, this, [this] { AddBtnClick(); });
  connect(StringGridEx1, &QTableWidget::cellChanged, this, &TAddKondateForm::gridCellChanged);
  connect(StringGridEx1, &QTableWidget::currentCellChanged, this, [this](int r) {
    if (fillingGrid_) return;
    grid_.setCurrentRow(r + 1);
    updateDelBtn();
  });
}

TAddKondateForm::~TAddKondateForm() = default;

QWidget* TAddKondateForm::buildDishPanel() {
  auto* panel = new QWidget(this);
  auto* v = new QVBoxLayout(panel);
  v->setContentsMargins(0, 0, 0, 0);
  auto* categoryLabel = new QLabel(u"分類名(&O)："_s, panel);
  ComboBox1 = new QComboBox(panel);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  ComboBox1->setEditable(true);
  ComboBox1->setInsertPolicy(QComboBox::NoInsert);
  for (const std::string& c : categories_) ComboBox1->addItem(toQ(c));
  ComboBox1->setValidator(new StoredNameValidator(ComboBox1));
  categoryLabel->setBuddy(ComboBox1);
  auto* nameLabel = new QLabel(u"献立名(&K)："_s, panel);
  Edit1 = new QLineEdit(panel);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  // Dish names are typed in Japanese: the input method must reach the box.
  Edit1->setAttribute(Qt::WA_InputMethodEnabled, true);
  Edit1->setValidator(new StoredNameValidator(Edit1));
  nameLabel->setBuddy(Edit1);
  v->addWidget(categoryLabel);
  v->addWidget(ComboBox1);
  v->addWidget(nameLabel);
  v->addWidget(Edit1);

  auto* buttons = new QHBoxLayout;
  RegistBtn = new QPushButton(u"登録(&R)"_s, panel);
  RegistBtn->setObjectName(QStringLiteral("RegistBtn"));
  RegistBtn->setToolTip(u"現在編集中の献立を追加します"_s);
  CancelBtn = new QPushButton(u"閉じる(&C)"_s, panel);
  CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
  CancelBtn->setToolTip(u"このウィンドウを閉じます"_s);
  NewKondateBtn = new QPushButton(u"新しい献立(&N)"_s, panel);
  NewKondateBtn->setObjectName(QStringLiteral("NewKondateBtn"));
  NewKondateBtn->setToolTip(u"献立名と食品を空にして、新しい献立を始めます。"_s);
  CancelBtn->setAutoDefault(false);
  RegistBtn->setAutoDefault(false);
  NewKondateBtn->setAutoDefault(false);
  buttons->addWidget(RegistBtn);
  buttons->addWidget(NewKondateBtn);
  buttons->addWidget(CancelBtn);
  v->addLayout(buttons);
  auto* listButtons = new QHBoxLayout;
  ShowAddKondateDataBtn = new QPushButton(u"追加献立表示(&A)"_s, panel);
  ShowAddKondateDataBtn->setObjectName(QStringLiteral("ShowAddKondateDataBtn"));
  ShowAddKondateDataBtn->setToolTip(u"追加した献立を全部表示します。"_s);
  ShowAddKondateDataBtn->setAutoDefault(false);
  DeleteBtn = new QPushButton(u"削除(&D)"_s, panel);
  DeleteBtn->setObjectName(QStringLiteral("DeleteBtn"));
  DeleteBtn->setToolTip(u"追加した献立を削除します。"_s);
  DeleteBtn->setEnabled(false);
  DeleteBtn->setAutoDefault(false);
  listButtons->addWidget(ShowAddKondateDataBtn);
  listButtons->addWidget(DeleteBtn);
  v->addLayout(listButtons);

  ComboBox2 = new QComboBox(panel);
  ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
  ComboBox2->setAccessibleName(u"似た名前の探し方"_s);
  for (const std::string& item : SimilarDishes::filterItems()) ComboBox2->addItem(toQ(item));
  ComboBox2->setMaxVisibleItems(11);
  v->addWidget(ComboBox2);
  v->addWidget(panelTitle(u"似た名前の献立"_s, panel));
  ListView2 = listView(panel);
  ListView2->setObjectName(QStringLiteral("ListView2"));
  ListView2->setAccessibleName(u"似た名前の献立"_s);
  ListView2->setToolTip(u"似た名前の献立を表示します。追加した献立は分類名に * が付きます。"_s);
  ListView2->setColumnCount(2);
  ListView2->setHeaderLabels({u"分類名"_s, u"献立名"_s});
  ListView2->setColumnWidth(0, 100);
  ListView2->header()->setSectionsClickable(true);
  ListView2->setSortingEnabled(false);
  v->addWidget(ListView2, 1);
  return panel;
}

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

void TAddKondateForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shown_) return;
  shown_ = true;
  FormShow();
}

void TAddKondateForm::FormShow() {
  const QFontMetrics fm(StringGridEx1->font());
  StringGridEx1->verticalHeader()->setDefaultSectionSize(fm.height() + 6);
  {
    const QSignalBlocker quiet(TabControl1);
    TabControl1->setCurrentIndex(0);
  }
  TabControl1Change(0);
  ComboBox1->setCurrentIndex(ComboBox1->count() > 0 ? 0 : -1);
  if (!categories_.empty()) ComboBox1->setEditText(toQ(categories_.front()));
  grid_.clear();
  showGrid();
  registered_ = false;
  ComboBox2->setCurrentIndex(0);
  ComboBox2Change(0);
  updateButtons();
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

void TAddKondateForm::updateButtons() {
  QTreeWidgetItem* food = ListView3->currentItem();
  AddBtn->setEnabled(food && food->isSelected() && food->columnCount() > 1);
  updateDelBtn();
  updateRegistBtn();
}

void TAddKondateForm::updateDelBtn() { DelBtn->setEnabled(grid_.canRemove()); }

void TAddKondateForm::updateRegistBtn() {
  // A dish without a category would become a nameless tab: the category is asked for too.
  RegistBtn->setEnabled(grid_.canRegister(fromQ(Edit1->text())) &&
                        !ComboBox1->currentText().isEmpty());
}

void TAddKondateForm::AddBtnClick() {
  QTreeWidgetItem* food = ListView3->currentItem();
  if (!food || !food->isSelected() || food->columnCount() < 2) return;
  const std::string name = fromQ(food->text(0));
  std::optional<int> row = grid_.addFood(name);
  if (!row) {
    prompt().messageBox(name, sj("すでに登録済みです"), Icon::Information, Buttons::Ok);
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

void TAddKondateForm::RegistBtnClick() {
  if (!showResult(dishes_.RegistKondate(fromQ(ComboBox1->currentText()), fromQ(Edit1->text()),
                                        grid_.foodRows(), foods_, askThrough(prompt())),
                  prompt()))
    return;
  const QString category = ComboBox1->currentText();
  if (ComboBox1->findText(category, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
    ComboBox1->addItem(category);
  Edit1->setFocus();
  registered_ = true;
  RegistBtn->setEnabled(false);
}

void TAddKondateForm::DeleteBtnClick() {
  QTreeWidgetItem* entry = ListView2->currentItem();
  if (!entry) return;
  std::string category = fromQ(entry->text(0));
  if (!category.starts_with('*')) return;
  category.erase(0, 1);
  if (dishes_.DeleteAddedKondate(category, fromQ(entry->text(1)))) dishes_.setModified(true);
  Edit1->setFocus();
  registered_ = true;
  similar_.refill(fromQ(Edit1->text()));
  showSimilar();
}

void TAddKondateForm::ShowAddKondateDataBtnClick() {
  similar_.showAdded();
  showSimilar();
}

void TAddKondateForm::ComboBox2Change(int item) {
  similar_.filter(item);
  showSimilar();
}

void TAddKondateForm::Edit1Change() {
  if (suppress_) return;
  const std::string text = fromQ(Edit1->text());
  if (!text.empty()) {
    similar_.searchName(text);
    showSimilar();
  }
  updateRegistBtn();
}

void TAddKondateForm::ListView2Change() {
  QTreeWidgetItem* entry = ListView2->currentItem();
  if (!entry || !entry->isSelected()) return;
  const std::string caption = fromQ(entry->text(0));
  const std::string dish = fromQ(entry->text(1));
  DeleteBtn->setEnabled(caption.starts_with('*'));
  suppress_ = true;
  Edit1->setText(toQ(dish));
  suppress_ = false;
  // The dish's own category: registering the edit must replace it, not copy it elsewhere.
  ComboBox1->setEditText(toQ(caption.starts_with('*') ? caption.substr(1) : caption));
  if (std::optional<TextRows> rows = dishes_.gridOf(caption, dish, foods_))
    grid_.load(*rows);
  else
    grid_.clear();
  showGrid();
  updateDelBtn();
  updateRegistBtn();
}

void TAddKondateForm::NewKondateBtnClick() {
  suppress_ = true;
  Edit1->clear();
  suppress_ = false;
  grid_.clear();
  showGrid();
  {
    const QSignalBlocker quiet(ListView2);
    ListView2->clearSelection();
    ListView2->setCurrentItem(nullptr);
  }
  DeleteBtn->setEnabled(false);
  Edit1->setFocus();
  updateDelBtn();
  updateRegistBtn();
}

void TAddKondateForm::ListView2ColumnClick(int column) {
  similar_.clickColumn(column, fromQ(Edit1->text()));
  showSimilar();
}

void TAddKondateForm::showSimilar() {
  const QSignalBlocker quiet(ListView2);
  ListView2->setHeaderLabels({toQ(similar_.title(0)), toQ(similar_.title(1))});
  fillList(ListView2, similar_.rows());
  DeleteBtn->setEnabled(false);
}

bool runAddKondateForm(QWidget* mainWindow, const TFoodData& foods, TKondateData& dishes) {
  std::vector<std::string> categories;
  dishes.categoryNames(categories);
  TAddKondateForm form(foods, dishes, std::move(categories), mainWindow);
  if (mainWindow) form.setGeometry(onVisibleScreen(mainWindow->geometry()));
  form.exec();
  return form.registered();
}

}  // namespace nv
