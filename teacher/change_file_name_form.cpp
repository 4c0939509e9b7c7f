#include "teacher/change_file_name_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/qt/qtext.h"

using namespace Qt::StringLiterals;

namespace nv {

TChangeFileNameForm::TChangeFileNameForm(const std::string& oldName, const std::string& newName,
                                         QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(u"ファイル名を変更します。"_s);
  auto* g = new QGridLayout(this);
  OldName = new QLineEdit(toQ(oldName), this);
  OldName->setReadOnly(true);
  NewName = new QLineEdit(toQ(newName), this);
  g->addWidget(new QLabel(u"変更前のファイル名："_s, this), 0, 0);
  g->addWidget(OldName, 0, 1);
  auto* arrow = new QLabel(u"↓"_s, this);
  arrow->setAlignment(Qt::AlignCenter);
  g->addWidget(arrow, 1, 1);
  g->addWidget(new QLabel(u"変更後のファイル名："_s, this), 2, 0);
  g->addWidget(NewName, 2, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  OkBtn = new QPushButton(u"&OK"_s, this);
  OkBtn->setDefault(true);
  CancelBtn = new QPushButton(u"&CANCEL"_s, this);
  CancelBtn->setAutoDefault(false);
  buttons->addWidget(OkBtn);
  buttons->addWidget(CancelBtn);
  g->addLayout(buttons, 3, 0, 1, 2);
  setMinimumWidth(420);
  connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

std::string TChangeFileNameForm::newName() const { return fromQ(NewName->text()); }

}  // namespace nv
