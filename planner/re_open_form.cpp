#include "planner/re_open_form.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "planner/model/recent_files.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"

using namespace Qt::StringLiterals;

namespace nv {

TReOpenForm::TReOpenForm(RecentFiles& recent, std::function<bool()> profileDialog, QWidget* parent)
    : QDialog(parent), recent_(recent), profileDialog_(std::move(profileDialog)) {
  setWindowTitle(u"選択して下さい。"_s);
  NewBtn = new QPushButton(u"新規作成(&N)..."_s, this);
  SelectBtn = new QPushButton(u"選択(&S)"_s, this);
  DeleteBtn = new QPushButton(u"履歴の削除(&D)"_s, this);
  Label1 = new QLabel(u"←　献立を新しく作る場合は「新規作成」ボタンをクリックします。"_s, this);
  Label2 = new QLabel(
      u"←　前に、作った献立を開く時は、下のリストから選んだ後、　　「選択」ボ"
      u"タンをクリックします。"_s,
      this);
  Label2->setWordWrap(true);
  ListBox1 = new QListWidget(this);
  for (const std::string& path : recent_.paths()) ListBox1->addItem(toQ(path));
  if (ListBox1->count() > 0) ListBox1->setCurrentRow(0);
  SelectBtn->setEnabled(ListBox1->count() > 0);

  for (QPushButton* b : {NewBtn, SelectBtn, DeleteBtn}) {
    b->setAutoDefault(false);
    b->setMinimumWidth(120);
  }
  SelectBtn->setDefault(true);

  auto* grid = new QGridLayout(this);
  grid->addWidget(NewBtn, 0, 0);
  grid->addWidget(Label1, 0, 1);
  grid->addWidget(SelectBtn, 1, 0, Qt::AlignTop);
  grid->addWidget(Label2, 1, 1);
  grid->addWidget(ListBox1, 2, 0, 1, 2);
  grid->addWidget(DeleteBtn, 3, 0);
  grid->setColumnStretch(1, 1);
  resize(560, 320);

  connect(SelectBtn, &QPushButton::clicked, this, &TReOpenForm::SelectBtnClick);
  connect(NewBtn, &QPushButton::clicked, this, &TReOpenForm::NewBtnClick);
  connect(DeleteBtn, &QPushButton::clicked, this, &TReOpenForm::DeleteBtnClick);
  connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TReOpenForm::SelectBtnClick);
}

ReOpenChoice TReOpenForm::choose(RecentFiles& recent, std::function<bool()> profileDialog,
                                 QWidget* parent) {
  TReOpenForm form(recent, std::move(profileDialog), parent);
  form.exec();
  return form.choice();
}

void TReOpenForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    NewBtn->click();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TReOpenForm::SelectBtnClick() {
  const int row = ListBox1->currentRow();
  if (!SelectBtn->isEnabled() || row < 0 || size_t(row) >= recent_.paths().size()) return;
  choice_ = {ReOpenChoice::Open, recent_.paths()[size_t(row)]};
  accept();
}

void TReOpenForm::NewBtnClick() {
  // The dialog stays when the name entry was cancelled: the child still has to choose.
  if (!profileDialog_ || !profileDialog_()) return;
  choice_ = {ReOpenChoice::New, {}};
  accept();
}

void TReOpenForm::DeleteBtnClick() {
  recent_.clear();
  ListBox1->clear();
  SelectBtn->setEnabled(false);
  choice_ = {ReOpenChoice::DeleteHistory, {}};
  accept();
}

}  // namespace nv
