#include "bento/resipi_form3.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QToolButton>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>

#include "bento/kitchen_pictures.h"
#include "bento/model/jpeg_picture.h"
#include "bento/model/recipe_frame.h"
#include "platform/dialogs.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/qt/prompt_texts.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "widgets/print_destination.h"

using namespace Qt::StringLiterals;

namespace nv {

namespace {
constexpr int kBevel = 6;
}

QImage loadViewerPicture(const std::string& cp932Path, std::string* error) {
  std::string why;
  QImage image;
  if (!fileExists(cp932Path)) {
    why = "no such file";
  } else if (toQ(cp932Path).endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive)) {
    image = loadBmp(cp932Path);
    if (image.isNull()) why = "not a readable bitmap";
  } else {
    RgbPicture rgb;
    if (readJpegFile(cp932Path, rgb, why)) {
      image = QImage(rgb.width, rgb.height, QImage::Format_RGB888);
      const size_t line = size_t(rgb.width) * 3;
      for (int y = 0; y < rgb.height && !image.isNull(); ++y)
        std::memcpy(image.scanLine(y), rgb.rgb.data() + size_t(y) * line, line);
      if (image.isNull()) why = "out of memory";
    }
  }
  if (error) *error = why;
  return image;
}

QImage loadViewerPictureOffThread(const std::string& cp932Path, std::string* error) {
  std::string why;
  QImage image;
  std::atomic<bool> done = false;
  QEventLoop loop;
  std::thread worker([&] {
    image = loadViewerPicture(cp932Path, &why);
    done = true;
    QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
  });
  // A usual picture is ready at once; a slow one (a large progressive JPEG) leaves the
  // window thread free to repaint until it is, without taking clicks meanwhile.
  for (int i = 0; i < 20 && !done; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  if (!done) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    QApplication::restoreOverrideCursor();
  }
  worker.join();
  if (error) *error = why;
  return image;
}

QSize availableScreenSize(const QWidget* parent) {
  const QScreen* screen =
      parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry().size() : QSize(1024, 768);
}

bool showPicture(const std::string& cp932Path, bool fitScreen, bool printable,
                 const std::string& childName, QWidget* parent, const std::string& caption) {
  std::string error;
  QImage picture = loadViewerPictureOffThread(cp932Path, &error);
  if (picture.isNull()) {
    ask(cp932Path + "\n" + error, u"絵を読み込めませんでした"_s, Icon::Warning, Buttons::Ok);
    return false;
  }
  TResipiForm3 viewer(cp932Path, std::move(picture), fitScreen, printable, childName, parent,
                      caption);
  viewer.exec();
  return true;
}

TResipiForm3::TResipiForm3(std::string path, bool fitScreen, bool printable, std::string childName,
                           QWidget* parent, const std::string& caption, QSize available)
    : QDialog(parent), path_(std::move(path)), childName_(std::move(childName)) {
  picture_ = loadViewerPicture(path_, &error_);
  build(fitScreen, printable, caption, available);
}

TResipiForm3::TResipiForm3(std::string path, QImage picture, bool fitScreen, bool printable,
                           std::string childName, QWidget* parent, const std::string& caption,
                           QSize available)
    : QDialog(parent),
      path_(std::move(path)),
      childName_(std::move(childName)),
      picture_(std::move(picture)) {
  build(fitScreen, printable, caption, available);
}

void TResipiForm3::build(bool fitScreen, bool printable, const std::string& caption,
                         QSize available) {
  if (caption.empty()) {
    std::string file = path_.substr(path_.find_last_of('/') + 1);
    setWindowTitle(toQ(file.substr(0, file.find_last_of('.'))));
  } else {
    setWindowTitle(toQ(caption));
  }
  panel_ = new QFrame(this);
  panel_->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel_->setLineWidth(kBevel);
  panel_->setStyleSheet(QStringLiteral("QFrame { background: rgb(0,128,0); }"));
  Image1 = new QLabel(panel_);
  Image1->setScaledContents(true);
  Image1->installEventFilter(this);
  SB_Close = new QToolButton(panel_);
  SB_Close->setText(u"とじる"_s);
  SB_Print = new QToolButton(panel_);
  SB_Print->setText(u"印刷"_s);
  SB_Print->setToolTip(u"この献立を印刷します。"_s);
  SB_Print->setAccessibleDescription(SB_Print->toolTip());
  SB_Close->setAccessibleDescription(u"作り方の窓を閉じます"_s);
  connect(SB_Close, &QToolButton::clicked, this, &QDialog::accept);
  connect(SB_Print, &QToolButton::clicked, this, &TResipiForm3::print);
  SB_Close->adjustSize();
  SB_Print->adjustSize();

  // 4/5 of the screen's width when fitting, the picture's own size otherwise; never more
  // than the screen's height allows beside the button strip.
  const int inset = kBevel + 6;
  const int strip = std::max(SB_Close->height(), SB_Print->height()) + 6;
  if (available.isEmpty()) available = availableScreenSize(parentWidget());
  const KSize shown =
      fitPicture({std::max(1, picture_.width()), std::max(1, picture_.height())},
                 fitScreen ? available.width() * 4 / 5 : available.width() - 2 * inset,
                 available.height() - kTitleBarRoom - 2 * inset - strip, fitScreen);
  const int w = shown.width, h = shown.height;
  resize(w + 2 * inset, h + 2 * inset + strip);
  panel_->setGeometry(rect());
  Image1->setGeometry(inset, inset, w, h);
  if (!picture_.isNull()) Image1->setPixmap(QPixmap::fromImage(picture_));
  // The buttons at the picture's bottom right corner, on the strip below it.
  const int y = inset + h + (strip - SB_Close->height()) / 2;
  SB_Close->move(std::max(kBevel, inset + w - SB_Close->width()), y);
  SB_Print->move(std::max(kBevel, SB_Close->x() - 8 - SB_Print->width()), y);
  SB_Print->setVisible(printable);
}

std::string TResipiForm3::jobTitle(const std::string& childName, const std::string& path) {
  std::string file = path.substr(path.find_last_of('/') + 1);
  const size_t dot = file.find_last_of('.');
  file = (dot == std::string::npos ? file : file.substr(0, dot)) + ".";
  return childName + ":" + file;
}

void TResipiForm3::paintOnPage(QPainter& p, const QImage& picture, QSizeF page) {
  if (picture.isNull()) return;
  const double k =
      0.85 * std::min(page.width() / picture.width(), page.height() / picture.height());
  const QSizeF size(picture.width() * k, picture.height() * k);
  p.drawImage(
      QRectF(QPointF((page.width() - size.width()) / 2, (page.height() - size.height()) / 2), size),
      picture);
}

void TResipiForm3::print() {
  if (!dialogs().printerSetup(PageOrientation::Landscape)) return;
  QPrinter* printer = printer_;
  if (auto* qt = dynamic_cast<QtDialogs*>(&dialogs()); !printer && qt) printer = &qt->printer();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  SB_Close->hide();
  SB_Print->hide();
  bool printed = false;
  if (printer && printerHasDestination(*printer)) {
    printer->setDocName(toQ(jobTitle(childName_, path_)));
    printer->setPageOrientation(QPageLayout::Landscape);
    QPainter p;
    if (p.begin(printer)) {
      paintOnPage(p, picture_, printer->pageLayout().paintRectPixels(printer->resolution()).size());
      printed = p.end();
    }
  }
  SB_Close->show();
  SB_Print->show();
  QApplication::restoreOverrideCursor();
  if (printed)
    tell(u"印刷しました"_s);
  else
    ask(u"印刷できませんでした。"_s, u"確認"_s, Icon::Stop, Buttons::Ok);
}

bool TResipiForm3::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Image1 && event->type() == QEvent::MouseButtonRelease) {
    accept();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace nv
