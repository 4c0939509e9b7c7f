// The settings dialog: its tabs, its buttons and what it hands back. Each tab is built and
// handled in its own file (details_form_<tab>.cpp).
#include "teacher/details_form.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/dialogs.h"
#include "platform/paths.h"
#include "platform/qt/prompt_texts.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "platform/user_folders.h"
#include "teacher/details_form_widgets.h"
#include "teacher/dialog_placement.h"

using namespace Qt::StringLiterals;

namespace nv {

using namespace detailsui;

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

void TDetailsForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shown_) return;
  shown_ = true;
  FormShow();
}

void TDetailsForm::FormShow() {
  FileName2->setText(FileName->text());
  KaitenGroup->setTitle(toQ(kaitenShuukiCaption(TB_KaitenShuuki->value())));
  AddKondateFileName->setText(toQ(settings_.addKondateFileName));
  TabSheet4Resize();
  OkBtn->setEnabled(false);
}

void TDetailsForm::changed() { OkBtn->setEnabled(true); }

DetailsResult TDetailsForm::result() const {
  DetailsResult r;
  r.settings = settings_;
  DetailsSettings& s = r.settings;
  s.foodDataFile = fromQ(FoodDataFile->text());
  s.kondateDataFile = fromQ(KondateDataFile->text());
  s.sourceBmpFolder = fromQ(SourceBmpFolder->text());
  s.bmpFolder = fromQ(TargetBmpFolder->text());
  s.dataBaseFileName = fromQ(FileName->text());
  s.addKondateFileName = fromQ(AddKondateFileName->text());
  s.fontSize = FontSize->value();
  s.kondateIconSize = KondateIconSize->value();
  s.kondateIconFontSize = KondateIconFontSize->value();
  s.selIconSize = SelIconSize->value();
  s.selIconFontSize = SelIconFontSize->value();
  s.autoOpen = AutoOpen0->isChecked();
  s.kaitenShuuki = TB_KaitenShuuki->value();
  r.fileNameChanged = fileNameChanged_;
  r.addFileChanged = addFileChanged_;
  r.bmpFolderChanged = bmpFolderChanged_;
  return r;
}

bool TDetailsForm::chooseFile(QLineEdit* edit, const QString& title, const QString& filter,
                              const char* ext) {
  const std::string current = fromQ(edit->text());
  FileRequest request = fileRequest(filter, title);
  request.defaultExt = ext;
  request.initialDir = startFolder(current);
  request.fileName = fileNameOf(current);
  std::string path;
  if (!dialogs().openFile(request, path)) return false;
  edit->setText(toQ(path));
  changed();
  return true;
}

bool TDetailsForm::chooseFolder(QLineEdit* edit, const QString& title, const QString& filter) {
  const std::string current = fromQ(edit->text());
  FileRequest request = fileRequest(filter, title);
  request.initialDir = current.empty() ? programFolder() : current;
  request.fileName = "default";
  request.mustExist = false;  // "default" names no file: the folder is what is chosen
  std::string path;
  if (!dialogs().openFile(request, path)) return false;
  edit->setText(toQ(withSlash(folderOf(path))));
  changed();
  return true;
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
