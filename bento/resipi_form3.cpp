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
#include "platform/dialogs.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "widgets/qt_dialogs.h"

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

bool showPicture(const std::string& cp932Path, bool fitScreen, bool printable,
                 const std::string& childName, QWidget* parent) {
  std::string error;
  QImage picture = loadViewerPictureOffThread(cp932Path, &error);
  if (picture.isNull()) {
    prompt().messageBox(cp932Path + "\n" + error, sj("絵を読み込めませんでした"), Icon::Warning,
                        Buttons::Ok);
    return false;
  }
  TResipiForm3 viewer(cp932Path, std::move(picture), fitScreen, printable, childName, parent);
  viewer.exec();
  return true;
}

TResipiForm3::TResipiForm3(std::string path, bool fitScreen, bool printable, std::string childName,
                           QWidget* parent)
    : QDialog(parent), path_(std::move(path)), childName_(std::move(childName)) {
  picture_ = loadViewerPicture(path_, &error_);
  build(fitScreen, printable);
}

TResipiForm3::TResipiForm3(std::string path, QImage picture, bool fitScreen, bool printable,
                           std::string childName, QWidget* parent)
    : QDialog(parent),
      path_(std::move(path)),
      childName_(std::move(childName)),
      picture_(std::move(picture)) {
  build(fitScreen, printable);
}

void TResipiForm3::build(bool fitScreen, bool printable) {
  panel_ = new QFrame(this);
  panel_->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel_->setLineWidth(kBevel);
  panel_->setStyleSheet(QStringLiteral("QFrame { background: rgb(0,128,0); }"));
  Image1 = new QLabel(panel_);
  Image1->setScaledContents(true);
  Image1->installEventFilter(this);
  SB_Close = new QToolButton(panel_);
  SB_Close->setText(toQ(sj("とじる")));
  SB_Print = new QToolButton(panel_);
  SB_Print->setText(toQ(sj("印刷")));
  SB_Print->setToolTip(toQ(sj("この献立を印刷します。")));
  connect(SB_Close, &QToolButton::clicked, this, &QDialog::accept);
  connect(SB_Print, &QToolButton::clicked, this, &TResipiForm3::print);

  const int pw = std::max(1, picture_.width()), ph = std::max(1, picture_.height());
  const QScreen* screen = QGuiApplication::primaryScreen();
  const int w = fitScreen && screen ? screen->geometry().width() * 4 / 5 : pw;
  const int h = ph * w / pw;
  const int inset = kBevel + 6;
  resize(w + 2 * inset, h + 2 * inset);
  panel_->setGeometry(rect());
  Image1->setGeometry(inset, inset, w, h);
  if (!picture_.isNull()) Image1->setPixmap(QPixmap::fromImage(picture_));
  // The buttons keep their places relative to the picture's corner, inside the panel.
  auto place = [&](QToolButton* b, int x, int y) {
    b->adjustSize();
    x = std::min(x, width() - kBevel - b->width());
    y = std::min(y, height() - kBevel - b->height());
    b->move(std::max(kBevel, x), std::max(kBevel, y));
  };
  place(SB_Close, inset + w - 80, inset + h - 40);
  place(SB_Print, inset + w - 160, inset + h - 40);
  SB_Print->setVisible(printable);
  SB_Close->raise();
  SB_Print->raise();
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
  auto* qt = dynamic_cast<QtDialogs*>(&dialogs());
  if (!dialogs().printerSetup(PageOrientation::Landscape) || !qt) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  SB_Close->hide();
  SB_Print->hide();
  QPrinter& printer = qt->printer();
  printer.setDocName(toQ(jobTitle(childName_, path_)));
  printer.setPageOrientation(QPageLayout::Landscape);
  QPainter p;
  if (p.begin(&printer)) {
    paintOnPage(p, picture_, printer.pageLayout().paintRectPixels(printer.resolution()).size());
    p.end();
  }
  SB_Close->show();
  SB_Print->show();
  QApplication::restoreOverrideCursor();
  prompt().message(sj("印刷しました"));
}

bool TResipiForm3::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Image1 && event->type() == QEvent::MouseButtonRelease) {
    accept();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace nv
