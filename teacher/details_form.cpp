// The settings dialog's construction and layout; its handlers are in details_form_handlers.cpp.
#include "teacher/details_form.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/gun_name.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "teacher/dialog_placement.h"

using namespace Qt::StringLiterals;

namespace nv {
namespace {

QPushButton* chooseButton(QWidget* parent) {
  auto* b = new QPushButton(u"選択"_s, parent);
  b->setAutoDefault(false);
  return b;
}

QTreeWidget* listView(QWidget* parent, const QStringList& h) {
  auto* v = new QTreeWidget(parent);
  v->setRootIsDecorated(false);
  v->setUniformRowHeights(true);
  v->setColumnCount(int(h.size()));
  v->setHeaderLabels(h);
  return v;
}

QSpinBox* spin(QWidget* parent, int low, int high, int step, int value) {
  auto* s = new QSpinBox(parent);
  s->setRange(low, high);
  s->setSingleStep(step);
  s->setValue(value);
  return s;
}

// A caption for `buddy`: Alt + its mnemonic reaches the control, and a screen reader says it as
// the control's name.
QLabel* buddyLabel(const QString& text, QWidget* buddy) {
  auto* l = new QLabel(text, buddy->parentWidget());
  l->setBuddy(buddy);
  return l;
}

// An edit that grows up to its choose button.
QHBoxLayout* editWithButton(QLineEdit* edit, QPushButton* button) {
  auto* row = new QHBoxLayout;
  row->setSpacing(4);
  row->addWidget(edit, 1);
  row->addWidget(button);
  return row;
}

}  // namespace

// A colour button: its face is the colour, its caption readable on it.
void paintColorButton(QPushButton* button, int32_t color) {
  const Rgb c = rgbOfWinColor(color);
  const int lightness = (c.r * 299 + c.g * 587 + c.b * 114) / 1000;
  button->setStyleSheet(
      QStringLiteral("QPushButton { background-color: rgb(%1,%2,%3); color: %4; }")
          .arg(c.r)
          .arg(c.g)
          .arg(c.b)
          .arg(lightness < 110 ? QStringLiteral("white") : QStringLiteral("black")));
}

TDetailsForm::TDetailsForm(const DetailsSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
  setObjectName(QStringLiteral("DetailsForm"));
  setWindowTitle(u"詳細設定"_s);
  setSizeGripEnabled(true);
  resize(666, 484);
  auto* v = new QVBoxLayout(this);
  PageControl1 = new QTabWidget(this);
  PageControl1->addTab(buildCsvTab(), u"CSVﾌｧｲﾙ変換"_s);
  PageControl1->addTab(buildPictureTab(), u"画像ﾌｧｲﾙ変換"_s);
  PageControl1->addTab(buildDataTab(), u"内部データ"_s);
  PageControl1->addTab(buildEnvironmentTab(), u"環境"_s);
  v->addWidget(PageControl1, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  OkBtn = new QPushButton(u"&OK"_s, this);
  OkBtn->setObjectName(QStringLiteral("OkBtn"));
  OkBtn->setDefault(true);
  CancelBtn = new QPushButton(u"&CANCEL"_s, this);
  CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
  CancelBtn->setAccessibleName(u"キャンセル"_s);
  CancelBtn->setAutoDefault(false);
  buttons->addWidget(OkBtn);
  buttons->addWidget(CancelBtn);
  v->addLayout(buttons);
  connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

  // The three files of the main window, taken as they are (not changes).
  FileName->setText(toQ(settings_.dataBaseFileName));
  TargetBmpFolder->setText(toQ(settings_.bmpFolder));
  AddKondateFileName->setText(toQ(settings_.addKondateFileName));
  FoodDataFile->setText(toQ(settings_.foodDataFile));
  KondateDataFile->setText(toQ(settings_.kondateDataFile));
  SourceBmpFolder->setText(toQ(settings_.sourceBmpFolder));

  connect(SetFoodDataFile1Btn, &QPushButton::clicked, this,
          &TDetailsForm::SetFoodDataFile1BtnClick);
  connect(SetKondateDataFileBtn, &QPushButton::clicked, this,
          &TDetailsForm::SetKondateDataFileBtnClick);
  connect(SetAddKondateFileNameBtn, &QPushButton::clicked, this,
          &TDetailsForm::SetAddKondateFileNameBtnClick);
  connect(SelSourceBmpFolder, &QPushButton::clicked, this, &TDetailsForm::SelSourceBmpFolderClick);
  connect(SelTargetBmpFolderBtn, &QPushButton::clicked, this,
          &TDetailsForm::SelTargetBmpFolderBtnClick);
  connect(TransBtn, &QPushButton::clicked, this, &TDetailsForm::TransBtnClick);
  connect(CheckKondateDataFileBtn, &QPushButton::clicked, this,
          &TDetailsForm::CheckKondateDataFileBtnClick);
  connect(Button3, &QPushButton::clicked, this, &TDetailsForm::Button3Click);
  connect(Button1, &QPushButton::clicked, this, &TDetailsForm::Button1Click);
  connect(ShowBdFileBtn, &QPushButton::clicked, this, &TDetailsForm::ShowBdFileBtnClick);
  connect(KondateBackColor, &QPushButton::clicked, this,
          [this] { SetBackColor(KondateBackColor, settings_.kondateBackColor); });
  for (size_t i = 0; i < GunColor.size(); ++i)
    connect(GunColor[i], &QPushButton::clicked, this,
            [this, i] { SetBackColor(GunColor[i], settings_.gunColors[i]); });
  for (size_t i = 0; i < mealColorButtons.size(); ++i)
    connect(mealColorButtons[i], &QPushButton::clicked, this,
            [this, i] { SetBackColor(mealColorButtons[i], settings_.meals[i].color); });
  connect(TB_KaitenShuuki, &QSlider::valueChanged, this, [this](int seconds) {
    KaitenGroup->setTitle(toQ(kaitenShuukiCaption(seconds)));
    changed();
  });
  connect(FontSize, &QSpinBox::valueChanged, this, [this] { changed(); });
  connect(AutoOpen0, &QCheckBox::clicked, this, [this] { changed(); });
  // Sizes taken on OK must be able to enable it.
  for (QSpinBox* s : {KondateIconSize, KondateIconFontSize, SelIconSize, SelIconFontSize})
    connect(s, &QSpinBox::valueChanged, this, [this] { changed(); });
}

TDetailsForm::~TDetailsForm() = default;

QWidget* TDetailsForm::buildCsvTab() {
  auto* tab = new QWidget;
  auto* v = new QVBoxLayout(tab);
  auto* group = new QGroupBox(u"献立と食品に関するデータ"_s, tab);
  auto* g = new QGridLayout(group);
  FoodDataFile = new QLineEdit(group);
  SetFoodDataFile1Btn = chooseButton(group);
  KondateDataFile = new QLineEdit(group);
  SetKondateDataFileBtn = chooseButton(group);
  g->addWidget(buddyLabel(u"食品ファイル(*.csv)："_s, FoodDataFile), 0, 0);
  g->addLayout(editWithButton(FoodDataFile, SetFoodDataFile1Btn), 0, 1);
  g->addWidget(buddyLabel(u"献立ファイル(*.csv)："_s, KondateDataFile), 1, 0);
  g->addLayout(editWithButton(KondateDataFile, SetKondateDataFileBtn), 1, 1);
  auto* actions = new QHBoxLayout;
  actions->setSpacing(4);
  TransBtn = new QPushButton(u"↓　変換"_s, group);
  CheckKondateDataFileBtn = new QPushButton(u"チェック"_s, group);
  TransBtn->setAutoDefault(false);
  CheckKondateDataFileBtn->setAutoDefault(false);
  actions->addStretch(1);
  actions->addWidget(TransBtn);
  actions->addWidget(CheckKondateDataFileBtn);
  actions->addStretch(1);
  g->addLayout(actions, 2, 0, 1, 2);
  FileName = new QLineEdit(group);
  FileName->setReadOnly(true);
  FileName->setEnabled(false);
  g->addWidget(buddyLabel(u"NVファイル(*.nv)："_s, FileName), 3, 0);
  g->addWidget(FileName, 3, 1);
  v->addWidget(group);
  auto* lists = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  ListView1 = listView(tab, {u"コード"_s, u"名前"_s, u"群別"_s, u"３色区分"_s, u"カロリー"_s});
  left->addWidget(buddyLabel(u"食品ファイル"_s, ListView1));
  ListView1->setAccessibleName(u"食品ファイルの食品"_s);
  left->addWidget(ListView1);
  auto* right = new QVBoxLayout;
  ListView2 = listView(tab, {u"通し番号"_s, u"献立名"_s, u"標準の重量"_s, u"食品１"_s, u"食品２"_s,
                             u"食品３"_s, u"食品４"_s, u"食品５"_s});
  right->addWidget(buddyLabel(u"献立ファイル"_s, ListView2));
  ListView2->setAccessibleName(u"献立ファイルの献立"_s);
  right->addWidget(ListView2);
  lists->addLayout(left, 1);
  lists->addLayout(right, 1);
  v->addLayout(lists, 1);
  return tab;
}

QWidget* TDetailsForm::buildPictureTab() {
  auto* tab = new QWidget;
  auto* v = new QVBoxLayout(tab);
  auto* group = new QGroupBox(u"画像ファイル"_s, tab);
  auto* g = new QVBoxLayout(group);
  auto* source = new QHBoxLayout;
  SourceBmpFolder = new QLineEdit(group);
  SelSourceBmpFolder = chooseButton(group);
  source->addWidget(buddyLabel(u"元のデータ："_s, SourceBmpFolder));
  source->addLayout(editWithButton(SourceBmpFolder, SelSourceBmpFolder), 1);
  g->addLayout(source);
  auto* middle = new QHBoxLayout;
  auto* convert = new QVBoxLayout;
  Button3 = new QPushButton(u"↓　縮小変換"_s, group);
  Button1 = new QPushButton(u"↓ そのまま変換"_s, group);
  Button3->setAutoDefault(false);
  Button1->setAutoDefault(false);
  convert->addWidget(Button3);
  convert->addWidget(Button1);
  convert->addStretch(1);
  middle->addLayout(convert);
  auto sizes = [&](const QString& title, QSpinBox*& icon, QSpinBox*& font, int iconMax,
                   int iconValue, int fontValue) {
    auto* box = new QGroupBox(title, group);
    auto* form = new QGridLayout(box);
    icon = spin(box, 16, iconMax, 4, iconValue);
    font = spin(box, 6, 64, 1, fontValue);
    form->addWidget(buddyLabel(u"アイコンサイズ"_s, icon), 0, 0);
    icon->setAccessibleName(title + u"のアイコンサイズ"_s);
    font->setAccessibleName(title + u"のフォントサイズ"_s);
    form->addWidget(icon, 0, 1);
    form->addWidget(buddyLabel(u"フォントサイズ"_s, font), 1, 0);
    form->addWidget(font, 1, 1);
    middle->addWidget(box);
  };
  sizes(u"献立一覧"_s, KondateIconSize, KondateIconFontSize, 400, settings_.kondateIconSize,
        settings_.kondateIconFontSize);
  sizes(u"食事時"_s, SelIconSize, SelIconFontSize, 200, settings_.selIconSize,
        settings_.selIconFontSize);
  middle->addStretch(1);
  g->addLayout(middle);
  auto* target = new QHBoxLayout;
  TargetBmpFolder = new QLineEdit(group);
  TargetBmpFolder->setReadOnly(true);
  SelTargetBmpFolderBtn = chooseButton(group);
  target->addWidget(buddyLabel(u"画像フォルダ："_s, TargetBmpFolder));
  target->addLayout(editWithButton(TargetBmpFolder, SelTargetBmpFolderBtn), 1);
  g->addLayout(target);
  TransLabel = new QLabel(u"処理ファイル："_s, group);
  g->addWidget(TransLabel);
  v->addWidget(group);
  v->addStretch(1);
  return tab;
}

QWidget* TDetailsForm::buildDataTab() {
  auto* tab = new QWidget;
  auto* v = new QVBoxLayout(tab);
  auto* top = new QHBoxLayout;
  FileName2 = new QLineEdit(tab);
  FileName2->setReadOnly(true);
  ShowBdFileBtn = new QPushButton(u"表示"_s, tab);
  ShowBdFileBtn->setToolTip(u"ファイルの内容の表示"_s);
  ShowBdFileBtn->setAutoDefault(false);
  top->addWidget(buddyLabel(u"NVファイル(*.nv)："_s, FileName2));
  top->addLayout(editWithButton(FileName2, ShowBdFileBtn), 1);
  v->addLayout(top);
  ShokuhinLabel = new QLabel(u"食品数："_s, tab);
  v->addWidget(ShokuhinLabel);
  ListView3 = listView(tab, {u"ｺｰﾄﾞ"_s, u"食品名"_s, u"群別"_s, u"３色区分"_s, u"ｶﾛﾘｰ"_s,
                             u"蛋白質"_s, u"脂肪"_s, u"ｶﾙｼｳﾑ"_s, u"鉄分"_s, u"ﾋﾞﾀﾐﾝA"_s,
                             u"ﾋﾞﾀﾐﾝB1"_s, u"ﾋﾞﾀﾐﾝB2"_s, u"ﾋﾞﾀﾐﾝC"_s, u"塩分"_s});
  v->addWidget(ListView3, 1);
  ListView3->setAccessibleName(u"食品"_s);
  KondateLabel = new QLabel(u"献立数："_s, tab);
  v->addWidget(KondateLabel);
  ListView4 = listView(tab, {u"通し番号"_s, u"献立名"_s, u"標準の重量"_s, u"食品１"_s, u"食品２"_s,
                             u"食品３"_s, u"食品４"_s, u"食品５"_s});
  v->addWidget(ListView4, 1);
  ListView4->setAccessibleName(u"献立"_s);
  return tab;
}

QWidget* TDetailsForm::buildEnvironmentTab() {
  // Placed by hand: TabSheet4Resize lays the colour buttons out by their widths.
  TabSheet4 = new QWidget;
  TabSheet4->installEventFilter(this);
  auto* fontLabel = new QLabel(u"タブの文字の大きさ："_s, TabSheet4);
  fontLabel->setGeometry(10, 14, 150, 20);
  FontSize = spin(TabSheet4, 6, 72, 1, settings_.fontSize);
  fontLabel->setBuddy(FontSize);
  FontSize->setGeometry(164, 10, 70, 26);
  KondateBackColor = new QPushButton(u"献立一覧の背景色"_s, TabSheet4);
  KondateBackColor->setAutoDefault(false);
  KondateBackColor->setGeometry(10, 48, 180, 47);
  paintColorButton(KondateBackColor, settings_.kondateBackColor);
  for (const DetailsSettings::Meal& meal : settings_.meals) {
    auto* b = new QPushButton(toQ(meal.name) + u"の背景色"_s, TabSheet4);
    b->setAutoDefault(false);
    paintColorButton(b, meal.color);
    mealColorButtons.push_back(b);
  }
  static const QString kGroups[6] = {u"１群の色"_s, u"２群の色"_s, u"３群の色"_s,
                                     u"４群の色"_s, u"５群の色"_s, u"６群の色"_s};
  for (size_t i = 0; i < GunColor.size(); ++i) {
    GunColor[i] = new QPushButton(kGroups[i], TabSheet4);
    GunColor[i]->setObjectName(QStringLiteral("GunColor%1").arg(i + 1));
    GunColor[i]->setAutoDefault(false);
    paintColorButton(GunColor[i], settings_.gunColors[i]);
  }
  auto* addLabel = new QLabel(u"追加献立ファイル名："_s, TabSheet4);
  addLabel->setGeometry(10, 222, 200, 20);
  AddKondateFileName = new QLineEdit(TabSheet4);
  addLabel->setBuddy(AddKondateFileName);
  AddKondateFileName->setToolTip(u"追加した献立を保存するファイル名"_s);
  SetAddKondateFileNameBtn = chooseButton(TabSheet4);
  AutoOpen0 = new QCheckBox(u"起動時に前回作成した献立ファイルを開く。"_s, TabSheet4);
  AutoOpen0->setChecked(settings_.autoOpen);
  AutoOpen0->setGeometry(10, 278, 400, 22);
  KaitenGroup = new QGroupBox(u"回転寿司での１周に要する時間（秒）"_s, TabSheet4);
  TB_KaitenShuuki = new QSlider(Qt::Horizontal, KaitenGroup);
  TB_KaitenShuuki->setToolTip(u"回転寿司モードで、１周する時間を設定します。"_s);
  TB_KaitenShuuki->setAccessibleName(u"回転寿司での１周に要する時間"_s);
  TB_KaitenShuuki->setRange(30, 600);
  TB_KaitenShuuki->setPageStep(5);
  TB_KaitenShuuki->setTickPosition(QSlider::TicksBelow);
  TB_KaitenShuuki->setTickInterval(30);
  TB_KaitenShuuki->setValue(settings_.kaitenShuuki);
  auto* k = new QVBoxLayout(KaitenGroup);
  k->addWidget(TB_KaitenShuuki);
  return TabSheet4;
}

bool TDetailsForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == TabSheet4 && event->type() == QEvent::Resize) TabSheet4Resize();
  return QDialog::eventFilter(watched, event);
}

void TDetailsForm::TabSheet4Resize() {
  const int w = TabSheet4->width();
  const int n = int(mealColorButtons.size());
  for (int i = 0; i < n; ++i) {
    const ButtonBox b = mealColorButton(n, w, i);
    mealColorButtons[size_t(i)]->setGeometry(b.left, b.top, b.width, b.height);
  }
  for (int i = 0; i < 6; ++i) {
    const ButtonBox b = gunColorButton(w, i);
    GunColor[size_t(i)]->setGeometry(b.left, 164, b.width, 47);
  }
  const int buttonWidth = SetAddKondateFileNameBtn->sizeHint().width();
  SetAddKondateFileNameBtn->setGeometry(w - 4 - buttonWidth, 244, buttonWidth, 26);
  AddKondateFileName->setGeometry(10, 245, w - 4 - buttonWidth - 4 - 10, 24);
  KaitenGroup->setGeometry(10, 306, w - 20, 64);
}

void placeDetailsForm(TDetailsForm& form, const DetailsPlacement& p) {
  // Stored at another resolution, the bounds may hold OK and CANCEL off the screen.
  if (p.stored) form.setGeometry(onVisibleScreen(QRect(p.left, p.top, p.width, p.height)));
  form.PageControl1->setCurrentIndex(p.page >= 0 && p.page < form.PageControl1->count() ? p.page
                                                                                        : 0);
}

DetailsPlacement detailsPlacementOf(const TDetailsForm& form) {
  DetailsPlacement p;
  const QRect g = form.geometry();
  p.left = g.x();
  p.top = g.y();
  p.width = g.width();
  p.height = g.height();
  p.stored = true;
  p.page = form.PageControl1->currentIndex();
  return p;
}

}  // namespace nv
