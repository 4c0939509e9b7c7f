// The tab 環境: font size, colours, the added-dish file, opening at start and the conveyor's
// round time.
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/converted_file.h"
#include "core/kondate_data.h"
#include "platform/dialogs.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/qt/prompt_texts.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "teacher/details_form.h"
#include "teacher/details_form_widgets.h"

using namespace Qt::StringLiterals;

namespace nv {

using namespace detailsui;

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

void TDetailsForm::SetAddKondateFileNameBtnClick() {
  const std::string current = fromQ(AddKondateFileName->text());
  FileRequest request =
      fileRequest(u"献立ファイル(*.nv)|*.nv"_s, u"献立ファイルを指定して下さい"_s);
  request.defaultExt = "nv";
  request.initialDir = startFolder(current);
  request.fileName = fileNameOf(current);
  request.mustExist = false;  // a new file for the added dishes is a fine choice
  std::string path;
  if (!dialogs().openFile(request, path)) return;
  // The filter offers NV.nv beside NV_ADD.nv: the first added dish would be written over the
  // whole food and dish data.
  const std::string dataFile = fromQ(FileName->text());
  if (path == dataFile || sameFile(path, dataFile)) {
    ask(path, u"データファイル（NV.nv）は追加献立ファイルにできません"_s, Icon::Stop, Buttons::Ok);
    return;
  }
  if (!addFileMayBeReplaced(path)) {
    ask(path, u"追加献立のデータではないファイルは追加献立ファイルにできません"_s, Icon::Stop,
        Buttons::Ok);
    return;
  }
  AddKondateFileName->setText(toQ(path));
  addFileChanged_ = true;
  changed();
}

void TDetailsForm::SetBackColor(QPushButton* button, int32_t& color) {
  int32_t chosen = color;
  if (!dialogs().chooseColor(color, chosen)) return;
  color = chosen;
  paintColorButton(button, chosen);
  changed();
}

}  // namespace nv
