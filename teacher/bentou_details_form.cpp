#include "teacher/bentou_details_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "bento/bentoubako_form.h"
#include "bento/model/bento_csv.h"
#include "bento/model/bento_data.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/qt/prompt_texts.h"
#include "platform/qt/qtext.h"
#include "platform/qt/shell.h"
#include "platform/result.h"
#include "platform/text.h"
#include "platform/user_folders.h"
#include "teacher/change_file_name_form.h"
#include "teacher/details_form.h"
#include "teacher/model/picture_rename.h"

using namespace Qt::StringLiterals;

namespace nv {
namespace {

QPushButton* button(const QString& text, QWidget* parent) {
  auto* b = new QPushButton(text, parent);
  b->setAutoDefault(false);
  return b;
}

void fillNames(QListWidget* list, const NameList& names) {
  list->clear();
  for (const std::string& n : names) list->addItem(toQ(n));
  list->sortItems();
}

std::string withSlash(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace

TBentouDetailsForm::TBentouDetailsForm(const KitchenSettings& settings, std::string iniPath,
                                       const TDaidokoro* kitchen, QWidget* parent)
    : QDialog(parent), settings_(settings), iniPath_(std::move(iniPath)), kitchen_(kitchen) {
  setWindowTitle(u"お弁当箱モードの詳細設定"_s);
  setSizeGripEnabled(true);
  resize(700, 520);
  auto* v = new QVBoxLayout(this);
  PageControl1 = new QTabWidget(this);
  PageControl1->addTab(buildConversionTab(), u"操作変換"_s);
  PageControl1->addTab(buildEnvironmentTab(), u"環境"_s);
  PageControl1->addTab(buildStorageTab(), u"保存場所"_s);
  v->addWidget(PageControl1, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  OkBtn = new QPushButton(u"&OK"_s, this);
  OkBtn->setDefault(true);
  CancelBtn = button(u"&CANCEL"_s, this);
  CancelBtn->setAccessibleName(u"キャンセル"_s);
  buttons->addWidget(OkBtn);
  buttons->addWidget(CancelBtn);
  v->addLayout(buttons);
  connect(OkBtn, &QPushButton::clicked, this, [this] {
    // NV.ini refused them (write-protected, a full disk): said, and the other settings apply.
    if (const SaveStatus saved = writeLayouts(); saved != SaveStatus::Ok)
      ask(saveFailureText(iniPath_, saved), u"部品の位置を保存できません"_s, Icon::Stop,
          Buttons::Ok);
    accept();
  });
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  Ini ini(iniPath_);
  for (LayoutSection s : allLayoutSections()) setLayout(s, readLayout(ini, s));
}

TBentouDetailsForm::~TBentouDetailsForm() = default;

QWidget* TBentouDetailsForm::buildConversionTab() {
  auto* tab = new QWidget;
  auto* v = new QVBoxLayout(tab);
  auto* group = new QGroupBox(u"献立と食品に関するデータ"_s, tab);
  auto* g = new QGridLayout(group);
  FoodDataFile = new QLineEdit(toQ(settings_.foodDataFile), group);
  KondateDataFile = new QLineEdit(toQ(settings_.kondateDataFile), group);
  FileName = new QLineEdit(toQ(settings_.dataBaseFileName), group);
  FileName->setReadOnly(true);
  SetFoodDataFile1Btn = button(u"選択"_s, group);
  SetKondateDataFileBtn = button(u"選択"_s, group);
  g->addWidget(new QLabel(u"食品ファイル(*.csv)："_s, group), 0, 0);
  g->addWidget(FoodDataFile, 0, 1);
  g->addWidget(SetFoodDataFile1Btn, 0, 2);
  g->addWidget(new QLabel(u"献立ファイル(*.csv)："_s, group), 1, 0);
  g->addWidget(KondateDataFile, 1, 1);
  g->addWidget(SetKondateDataFileBtn, 1, 2);
  auto* actions = new QHBoxLayout;
  TransBtn = button(u"↓　変換"_s, group);
  CheckKondateDataFileBtn = button(u"↓ チェック"_s, group);
  actions->addStretch(1);
  actions->addWidget(TransBtn);
  actions->addWidget(CheckKondateDataFileBtn);
  actions->addStretch(1);
  g->addLayout(actions, 2, 0, 1, 3);
  g->addWidget(new QLabel(u"NVファイル(*.nvb)："_s, group), 3, 0);
  g->addWidget(FileName, 3, 1, 1, 2);
  v->addWidget(group);
  auto* lists = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addWidget(new QLabel(u"画像ファイルはあるが、献立が見つからない"_s, tab));
  ListBox1 = new QListWidget(tab);
  ListBox1->setAccessibleName(u"画像ファイルはあるが、献立が見つからない"_s);
  ListBox1->setContextMenuPolicy(Qt::CustomContextMenu);
  left->addWidget(ListBox1);
  auto* right = new QVBoxLayout;
  right->addWidget(new QLabel(u"画像が見つからない献立"_s, tab));
  ListBox2 = new QListWidget(tab);
  ListBox2->setAccessibleName(u"画像が見つからない献立"_s);
  right->addWidget(ListBox2);
  lists->addLayout(left);
  lists->addLayout(right);
  v->addLayout(lists, 1);

  connect(SetFoodDataFile1Btn, &QPushButton::clicked, this, [this] {
    chooseCsv(FoodDataFile, u"食品ファイルの元になるファイルを指定して下さい"_s,
              u"食品ファイル(*.csv)|*.csv"_s);
  });
  connect(SetKondateDataFileBtn, &QPushButton::clicked, this, [this] {
    chooseCsv(KondateDataFile, u"献立ファイルを指定して下さい"_s, u"献立ファイル(*.csv)|*.csv"_s);
  });
  connect(TransBtn, &QPushButton::clicked, this, &TBentouDetailsForm::TransBtnClick);
  connect(CheckKondateDataFileBtn, &QPushButton::clicked, this,
          &TBentouDetailsForm::CheckKondateDataFileBtnClick);
  connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { openPicture(); });
  connect(ListBox1, &QWidget::customContextMenuRequested, this, [this](QPoint at) {
    if (!ListBox1->currentItem()) return;
    QMenu menu(this);
    QAction* open = menu.addAction(u"開く(&O)"_s);
    QAction* rename = menu.addAction(u"ファイル名の変更(&C)"_s);
    QAction* chosen = menu.exec(ListBox1->viewport()->mapToGlobal(at));
    if (chosen == open) openPicture();
    if (chosen == rename) renamePicture();
  });
  return tab;
}

QWidget* TBentouDetailsForm::buildEnvironmentTab() {
  auto* tab = new QWidget;
  auto* g = new QGridLayout(tab);
  CB_ReizoukoScrollBarStyle = new QComboBox(tab);
  CB_ReizoukoScrollBarStyle->addItems({u"ボタン"_s, u"上"_s, u"右"_s, u"下"_s, u"左"_s});
  CB_ReizoukoScrollBarStyle->setCurrentIndex(settings_.scrollBarStyle);
  g->addWidget(new QLabel(u"スクロールバーの形式："_s, tab), 0, 0);
  g->addWidget(CB_ReizoukoScrollBarStyle, 0, 1);
  E_BentouDataSaveDir = new QLineEdit(toQ(settings_.saveDir), tab);
  E_BentouDataSaveDir->setAccessibleName(u"お弁当の保存先"_s);
  B_BentouDataSaveDir = button(u"選択"_s, tab);
  g->addWidget(new QLabel(u"お弁当の保存先："_s, tab), 1, 0);
  g->addWidget(E_BentouDataSaveDir, 1, 1);
  g->addWidget(B_BentouDataSaveDir, 1, 2);
  auto* colours = new QHBoxLayout;
  static const QString kGroups[6] = {u"１群の色"_s, u"２群の色"_s, u"３群の色"_s,
                                     u"４群の色"_s, u"５群の色"_s, u"６群の色"_s};
  for (size_t i = 0; i < GunColor.size(); ++i) {
    GunColor[i] = button(kGroups[i], tab);
    GunColor[i]->setMinimumHeight(47);
    paintColorButton(GunColor[i], settings_.groupColors[i + 1]);
    colours->addWidget(GunColor[i]);
    connect(GunColor[i], &QPushButton::clicked, this, [this, i] {
      int32_t chosen = settings_.groupColors[i + 1];
      if (!dialogs().chooseColor(chosen, chosen)) return;
      settings_.groupColors[i + 1] = chosen;
      paintColorButton(GunColor[i], chosen);
    });
  }
  g->addLayout(colours, 2, 0, 1, 3);
  Btn_InitialBuhinPosition = button(u"部品の位置を初期化する"_s, tab);
  g->addWidget(Btn_InitialBuhinPosition, 3, 0, 1, 2);
  g->setRowStretch(4, 1);
  connect(B_BentouDataSaveDir, &QPushButton::clicked, this, [this] {
    FileRequest r = fileRequest(u"献立ファイル(*.nvub)|*.nvub|全てのファイル(*.*)|*.*"_s,
                                u"献立の保存先でファイルを指定して下さい"_s);
    r.defaultExt = ".nvub";
    r.initialDir = fromQ(E_BentouDataSaveDir->text());
    r.fileName = "default";
    r.mustExist = false;  // an empty save folder holds no file to pick
    std::string path;
    if (!dialogs().openFile(r, path)) return;
    E_BentouDataSaveDir->setText(toQ(withSlash(folderOf(path))));
    OkBtn->setEnabled(true);
  });
  connect(Btn_InitialBuhinPosition, &QPushButton::clicked, this,
          &TBentouDetailsForm::resetPartPositions);
  return tab;
}

void TBentouDetailsForm::resetPartPositions() {
  // Shown now, stored on OK: CANCEL keeps the layouts NV.ini holds.
  for (LayoutSection s : allLayoutSections()) setLayout(s, defaultLayout(s));
  resetPending_ = true;
  OkBtn->setEnabled(true);
}

SaveStatus TBentouDetailsForm::writeLayouts() {
  Ini ini(iniPath_);
  bool ok = true;
  if (resetPending_) ok = resetApplianceLayouts(ini);
  for (LayoutSection s : allLayoutSections()) ok = writeLayout(ini, s, layoutOf(s)) && ok;
  if (!ok || iniPath_.empty()) return SaveStatus::Failed;
  return saveFile(iniPath_, ini.bytes());
}

KitchenSettings TBentouDetailsForm::result() const {
  KitchenSettings s = settings_;
  s.foodDataFile = fromQ(FoodDataFile->text());
  s.kondateDataFile = fromQ(KondateDataFile->text());
  s.dataBaseFileName = fromQ(FileName->text());
  s.scrollBarStyle = CB_ReizoukoScrollBarStyle->currentIndex();
  s.saveDir = fromQ(E_BentouDataSaveDir->text());
  return s;
}

void TBentouDetailsForm::chooseCsv(QLineEdit* edit, const QString& title, const QString& filter) {
  const std::string current = fromQ(edit->text());
  FileRequest r = fileRequest(filter, title);
  r.defaultExt = "csv";
  r.initialDir = folderOf(current).empty() ? programFolder() : folderOf(current);
  r.fileName = fileNameOf(current);
  std::string path;
  if (!dialogs().openFile(r, path)) return;
  edit->setText(toQ(path));
  OkBtn->setEnabled(true);
}

void TBentouDetailsForm::TransBtnClick() {
  // Pictures are checked in the program folder's "bentou", whatever BmpFolder says.
  const std::string pictures = joinPath(programFolder(), "bentou");
  // An installed program folder cannot take the file: it goes to the user's data folder.
  const std::string configured = fromQ(FileName->text());
  const std::string target = dataFileForWriting(configured);
  std::string errorFile;
  if (showResult(convertBentoCsv(fromQ(FoodDataFile->text()), fromQ(KondateDataFile->text()),
                                 target, &pictures, &errorFile, &prompt()),
                 prompt()) &&
      target != configured) {
    FileName->setText(toQ(target));
    ask(target, u"変換したデータファイルは次の場所に保存しました"_s, Icon::Information,
        Buttons::Ok);
  }
  if (!errorFile.empty() && fileExists(errorFile)) {
    if (open_)
      open_(errorFile);
    else
      openDocument(errorFile);
  }
  OkBtn->setEnabled(true);
}

void TBentouDetailsForm::CheckKondateDataFileBtnClick() {
  PictureCheck check;
  ListBox1->clear();
  ListBox2->clear();
  if (!showResult(checkBentoPictures(fromQ(FileName->text()), pictureFolder(), check), prompt()))
    return;
  fillNames(ListBox1, check.picturesWithoutDish);
  fillNames(ListBox2, check.dishesWithoutPicture);
}

void TBentouDetailsForm::openPicture() {
  QListWidgetItem* item = ListBox1->currentItem();
  if (!item) return;
  const std::string path = joinPath(pictureFolder(), fromQ(item->text()) + ".bmp");
  if (!fileExists(path)) return;
  if (open_)
    open_(path);
  else
    openDocument(path);
}

void TBentouDetailsForm::renamePicture() {
  QListWidgetItem* item = ListBox1->currentItem();
  if (!item) return;
  const std::string old = fromQ(item->text());
  TChangeFileNameForm form(old, old, this);
  if (form.exec() != QDialog::Accepted) return;
  showResult(nv::renamePicture(pictureFolder(), old, form.newName()), prompt());
  CheckKondateDataFileBtnClick();
}

bool editKitchenSettings(TBentoubakoForm& kitchen, KitchenSettings& settings) {
  TBentouDetailsForm form(settings, kitchen.iniPath(), &kitchen.kitchenData(), &kitchen);
  if (form.exec() != QDialog::Accepted) return false;
  settings = form.result();
  return true;
}

}  // namespace nv
