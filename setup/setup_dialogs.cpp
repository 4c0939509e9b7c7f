#include "setup/setup_dialogs.h"

#include <QButtonGroup>
#include <QDesktopServices>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/dialogs.h"
#include "platform/paths.h"
#include "platform/qt/prompt_texts.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "setup/main_form.h"
#include "setup/model/builder.h"
#include "setup/model/maker_settings.h"

using namespace Qt::StringLiterals;

namespace nv::setup {
namespace {

// The extension of a file name from its last '.', with the '.'.
std::string extensionOf(const std::string& name) {
  size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name.substr(dot);
}
}  // namespace

TEditExtForm::TEditExtForm(const std::string& pattern, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("EditExtForm"));
  auto* layout = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  auto* caption = new QLabel(u"ファイルの種類："_s, this);
  row->addWidget(caption);
  Edit1 = new QLineEdit(toQ(pattern), this);
  caption->setBuddy(Edit1);
  Edit1->setAccessibleName(u"ファイルの種類"_s);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  row->addWidget(Edit1);
  layout->addLayout(row);
  auto* pick = new QHBoxLayout;
  auto* byExt = new QPushButton(u"拡張子指定(&E)"_s, this);
  auto* byName = new QPushButton(u"ファイル名指定(&N)"_s, this);
  pick->addWidget(byExt);
  pick->addWidget(byName);
  layout->addLayout(pick);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  B_Ok = new QPushButton(u"&OK"_s, this);
  B_Cancel = new QPushButton(u"&CANCEL"_s, this);
  B_Cancel->setAccessibleName(u"キャンセル"_s);
  B_Ok->setDefault(true);
  buttons->addWidget(B_Ok);
  buttons->addWidget(B_Cancel);
  layout->addLayout(buttons);
  auto update = [this] { B_Ok->setEnabled(!Edit1->text().isEmpty()); };
  connect(Edit1, &QLineEdit::textChanged, this, update);
  update();
  connect(B_Ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(B_Cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto pickFile = [](std::string& name) {
    FileRequest r = fileRequest(TMainForm::openDialogFilter());
    r.filterIndex = 6;
    r.fileName = "default";
    std::string path;
    if (!dialogs().openFile(r, path)) return false;
    name = fileNameOf(path);
    return true;
  };
  connect(byExt, &QPushButton::clicked, this, [this, pickFile] {
    std::string name;
    if (pickFile(name)) Edit1->setText(toQ("*" + extensionOf(name)));
  });
  connect(byName, &QPushButton::clicked, this, [this, pickFile] {
    std::string name;
    if (pickFile(name)) Edit1->setText(toQ(name));
  });
}

std::string TEditExtForm::pattern() const { return fromQ(Edit1->text()); }

TSelectLzhFileForm::TSelectLzhFileForm(const std::vector<std::string>& paths, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(u"書庫ファイルを選択して下さい (nvsetup)"_s);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(
      new QLabel(u"　一番上のファイルは、一番新しいファイルになっています。"_s, this));
  layout->addWidget(new QLabel(u"　他のファイルはアルファベット順に並んでいます。"_s, this));
  auto* box = new QGroupBox(u"見つかった書庫ファイル"_s, this);
  auto* boxLayout = new QVBoxLayout(box);
  group_ = new QButtonGroup(this);
  for (size_t i = 0; i < paths.size(); ++i) {
    auto* radio = new QRadioButton(toQ(fileNameOf(paths[i])), box);
    radio->setAccessibleName(u"書庫ファイル "_s + radio->text());
    radio->setChecked(i == 0);
    group_->addButton(radio, int(i));
    boxLayout->addWidget(radio);
  }
  layout->addWidget(box);
  auto* ok = new QPushButton(u"&OK"_s, this);
  ok->setDefault(true);
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(ok);
  layout->addLayout(row);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

int TSelectLzhFileForm::chosen() const { return group_->checkedId(); }

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setWindowTitle(u"ﾊﾞｰｼﾞｮﾝ情報"_s);
  auto* layout = new QHBoxLayout(this);
  auto* icon = new QToolButton(this);
  icon->setIcon(style()->standardIcon(QStyle::SP_ComputerIcon));
  icon->setIconSize(QSize(32, 32));
  icon->setAutoRaise(true);
  icon->setAccessibleName(u"使い方"_s);
  layout->addWidget(icon, 0, Qt::AlignTop);
  auto* texts = new QVBoxLayout;
  texts->addWidget(new QLabel(QStringLiteral("nvsetup"), this));
  std::array<long, 4> v;
  showResult(programVersion(installerPath(), v), prompt());
  texts->addWidget(
      new QLabel(toQ(cformat("Version %ld.%ld.%ld  Build(%ld)", v[0], v[1], v[2], v[3])), this));
  texts->addWidget(
      new QLabel(u"このプログラムは、NVのインストールのために作成したものです。"_s, this));
  auto* ok = new QPushButton(u"OK"_s, this);
  texts->addWidget(ok, 0, Qt::AlignRight);
  layout->addLayout(texts);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(icon, &QToolButton::clicked, this, [] {
    QDesktopServices::openUrl(
        QUrl::fromLocalFile(toQ(joinPath(programFolder(), "HTML/index.html"))));
  });
}

}  // namespace nv::setup
