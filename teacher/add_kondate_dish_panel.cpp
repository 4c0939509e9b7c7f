// The dish panel of the add-and-edit window: the category and name, registering and starting
// anew, and the list of dishes with similar names (loading one, deleting an added one).
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>

#include "core/food.h"
#include "core/kondate_data.h"
#include "platform/prompt.h"
#include "platform/qt/qtext.h"
#include "platform/result.h"
#include "teacher/add_kondate_form.h"
#include "teacher/add_kondate_widgets.h"

using namespace Qt::StringLiterals;

namespace nv {
namespace {

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

}  // namespace

using namespace addkondateui;

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

void TAddKondateForm::updateRegistBtn() {
  // A dish without a category would become a nameless tab: the category is asked for too.
  RegistBtn->setEnabled(grid_.canRegister(fromQ(Edit1->text())) &&
                        !ComboBox1->currentText().isEmpty());
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

}  // namespace nv
