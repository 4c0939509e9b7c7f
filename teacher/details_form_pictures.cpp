// The tab 画像ﾌｧｲﾙ変換: the dish pictures converted into the picture folder, at the icon sizes.
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/prompt.h"
#include "platform/qt/prompt_texts.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "teacher/details_form.h"
#include "teacher/details_form_widgets.h"
#include "teacher/model/picture_conversion.h"

using namespace Qt::StringLiterals;

namespace nv {

using namespace detailsui;

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

void TDetailsForm::SelSourceBmpFolderClick() {
  chooseFolder(SourceBmpFolder, u"元の画像ファイルの場所を指定して下さい"_s,
               u"画像ファイル(*.bmp)|*.bmp"_s);
}

void TDetailsForm::SelTargetBmpFolderBtnClick() {
  if (chooseFolder(TargetBmpFolder, u"画像ファイルの保存先を指定して下さい"_s,
                   u"画像ファイル(*.bmp)|*.bmp|全てのファイル(*.*)|*.*"_s))
    bmpFolderChanged_ = true;
}

void TDetailsForm::Button3Click() { convertPictures(true); }

void TDetailsForm::Button1Click() { convertPictures(false); }

void TDetailsForm::convertPictures(bool shrink) {
  int dpi = dpi_;
  if (dpi <= 0) dpi = screen() ? int(screen()->logicalDotsPerInch()) : 96;
  const int limit = shrinkLimit(KondateIconSize->value(), KondateIconFontSize->value(), dpi);
  const auto results =
      nv::convertPictures(fromQ(SourceBmpFolder->text()), fromQ(TargetBmpFolder->text()),
                          shrink ? PictureMode::Shrink : PictureMode::Unchanged, limit,
                          [this](const std::string& name) {
                            TransLabel->setText(u"処理ファイル："_s + toQ(name));
                            TransLabel->repaint();
                          });
  std::string skipped;
  bool processed = false;
  for (const PictureResult& r : results) {
    if (r.how == PictureResult::How::Skipped)
      skipped +=
          r.name + fromQ(u"（"_s + QString::fromUtf8(pictureReasonText(r.why)) + u"）"_s) + "\n";
    else
      processed = true;
  }
  // A picture left behind is named with the reason, so the teacher knows which dish will show
  // none and what to do about it.
  if (!skipped.empty())
    ask(skipped, u"変換できなかった画像ファイルがあります"_s, Icon::Warning, Buttons::Ok);
  if (processed) changed();
}

}  // namespace nv
