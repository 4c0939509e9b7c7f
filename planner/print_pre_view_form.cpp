#include "planner/print_pre_view_form.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QResizeEvent>
#include <QToolButton>
#include <algorithm>

#include "planner/pages/menu_pages.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"

using namespace Qt::StringLiterals;

namespace nv {

namespace {
QToolButton* toolButton(QWidget* parent, const char* objectName, const QString& text,
                        const QString& hint) {
  auto* b = new QToolButton(parent);
  b->setObjectName(QString::fromLatin1(objectName));
  b->setText(text);
  b->setToolTip(hint);
  b->setToolButtonStyle(Qt::ToolButtonTextOnly);
  b->setMinimumHeight(30);
  return b;
}
}  // namespace

TPrintPreViewForm::TPrintPreViewForm(const MenuPages& pages, QPrinter& printer, QWidget* parent)
    : QDialog(parent), pages_(pages), printer_(printer) {
  setObjectName(QStringLiteral("PrintPreViewForm"));
  setWindowTitle(u"印刷プレビュー"_s);
  setWindowState(Qt::WindowMaximized);

  Panel1 = new QWidget(this);
  PrintOutBtn = toolButton(Panel1, "PrintOutBtn", u"印刷(&P)..."_s, u"印刷します"_s);
  SpeedButton3 = toolButton(Panel1, "SpeedButton3", u"← 前のページ"_s, u"前のページを表示します"_s);
  PreviewNextPageBtn =
      toolButton(Panel1, "PreviewNextPageBtn", u"次のページ →"_s, u"次のページを表示します"_s);
  PrinterSetupBtn =
      toolButton(Panel1, "PrinterSetupBtn", u"設定..."_s, u"プリンターの設定をします"_s);
  CloseBtn = toolButton(Panel1, "CloseBtn", u"閉じる"_s, u"プレビューを閉じます"_s);
  auto* bar = new QHBoxLayout(Panel1);
  bar->setContentsMargins(4, 4, 4, 4);
  for (QToolButton* b : {PrintOutBtn, SpeedButton3, PreviewNextPageBtn, PrinterSetupBtn, CloseBtn})
    bar->addWidget(b);
  bar->addStretch(1);
  Panel1->setFixedHeight(Panel1->sizeHint().height());
  Panel1->setAutoFillBackground(true);

  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setFrameShape(QFrame::Box);

  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(128, 128, 128));
  setPalette(pal);
  setAutoFillBackground(true);
  QPalette barPal = Panel1->palette();
  barPal.setColor(QPalette::Window, QColor(236, 233, 216));
  Panel1->setPalette(barPal);

  connect(PrintOutBtn, &QToolButton::clicked, this, &TPrintPreViewForm::PrintOutBtnClick);
  connect(SpeedButton3, &QToolButton::clicked, this, &TPrintPreViewForm::SpeedButton3Click);
  connect(PreviewNextPageBtn, &QToolButton::clicked, this,
          &TPrintPreViewForm::PreviewNextPageBtnClick);
  connect(PrinterSetupBtn, &QToolButton::clicked, this, &TPrintPreViewForm::PrinterSetupBtnClick);
  connect(CloseBtn, &QToolButton::clicked, this, &QDialog::reject);

  readPrinter();
  resize(1024, 720);
}

TPrintPreViewForm::~TPrintPreViewForm() = default;

void TPrintPreViewForm::readPrinter() {
  const QRect paper = printer_.pageLayout().fullRectPixels(72);
  if (paper.width() > 0) ratio_ = double(paper.height()) / double(paper.width());
}

void TPrintPreViewForm::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  layoutPages();
}

void TPrintPreViewForm::layoutPages() {
  setWindowTitle(toQ(printJobTitle(pages_.data().childName)));
  Panel1->setGeometry(0, 0, width(), Panel1->height());
  const int clientW = width(), clientH = height() - Panel1->height();
  int w = clientW * 9 / 10, h = clientH * 9 / 10;
  // Shrink one side to the page's shape.
  if (double(h) / double(std::max(1, w)) > ratio_)
    h = int(w * ratio_);
  else
    w = int(h / ratio_);
  w = std::max(1, w);
  h = std::max(1, h);
  Image1->setGeometry((clientW - w) / 2, Panel1->height() + (clientH - h) / 2, w, h);

  const int current = pager_ ? pager_->current() : 0;
  pager_ = std::make_unique<PreviewPager>(pages_.pages(QSize(w, h)));
  for (int i = 0; i < current && pager_->next();) ++i;
  page_ = QImage(w, h, QImage::Format_RGB32);
  drawPage();
}

void TPrintPreViewForm::drawPage() {
  page_.fill(Qt::white);
  if (const PreviewPage* which = pager_->page()) {
    QPainter painter(&page_);
    painter.setRenderHint(QPainter::Antialiasing);
    pages_.paintPage(painter, page_.rect(), *which);
  }
  Image1->setPixmap(QPixmap::fromImage(page_));
  SpeedButton3->setEnabled(pager_->hasPrevious());
  PreviewNextPageBtn->setEnabled(pager_->hasNext());
}

void TPrintPreViewForm::PreviewNextPageBtnClick() {
  if (pager_ && pager_->next()) drawPage();
}

void TPrintPreViewForm::SpeedButton3Click() {
  if (pager_ && pager_->previous()) drawPage();
}

void TPrintPreViewForm::PrintOutBtnClick() {
  printAsked_ = true;
  accept();
}

void TPrintPreViewForm::PrinterSetupBtnClick() {
  if (!printerSetup || !printerSetup()) return;
  // The set-up may have changed the paper: the preview stays landscape, in the new shape.
  printer_.setPageOrientation(QPageLayout::Landscape);
  readPrinter();
  layoutPages();
}

}  // namespace nv
