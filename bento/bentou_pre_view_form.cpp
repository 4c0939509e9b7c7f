#include "bento/bentou_pre_view_form.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSlider>

#include "bento/bento_print_job.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"

using namespace Qt::StringLiterals;

namespace nv {

TBentouPreViewForm::TBentouPreViewForm(QPrinter& printer, BentoPageData page, QWidget* parent)
    : QDialog(parent), printer_(printer), page_(std::move(page)) {
  setWindowTitle(u"お弁当箱のプレビュー"_s);
  // The sheet is kept at no more than 150 pixels per inch: a 1200 dpi printer's sheet would
  // take half a gigabyte and seconds to draw, and the screen shows far less.
  f_ = std::min(1.0, 150.0 / std::max(1, printer.resolution()));
  const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
  const QRect printable = printer.pageRect(QPrinter::DevicePixel).toRect();
  // The sheet in printer pixels: shadow, paper, dotted printable area, the page on it.
  sheet_ = QImage(int((paper.width() + 150) * f_), int((paper.height() + 150) * f_),
                  QImage::Format_RGB32);
  // Fonts are sized in printer pixels, as on paper, before the sheet is scaled down.
  const int dpm = int(std::max(1, printer.resolution()) / 0.0254);
  sheet_.setDotsPerMeterX(dpm);
  sheet_.setDotsPerMeterY(dpm);
  sheet_.fill(palette().color(QPalette::Window));
  {
    QPainter p(&sheet_);
    p.scale(f_, f_);
    p.fillRect(QRect(100, 100, paper.width(), paper.height()), QColor(128, 128, 128));
    p.fillRect(QRect(50, 50, paper.width(), paper.height()), Qt::white);
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.drawRect(
        QRect(printable.left() + 50, printable.top() + 50, printable.width(), printable.height()));
    p.translate(printable.left() + 50, printable.top() + 50);
    paintBentoPage(p, printable.size(), page_);
  }
  auto* layout = new QVBoxLayout(this);
  auto* bar = new QHBoxLayout;
  TrackBar = new QSlider(Qt::Horizontal, this);
  TrackBar->setRange(0, 20);
  TrackBar->setAccessibleName(u"見本の大きさ"_s);
  TrackBar->setValue(printer.pageLayout().orientation() == QPageLayout::Landscape
                         ? int(20 * 0.85 * 0.5)
                         : int(20 * 0.6 * 0.5));
  auto* print = new QPushButton(u"印刷(&P)"_s, this);
  auto* close = new QPushButton(u"閉じる"_s, this);
  bar->addWidget(TrackBar, 1);
  bar->addWidget(print);
  bar->addWidget(close);
  layout->addLayout(bar);
  auto* scroll = new QScrollArea(this);
  picture_ = new QLabel;
  scroll->setAccessibleName(u"印刷の見本"_s);
  picture_->setAccessibleName(u"印刷の見本"_s);
  scroll->setWidget(picture_);
  layout->addWidget(scroll, 1);
  connect(TrackBar, &QSlider::valueChanged, this, &TBentouPreViewForm::redraw);
  connect(print, &QPushButton::clicked, this, &TBentouPreViewForm::printNow);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  if (const QScreen* s = QGuiApplication::primaryScreen()) setGeometry(s->availableGeometry());
  redraw();
}

void TBentouPreViewForm::redraw() {
  // The printer's pixels shown at the screen's: zoom position x 2 / 20 of 96 per inch.
  const double zoom =
      TrackBar->value() * 2.0 / 20.0 * 96.0 / std::max(1, printer_.resolution()) / f_;
  const QSize size(std::max(1, int(sheet_.width() * zoom)),
                   std::max(1, int(sheet_.height() * zoom)));
  picture_->setPixmap(
      QPixmap::fromImage(sheet_.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
  picture_->resize(size);
}

void TBentouPreViewForm::printNow() {
  if (printPagesOn(printer_, {page_}, bentoPrintJobTitle(page_.childName)) == PrintOutcome::Failed)
    reportPrintFailure();
}

}  // namespace nv
