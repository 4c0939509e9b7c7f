#include "planner/search_order_form.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/kondate_data.h"
#include "planner/model/dish_search.h"
#include "platform/prompt.h"
#include "platform/qt/prompt_texts.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"

using namespace Qt::StringLiterals;

namespace nv {

TSearchOrderForm::TSearchOrderForm(const TKondateData& dishes, QWidget* parent)
    : QDialog(parent), dishes_(dishes) {
  setObjectName(QStringLiteral("SearchOrderForm"));
  setWindowTitle(u"献立を検索します"_s);
  setFixedSize(629, 426);

  ComboBox1 = new QComboBox(this);
  ComboBox1->setEditable(true);
  Edit1 = new QLineEdit(this);
  Edit2 = new QLineEdit(this);
  // The labels draw the pattern ("○○??"); a screen reader gets words.
  Edit1->setAccessibleName(QStringLiteral(u"献立名の始まり"));
  Edit2->setAccessibleName(QStringLiteral(u"献立名の終わり"));
  ComboBox2 = new QComboBox(this);
  ComboBox2->setMaxVisibleItems(11);
  for (const std::string& item : syllabaryItems()) ComboBox2->addItem(toQ(item));
  ShowAddKondateDataBtn = new QPushButton(u"追加献立表示(&A)"_s, this);
  ShowAddKondateDataBtn->setToolTip(u"追加した献立を全部表示します。"_s);

  auto label = [this](const QString& text, QWidget* buddy) {
    auto* l = new QLabel(text, this);
    l->setBuddy(buddy);
    return l;
  };
  auto* fields = new QGridLayout;
  fields->addWidget(label(u"分類名(&O)："_s, ComboBox1), 0, 0);
  fields->addWidget(ComboBox1, 0, 1);
  fields->addWidget(label(u"五十音(&5)："_s, ComboBox2), 0, 2);
  fields->addWidget(ComboBox2, 0, 3);
  fields->addWidget(label(u"○○?"
                          u"?(&1)："_s,
                          Edit1),
                    1, 0);
  fields->addWidget(Edit1, 1, 1);
  fields->addWidget(label(u"??○○(&2)："_s, Edit2), 1, 2);
  fields->addWidget(Edit2, 1, 3);
  fields->addWidget(ShowAddKondateDataBtn, 2, 3);

  ListView2 = new QTreeWidget(this);
  ListView2->setObjectName(QStringLiteral("ListView2"));
  ListView2->setAccessibleName(QStringLiteral(u"見つかった献立"));
  ListView2->setRootIsDecorated(false);
  ListView2->setSelectionBehavior(QAbstractItemView::SelectRows);
  ListView2->setSelectionMode(QAbstractItemView::SingleSelection);
  ListView2->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ListView2->setHeaderLabels({u"分類名"_s, u"献立名"_s});
  ListView2->setColumnWidth(0, 200);
  ListView2->setToolTip(u"似た名前の献立を表示します。追加した献立は分類名に * が付きます。"_s);

  OkBtn = new QPushButton(QStringLiteral("&OK"), this);
  OkBtn->setObjectName(QStringLiteral("OkBtn"));
  OkBtn->setDefault(true);
  BitBtn1 = new QPushButton(u"キャンセル(&C)"_s, this);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(OkBtn);
  buttons->addWidget(BitBtn1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(ListView2, 1);
  layout->addLayout(buttons);

  connect(ComboBox1, &QComboBox::currentTextChanged, this, [this] { ComboBox1Change(); });
  connect(Edit1, &QLineEdit::textChanged, this, [this] { Edit1Change(); });
  connect(Edit2, &QLineEdit::textChanged, this, [this] { Edit2Change(); });
  connect(ComboBox2, &QComboBox::activated, this, [this] { ComboBox2Change(); });
  connect(ShowAddKondateDataBtn, &QPushButton::clicked, this,
          &TSearchOrderForm::ShowAddKondateDataBtnClick);
  connect(ListView2, &QTreeWidget::itemSelectionChanged, this, &TSearchOrderForm::ListView2Change);
  connect(ListView2, &QTreeWidget::itemDoubleClicked, this, [this] {
    if (hasSelection()) accept();
  });
  connect(OkBtn, &QPushButton::clicked, this, [this] {
    if (hasSelection()) accept();
  });
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
  OkBtn->setEnabled(false);
}

void TSearchOrderForm::setCategories(const std::vector<std::string>& names) {
  const bool was = refilling_;
  refilling_ = true;
  ComboBox1->clear();
  for (const std::string& n : names) ComboBox1->addItem(toQ(n));
  refilling_ = was;
}

void TSearchOrderForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  refilling_ = true;
  if (ComboBox1->count() > 0) ComboBox1->setCurrentIndex(0);
  ComboBox2->setCurrentIndex(0);
  refilling_ = false;
  ComboBox1Change();
}

void TSearchOrderForm::showRows(const TextRows& rows) {
  // Edits made while the list is refilled (the combo boxes' own text changes) are ignored.
  const bool was = refilling_;
  refilling_ = true;
  ListView2->setUpdatesEnabled(false);
  ListView2->clear();
  OkBtn->setEnabled(false);
  QList<QTreeWidgetItem*> items;
  for (const TextRow& row : rows)
    items.append(new QTreeWidgetItem(QStringList{toQ(row.at(0)), toQ(row.at(1))}));
  ListView2->addTopLevelItems(items);
  ListView2->setUpdatesEnabled(true);
  refilling_ = was;
}

void TSearchOrderForm::ComboBox1Change() {
  if (refilling_) return;
  showRows(dishes_.rowsOfCategory(fromQ(ComboBox1->currentText())));
}

void TSearchOrderForm::Edit1Change() {
  if (refilling_ || Edit1->text().isEmpty()) return;
  showRows(searchByPrefix(dishes_, fromQ(Edit1->text())));
}

void TSearchOrderForm::Edit2Change() {
  if (refilling_ || Edit2->text().isEmpty()) return;
  showRows(searchBySuffix(dishes_, fromQ(Edit2->text())));
}

void TSearchOrderForm::ComboBox2Change() {
  const std::optional<TextRows> rows = searchBySyllabary(dishes_, ComboBox2->currentIndex());
  if (!rows) {
    tell(u"見つかりません"_s);
    return;
  }
  showRows(*rows);
}

void TSearchOrderForm::ShowAddKondateDataBtnClick() { showRows(dishes_.rowsOfAdded()); }

void TSearchOrderForm::ListView2Change() { OkBtn->setEnabled(hasSelection()); }

bool TSearchOrderForm::hasSelection() const { return !ListView2->selectedItems().isEmpty(); }

std::string TSearchOrderForm::selectedCaption() const {
  const auto items = ListView2->selectedItems();
  return items.isEmpty() ? std::string() : fromQ(items.front()->text(0));
}

std::string TSearchOrderForm::selectedDish() const {
  const auto items = ListView2->selectedItems();
  return items.isEmpty() ? std::string() : fromQ(items.front()->text(1));
}

bool TSearchOrderForm::run(
    const TKondateData& dishes, const std::vector<std::string>& categories,
    const std::function<bool(const std::string&, const std::string&)>& select, QWidget* parent) {
  TSearchOrderForm form(dishes, parent);
  form.setCategories(categories);
  if (parent) form.move(parent->geometry().center() - form.rect().center());
  if (form.exec() != QDialog::Accepted || !form.hasSelection()) return false;
  return select(categoryOfCaption(form.selectedCaption()), form.selectedDish());
}

}  // namespace nv
