// The builder group of the installer window (maker mode).
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

#include "platform/files.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/qt/prompt_texts.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "setup/lzh/archiver.h"
#include "setup/main_form.h"
#include "setup/model/builder.h"
#include "setup/setup_dialogs.h"

using namespace Qt::StringLiterals;

namespace nv::setup {
namespace {
QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(QString::fromLatin1(name));
  return b;
}
// A caption whose text a screen reader says as the name of `buddy`.
QLabel* buddyLabel(QWidget* parent, const QString& caption, QWidget* buddy) {
  auto* l = new QLabel(caption, parent);
  l->setBuddy(buddy);
  buddy->setAccessibleName(QString(caption).remove(u'：'));
  return l;
}
QLineEdit* edit(QWidget* parent, const char* name) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(QString::fromLatin1(name));
  return e;
}
QListWidgetItem* patternItem(const std::string& pattern, bool checked) {
  auto* item = new QListWidgetItem(toQ(pattern));
  item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
  item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
  return item;
}
}  // namespace

void TMainForm::buildMakerPart() {
  GB_1 = new QGroupBox(this);
  GB_1->setObjectName(QStringLiteral("GB_1"));
  auto* grid = new QGridLayout(GB_1);
  E_Src = edit(GB_1, "E_Src");
  B_SetSrcFolder = button(GB_1, "B_SetSrcFolder", u"変更(&3)"_s);
  grid->addWidget(buddyLabel(GB_1, u"元の場所："_s, E_Src), 0, 0);
  grid->addWidget(E_Src, 0, 1);
  grid->addWidget(B_SetSrcFolder, 0, 2);

  auto* filesLabel = new QLabel(u"配布するファイル(&F)："_s, GB_1);
  CheckListBox1 = new QListWidget(GB_1);
  CheckListBox1->setObjectName(QStringLiteral("CheckListBox1"));
  CheckListBox1->setViewMode(QListView::ListMode);
  CheckListBox1->setFlow(QListView::TopToBottom);
  CheckListBox1->setWrapping(true);  // the columns of the list
  CheckListBox1->setFixedHeight(88);
  filesLabel->setBuddy(CheckListBox1);
  CheckListBox1->setAccessibleName(u"配布するファイル"_s);
  grid->addWidget(filesLabel, 1, 0, Qt::AlignTop);
  grid->addWidget(CheckListBox1, 1, 1);
  auto* items = new QVBoxLayout;
  B_ItemAdd = button(GB_1, "B_ItemAdd", u"追加(&A)"_s);
  B_ItemEdit = button(GB_1, "B_ItemEdit", u"編集(&E)"_s);
  B_ItemDel = button(GB_1, "B_ItemDel", u"削除(&D)"_s);
  items->addWidget(B_ItemAdd);
  items->addWidget(B_ItemEdit);
  items->addWidget(B_ItemDel);
  items->addStretch();
  grid->addLayout(items, 1, 2);

  E_LzhFolder = edit(GB_1, "E_LzhFolder");
  B_SetLzhFolder = button(GB_1, "B_SetLzhFolder", u"変更(&4)"_s);
  grid->addWidget(buddyLabel(GB_1, u"LZHファイルの場所："_s, E_LzhFolder), 2, 0);
  grid->addWidget(E_LzhFolder, 2, 1);
  grid->addWidget(B_SetLzhFolder, 2, 2);
  E_MainFileName = edit(GB_1, "E_MainFileName");
  Button1 = button(GB_1, "Button1", u"変更(&5)"_s);
  grid->addWidget(buddyLabel(GB_1, u"NV.exe："_s, E_MainFileName), 3, 0);
  E_MainFileName->setAccessibleName(u"メインプログラム NV"_s);
  grid->addWidget(E_MainFileName, 3, 1);
  grid->addWidget(Button1, 3, 2);

  auto* row = new QHBoxLayout;
  B_CompressAll = button(GB_1, "B_CompressAll", u"全圧縮(&M)"_s);
  B_CompressAll->setToolTip(u"見つけた全てのファイルを圧縮する"_s);
  B_Compress = button(GB_1, "B_Compress", u"圧縮(&Z)"_s);
  B_Compress->setToolTip(u"更新されたファイルだけを圧縮する"_s);
  B_Compress->hide();
  B_Compress->setEnabled(false);
  B_Kousin = button(GB_1, "B_Kousin", u"D&B更新"_s);
  B_Kousin->setToolTip(u"データベースファイルを登録済みにする"_s);
  B_Kousin->hide();
  row->addStretch();
  row->addWidget(B_CompressAll);
  row->addWidget(B_Compress);
  row->addWidget(B_Kousin);
  grid->addLayout(row, 4, 0, 1, 3);
  layout()->addWidget(GB_1);

  connect(CheckListBox1, &QListWidget::currentRowChanged, this, &TMainForm::updateItemButtons);
  connect(B_ItemAdd, &QPushButton::clicked, this, [this] {
    TEditExtForm form("", this);
    if (form.exec() == QDialog::Accepted) CheckListBox1->addItem(patternItem(form.pattern(), true));
    updateItemButtons();
  });
  connect(B_ItemEdit, &QPushButton::clicked, this, [this] {
    QListWidgetItem* item = CheckListBox1->currentItem();
    if (!item) return;
    TEditExtForm form(fromQ(item->text()), this);
    if (form.exec() == QDialog::Accepted) item->setText(toQ(form.pattern()));
  });
  connect(B_ItemDel, &QPushButton::clicked, this, [this] {
    delete CheckListBox1->takeItem(CheckListBox1->currentRow());
    updateItemButtons();
  });
  connect(B_SetSrcFolder, &QPushButton::clicked, this, [this] {
    std::string folder;
    if (pickFolder(6, fromQ(E_Src->text()), folder)) E_Src->setText(toQ(folder));
  });
  connect(B_SetLzhFolder, &QPushButton::clicked, this, [this] {
    std::string folder;
    if (pickFolder(5, fromQ(E_LzhFolder->text()), folder)) E_LzhFolder->setText(toQ(folder));
  });
  connect(Button1, &QPushButton::clicked, this, [this] {
    std::string path;
    if (pickFile(1, "", fromQ(E_MainFileName->text()), path)) E_MainFileName->setText(toQ(path));
  });
  connect(B_CompressAll, &QPushButton::clicked, this, [this] { B_CompressClick(true); });
  connect(B_Compress, &QPushButton::clicked, this, [this] { B_CompressClick(false); });
  connect(B_Kousin, &QPushButton::clicked, this, &TMainForm::B_KousinClick);
  updateItemButtons();
}

void TMainForm::updateItemButtons() {
  bool selected = CheckListBox1->currentRow() >= 0;
  B_ItemEdit->setEnabled(selected);
  B_ItemDel->setEnabled(selected);
}

void TMainForm::readMakerSettings() {
  Ini ini(settingsPath());
  MakerSettings s;
  s.read(ini);
  E_Src->setText(toQ(s.src));
  E_LzhFolder->setText(toQ(s.lzh));
  E_MainFileName->setText(toQ(s.main));
  CheckListBox1->clear();
  for (const auto& [pattern, checked] : s.patterns)
    CheckListBox1->addItem(patternItem(pattern, checked));
  updateItemButtons();
}

MakerSettings TMainForm::makerSettingsFromControls() const {
  MakerSettings s;
  s.src = fromQ(E_Src->text());
  s.lzh = fromQ(E_LzhFolder->text());
  s.main = fromQ(E_MainFileName->text());
  for (int i = 0; i < CheckListBox1->count(); ++i) {
    QListWidgetItem* item = CheckListBox1->item(i);
    s.patterns.push_back({fromQ(item->text()), item->checkState() == Qt::Checked});
  }
  return s;
}

void TMainForm::B_CompressClick(bool allFiles) {
  // A scan already running keeps its tree: a second press is ignored until it has ended.
  if (scanJob_) return;
  MakerSettings s = makerSettingsFromControls();
  // An empty source folder would scan the whole disk.
  if (std::string problem = sourceFolderProblem(s.src); !problem.empty()) {
    prompt().message(problem);
    return;
  }
  current_ = std::make_shared<TBrCaFolder>();
  auto tree = current_;
  auto previous = previous_;
  auto result = std::make_shared<ScanResult>();
  scanJob_ = Job::start(
      [s, tree, previous, result](const std::atomic<bool>& stop) {
        *result = scanSource(s.src, *tree, previous.get(), s.checkedPatterns(), stop);
      },
      [this, s, tree, result, allFiles] {
        scanJob_.reset();
        BuilderSettings b{s.src, s.lzh, s.main, installerPath(), desktopFolder()};
        BuildOutcome outcome =
            buildDistribution(b, *tree, *result, allFiles, archiverStep,
                              [](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); });
        showResult(outcome.told, prompt());
        if (!outcome.distributionFile.empty()) E_Haihu->setText(toQ(outcome.distributionFile));
        if (outcome.built) B_Kousin->setEnabled(true);
      },
      poster());
}

void TMainForm::B_KousinClick() {
  if (scanJob_) return;  // the tree is being filled
  Answer a = ask(QStringLiteral("データベースファイルを更新するボタンが押されました。\n\n「はい」"
                                "ボタンをクリックすると実際にデータベースファイルが更新されます"
                                "\n\n更新してもいいですか？"),
                 u"データベースファイルの更新の確認"_s, Icon::Question, Buttons::YesNo);
  if (a != Answer::Yes) return;
  writeFileAtomic(snapshotPath(), writeSnapshot(*current_));
  std::string bytes;
  previous_.reset();
  if (readFile(snapshotPath(), bytes))
    previous_ = std::shared_ptr<TBrCaFolder>(readSnapshot(bytes));
  B_Kousin->setEnabled(false);
}

}  // namespace nv::setup
