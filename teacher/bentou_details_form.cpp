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
#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/qt/qtext.h"
#include "platform/qt/shell.h"
#include "platform/text.h"
#include "platform/user_folders.h"
#include "teacher/change_file_name_form.h"
#include "teacher/details_form.h"
#include "teacher/model/picture_rename.h"

namespace nv {
namespace {

QString q(const char* utf8) { return QString::fromUtf8(utf8); }

QPushButton* button(const char* utf8, QWidget* parent) {
  auto* b = new QPushButton(q(utf8), parent);
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
  setWindowTitle(q("お弁当箱モードの詳細設定"));
  setSizeGripEnabled(true);
  resize(700, 520);
  auto* v = new QVBoxLayout(this);
  PageControl1 = new QTabWidget(this);
  PageControl1->addTab(buildConversionTab(), q("操作変換"));
  PageControl1->addTab(buildEnvironmentTab(), q("環境"));
  PageControl1->addTab(buildStorageTab(), q("保存場所"));
  v->addWidget(PageControl1, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  OkBtn = new QPushButton(q("&OK"), this);
  OkBtn->setDefault(true);
  CancelBtn = button("&CANCEL", this);
  CancelBtn->setAccessibleName(q("キャンセル"));
  buttons->addWidget(OkBtn);
  buttons->addWidget(CancelBtn);
  v->addLayout(buttons);
  connect(OkBtn, &QPushButton::clicked, this, [this] {
    if (writeLayouts()) accept();
  });
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  Ini ini(iniPath_);
  for (LayoutSection s : allLayoutSections()) setLayout(s, readLayout(ini, s));
}

TBentouDetailsForm::~TBentouDetailsForm() = default;

QWidget* TBentouDetailsForm::buildConversionTab() {
  auto* tab = new QWidget;
  auto* v = new QVBoxLayout(tab);
  auto* group = new QGroupBox(q("献立と食品に関するデータ"), tab);
  auto* g = new QGridLayout(group);
  FoodDataFile = new QLineEdit(toQ(settings_.foodDataFile), group);
  KondateDataFile = new QLineEdit(toQ(settings_.kondateDataFile), group);
  FileName = new QLineEdit(toQ(settings_.dataBaseFileName), group);
  FileName->setReadOnly(true);
  SetFoodDataFile1Btn = button("選択", group);
  SetKondateDataFileBtn = button("選択", group);
  g->addWidget(new QLabel(q("食品ファイル(*.csv)："), group), 0, 0);
  g->addWidget(FoodDataFile, 0, 1);
  g->addWidget(SetFoodDataFile1Btn, 0, 2);
  g->addWidget(new QLabel(q("献立ファイル(*.csv)："), group), 1, 0);
  g->addWidget(KondateDataFile, 1, 1);
  g->addWidget(SetKondateDataFileBtn, 1, 2);
  auto* actions = new QHBoxLayout;
  TransBtn = button("↓　変換", group);
  CheckKondateDataFileBtn = button("↓ チェック", group);
  actions->addStretch(1);
  actions->addWidget(TransBtn);
  actions->addWidget(CheckKondateDataFileBtn);
  actions->addStretch(1);
  g->addLayout(actions, 2, 0, 1, 3);
  g->addWidget(new QLabel(q("NVファイル(*.nvb)："), group), 3, 0);
  g->addWidget(FileName, 3, 1, 1, 2);
  v->addWidget(group);
  auto* lists = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addWidget(new QLabel(q("画像ファイルはあるが、献立が見つからない"), tab));
  ListBox1 = new QListWidget(tab);
  ListBox1->setAccessibleName(q("画像ファイルはあるが、献立が見つからない"));
  ListBox1->setContextMenuPolicy(Qt::CustomContextMenu);
  left->addWidget(ListBox1);
  auto* right = new QVBoxLayout;
  right->addWidget(new QLabel(q("画像が見つからない献立"), tab));
  ListBox2 = new QListWidget(tab);
  ListBox2->setAccessibleName(q("画像が見つからない献立"));
  right->addWidget(ListBox2);
  lists->addLayout(left);
  lists->addLayout(right);
  v->addLayout(lists, 1);

  connect(SetFoodDataFile1Btn, &QPushButton::clicked, this, [this] {
    chooseCsv(FoodDataFile, "食品ファイルの元になるファイルを指定して下さい",
              "食品ファイル(*.csv)|*.csv");
  });
  connect(SetKondateDataFileBtn, &QPushButton::clicked, this, [this] {
    chooseCsv(KondateDataFile, "献立ファイルを指定して下さい", "献立ファイル(*.csv)|*.csv");
  });
  connect(TransBtn, &QPushButton::clicked, this, &TBentouDetailsForm::TransBtnClick);
  connect(CheckKondateDataFileBtn, &QPushButton::clicked, this,
          &TBentouDetailsForm::CheckKondateDataFileBtnClick);
  connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { openPicture(); });
  connect(ListBox1, &QWidget::customContextMenuRequested, this, [this](QPoint at) {
    if (!ListBox1->currentItem()) return;
    QMenu menu(this);
    QAction* open = menu.addAction(q("開く(&O)"));
    QAction* rename = menu.addAction(q("ファイル名の変更(&C)"));
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
  for (const char* s : {"ボタン", "上", "右", "下", "左"}) CB_ReizoukoScrollBarStyle->addItem(q(s));
  CB_ReizoukoScrollBarStyle->setCurrentIndex(settings_.scrollBarStyle);
  g->addWidget(new QLabel(q("スクロールバーの形式："), tab), 0, 0);
  g->addWidget(CB_ReizoukoScrollBarStyle, 0, 1);
  E_BentouDataSaveDir = new QLineEdit(toQ(settings_.saveDir), tab);
  E_BentouDataSaveDir->setAccessibleName(q("お弁当の保存先"));
  B_BentouDataSaveDir = button("選択", tab);
  g->addWidget(new QLabel(q("お弁当の保存先："), tab), 1, 0);
  g->addWidget(E_BentouDataSaveDir, 1, 1);
  g->addWidget(B_BentouDataSaveDir, 1, 2);
  auto* colours = new QHBoxLayout;
  static const char* const kGroups[6] = {"１群の色", "２群の色", "３群の色",
                                         "４群の色", "５群の色", "６群の色"};
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
  Btn_InitialBuhinPosition = button("部品の位置を初期化する", tab);
  g->addWidget(Btn_InitialBuhinPosition, 3, 0, 1, 2);
  g->setRowStretch(4, 1);
  connect(B_BentouDataSaveDir, &QPushButton::clicked, this, [this] {
    FileRequest r;
    r.title = sj("献立の保存先でファイルを指定して下さい");
    r.filter = sj("献立ファイル(*.nvub)|*.nvub|全てのファイル(*.*)|*.*");
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

bool TBentouDetailsForm::writeLayouts() {
  Ini ini(iniPath_);
  bool ok = true;
  if (resetPending_) ok = resetApplianceLayouts(ini);
  for (LayoutSection s : allLayoutSections()) ok = writeLayout(ini, s, layoutOf(s)) && ok;
  return ok && ini.save();
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

void TBentouDetailsForm::chooseCsv(QLineEdit* edit, const char* titleUtf8, const char* filterUtf8) {
  const std::string current = fromQ(edit->text());
  FileRequest r;
  r.title = sj(titleUtf8);
  r.filter = sj(filterUtf8);
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
  if (convertBentoCsv(fromQ(FoodDataFile->text()), fromQ(KondateDataFile->text()), target,
                      &pictures, &errorFile) &&
      target != configured) {
    FileName->setText(toQ(target));
    prompt().messageBox(target, sj("変換したデータファイルは次の場所に保存しました"),
                        Icon::Information, Buttons::Ok);
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
  if (!checkBentoPictures(fromQ(FileName->text()), pictureFolder(), check)) return;
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
  nv::renamePicture(pictureFolder(), old, form.newName());
  CheckKondateDataFileBtnClick();
}

bool editKitchenSettings(TBentoubakoForm& kitchen, KitchenSettings& settings) {
  TBentouDetailsForm form(settings, kitchen.iniPath(), &kitchen.kitchenData(), &kitchen);
  if (form.exec() != QDialog::Accepted) return false;
  settings = form.result();
  return true;
}

}  // namespace nv
