#include "bento/bentou_kekka_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "bento/bento_page.h"
#include "bento/bentou_pre_view_form.h"
#include "bento/bentoubako_form.h"
#include "bento/kitchen_pictures.h"
#include "bento/model/bento_pictures.h"
#include "bento/onigiri_bouya_form.h"
#include "platform/prompt.h"
#include "platform/qt/prompt_texts.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"

using namespace Qt::StringLiterals;

namespace nv {

PrinterDialog standardPrintDialog() {
  return [](QPrinter& printer, QWidget* parent) {
    QPrintDialog d(&printer, parent);
    return d.exec() == QDialog::Accepted;
  };
}

PrintOutcome printKitchenPage(TBentoubakoForm& kitchen, QPrinter& printer,
                              const PrinterDialog& dialog, QWidget* parent,
                              const std::function<void(const QString&)>& status) {
  const QPageLayout::Orientation before = printer.pageLayout().orientation();
  printer.setPageOrientation(QPageLayout::Landscape);
  PrintOutcome outcome = PrintOutcome::Cancelled;
  if (!dialog || dialog(printer, parent)) {
    const BentoPageData page = bentoPageData(kitchen);
    outcome = printPagesOn(printer, {page}, bentoPrintJobTitle(page.childName), status);
  }
  printer.setPageOrientation(before);
  return outcome;
}

TBentouKekkaForm::TBentouKekkaForm(TBentoubakoForm& kitchen, RiceBall* riceBall, QPrinter& printer,
                                   PrinterDialog printDialog, std::function<void()> preview,
                                   QWidget* parent)
    : QDialog(parent),
      kitchen_(kitchen),
      riceBall_(riceBall),
      printer_(printer),
      printDialog_(std::move(printDialog)),
      preview_(std::move(preview)) {
  setWindowTitle(u"お弁当の栄養"_s);
  auto* root = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  auto* top = new QHBoxLayout;
  RiceBallButton = new QToolButton(this);
  RiceBallButton->setFixedSize(120, 120);
  RiceBallButton->setAccessibleName(u"おにぎりくん"_s);
  RiceBallButton->setAccessibleDescription(u"お弁当のできばえを教えてくれます"_s);
  const QImage ball = loadTransparentBmp(riceBallPicturePath(1, 1));
  if (!ball.isNull()) {
    RiceBallButton->setIcon(QPixmap::fromImage(ball));
    RiceBallButton->setIconSize(QSize(112, 112));
  }
  auto* hint = new QLabel(
      u"お弁当の栄養がどうだったか知りたいときは、左のおにぎりくんをクリックしてね"_s, this);
  hint->setWordWrap(true);
  hint->setMinimumWidth(220);
  top->addWidget(RiceBallButton);
  top->addWidget(hint, 1);
  left->addLayout(top);
  GraphCheck = new QCheckBox(u"グラフを表示する"_s, this);
  left->addWidget(GraphCheck);
  auto* printRow = new QHBoxLayout;
  PrintButton = new QPushButton(u"印刷する"_s, this);
  PreviewButton = new QPushButton(u"プレビュー"_s, this);
  PrintButton->setVisible(false);
  PreviewButton->setVisible(false);
  printRow->addWidget(PrintButton);
  printRow->addWidget(PreviewButton);
  left->addLayout(printRow);
  auto* quitHint = new QLabel(u"お弁当箱をやめたいときは、下の→をクリックしてね"_s, this);
  quitHint->setWordWrap(true);
  left->addWidget(quitHint);
  auto* bottom = new QHBoxLayout;
  CloseButton = new QPushButton(u"この窓を閉じる"_s, this);
  WidenButton = new QPushButton(u"→"_s, this);
  WidenButton->setCheckable(true);
  WidenButton->setAccessibleName(u"お弁当箱のボタン"_s);
  WidenButton->setAccessibleDescription(
      u"新規作成、開く、保存する、もうやめるのボタンを出したり、しまったりします"_s);
  bottom->addWidget(CloseButton);
  bottom->addWidget(WidenButton);
  left->addLayout(bottom);
  Status = new QLabel(this);
  left->addWidget(Status);
  root->addLayout(left);

  BoxGroup = new QGroupBox(u"お弁当箱を"_s, this);
  auto* g = new QVBoxLayout(BoxGroup);
  NewButton = new QPushButton(u"新規作成(&N)"_s, BoxGroup);
  OpenButton = new QPushButton(u"開く(&O)"_s, BoxGroup);
  SaveButton = new QPushButton(u"保存する(&S)"_s, BoxGroup);
  QuitButton = new QPushButton(u"もうやめる(&X)"_s, BoxGroup);
  for (QPushButton* b : {NewButton, OpenButton, SaveButton, QuitButton}) g->addWidget(b);
  root->addWidget(BoxGroup);
  BoxGroup->setEnabled(false);

  const bool filled = !kitchen.placedNames().empty();
  if (filled) {
    GraphCheck->setChecked(kitchen.showGraph());
    kitchen.computeGrade();
  }
  GraphCheck->setEnabled(filled);
  RiceBallButton->setEnabled(filled);
  SaveButton->setEnabled(filled);

  connect(RiceBallButton, &QToolButton::clicked, this, &TBentouKekkaForm::riceBallClicked);
  connect(GraphCheck, &QCheckBox::toggled, this, [this](bool on) { kitchen_.setShowGraph(on); });
  connect(PrintButton, &QPushButton::clicked, this, &TBentouKekkaForm::printClicked);
  connect(PreviewButton, &QPushButton::clicked, this, [this] {
    if (riceBall_) riceBall_->close();
    if (preview_) preview_();
  });
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
  connect(WidenButton, &QPushButton::toggled, this, &TBentouKekkaForm::setWidened);
  connect(QuitButton, &QPushButton::clicked, this, [this] { finishWith(1); });
  connect(OpenButton, &QPushButton::clicked, this, [this] { finishWith(2); });
  connect(SaveButton, &QPushButton::clicked, this, [this] { finishWith(3); });
  connect(NewButton, &QPushButton::clicked, this, [this] { finishWith(4); });
}

bool TBentouKekkaForm::showGraph() const { return GraphCheck->isChecked(); }
bool TBentouKekkaForm::widened() const { return BoxGroup->isVisible(); }

void TBentouKekkaForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (fullWidth_ == 0) {
    adjustSize();
    fullWidth_ = width();
    narrowWidth_ = BoxGroup->geometry().left();
    setWidened(false);
  }
}

void TBentouKekkaForm::setWidened(bool on) {
  BoxGroup->setVisible(on);
  BoxGroup->setEnabled(on);
  if (WidenButton->isChecked() != on) WidenButton->setChecked(on);
  if (fullWidth_ == 0) return;
  // The layout counts the group in the smallest width until it is told that the group is
  // hidden; before that the dialog would refuse to narrow.
  layout()->activate();
  resize(on ? fullWidth_ : std::max(narrowWidth_, minimumSizeHint().width()), height());
}

void TBentouKekkaForm::riceBallClicked() {
  if (riceBall_) riceBall_->show(kitchen_, kitchen_.grade());
  PrintButton->setVisible(true);
  PreviewButton->setVisible(true);
}

void TBentouKekkaForm::printClicked() {
  if (riceBall_) riceBall_->close();
  groupEnabled_ = BoxGroup->isEnabled();
  for (QWidget* w :
       std::initializer_list<QWidget*>{BoxGroup, RiceBallButton, PrintButton, PreviewButton})
    w->setEnabled(false);
  const PrintOutcome outcome = printKitchenPage(kitchen_, printer_, printDialog_, this,
                                                [this](const QString& s) { Status->setText(s); });
  // The progress texts end with the job; "印刷しました" only when a page went out.
  Status->clear();
  if (outcome == PrintOutcome::Printed) tell(u"印刷しました"_s);
  if (outcome == PrintOutcome::Failed) reportPrintFailure();
  BoxGroup->setEnabled(groupEnabled_);
  for (QWidget* w : std::initializer_list<QWidget*>{RiceBallButton, PrintButton, PreviewButton})
    w->setEnabled(true);
}

void TBentouKekkaForm::finishWith(int action) {
  action_ = action;
  accept();
}

BentoResult::BentoResult(RiceBall* riceBall)
    : printDialog(standardPrintDialog()),
      setupDialog([](QPrinter& printer, QWidget* parent) {
        QPageSetupDialog d(&printer, parent);
        return d.exec() == QDialog::Accepted;
      }),
      riceBall_(riceBall),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

BentoResult::~BentoResult() = default;

void BentoResult::showResult(TBentoubakoForm& kitchen) {
  int action = 0;
  {
    inResult_ = true;
    TBentouKekkaForm dialog(
        kitchen, riceBall_, *printer_, printDialog, [this, &kitchen] { showPreview(kitchen); },
        &kitchen);
    if (runDialog)
      runDialog(dialog);
    else
      dialog.exec();
    kitchen.setShowGraph(dialog.showGraph());
    action = dialog.action();
    inResult_ = false;
  }
  renewStuckPrinter(printer_);
  kitchen.afterResult(action);
}

void BentoResult::showPreview(TBentoubakoForm& kitchen) {
  if (riceBall_) riceBall_->close();
  printer_->setPageOrientation(QPageLayout::Landscape);
  if (setupDialog && !setupDialog(*printer_, &kitchen)) return;
  {
    TBentouPreViewForm preview(*printer_, bentoPageData(kitchen), &kitchen);
    if (runPreview)
      runPreview(preview);
    else
      preview.exec();
  }
  if (!inResult_) renewStuckPrinter(printer_);
}

}  // namespace nv
