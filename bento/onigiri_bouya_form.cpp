#include "bento/onigiri_bouya_form.h"

#include <QBitmap>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>

#include "bento/bentoubako_form.h"
#include "bento/kitchen_pictures.h"
#include "bento/model/bento_pictures.h"
#include "platform/ini.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"

namespace nv {
namespace {

constexpr const char* kSection = "Onigiri";

QImage scaledBy(const QImage& image, double s) {
  if (image.isNull()) return image;
  const int w = std::max(1, int(image.width() * s)), h = std::max(1, int(image.height() * s));
  return image.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
      .convertToFormat(QImage::Format_RGB32);
}

}  // namespace

TOnigiriBouyaForm::TOnigiriBouyaForm(double s, std::string iniPath, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      s_(s > 0 ? s : 1.0),
      iniPath_(std::move(iniPath)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(toQ(sj("おにぎり坊や")));
  const Ini ini(iniPath_);
  move(ini.readInteger(kSection, "Left", kRiceBallDefaultLeft), y());
  rememberedBottom_ = ini.readInteger(kSection, "Bottom", kRiceBallDefaultBottom);
  timer_.setInterval(kRiceBallTickMs);
  connect(&timer_, &QTimer::timeout, this, &TOnigiriBouyaForm::nextFrame);
  timer_.start();
}

void TOnigiriBouyaForm::showMood(int mood) {
  mood_ = mood;
  const int m = riceBallPictureMood(mood);
  first_ = scaledBy(loadBmp(riceBallPicturePath(m, 1)), s_);
  second_ = scaledBy(loadBmp(riceBallPicturePath(m, 2)), s_);
  const QSize size(std::max({first_.width(), second_.width(), 1}),
                   std::max({first_.height(), second_.height(), 1}));
  composite_ = QImage(size, QImage::Format_RGB32);
  setFixedSize(size);
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  const int screenWidth = screen ? screen->geometry().width() : 1024;
  const RiceBallPlacement p =
      placeRiceBall(x(), rememberedBottom_, {size.width(), size.height()}, screenWidth);
  move(p.left, p.top);
  rememberedBottom_ = p.bottom;
  nextFrame();
  show();
}

void TOnigiriBouyaForm::nextFrame() {
  if (composite_.isNull()) return;
  cycle_.advance();
  const QImage& pic = cycle_.frame() == 1 ? second_ : first_;
  const QRgb key = first_.isNull() ? qRgb(255, 255, 255) : first_.pixel(0, 0);
  composite_.fill(key);
  if (!pic.isNull()) {
    QPainter p(&composite_);
    p.drawImage((composite_.width() - pic.width()) / 2, (composite_.height() - pic.height()) / 2,
                pic);
  }
  setMask(
      QBitmap::fromImage(composite_.createMaskFromColor(composite_.pixel(0, 0), Qt::MaskOutColor)));
  update();
}

void TOnigiriBouyaForm::paintEvent(QPaintEvent*) {
  if (closing_) return;
  const RiceBallCycle::Paint what = cycle_.paint();
  if (what == RiceBallCycle::Paint::Close) {
    closing_ = true;
    QTimer::singleShot(0, this, &QWidget::close);
    return;
  }
  QPainter p(this);
  p.drawImage(0, 0, composite_);
}

void TOnigiriBouyaForm::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) grab_ = event->globalPosition().toPoint() - pos();
}

void TOnigiriBouyaForm::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) move(event->globalPosition().toPoint() - grab_);
}

void TOnigiriBouyaForm::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  menu.addAction(toQ(sj("閉じる")), this, &QWidget::close);
  menu.exec(event->globalPos());
}

void TOnigiriBouyaForm::closeEvent(QCloseEvent* event) {
  timer_.stop();
  Ini ini(iniPath_);
  ini.writeInteger(kSection, "Left", x());
  ini.writeInteger(kSection, "Bottom", y() + height());
  ini.save();
  QWidget::closeEvent(event);
}

void RiceBall::show(TBentoubakoForm& kitchen, int mood) {
  if (!form_) form_ = new TOnigiriBouyaForm(kitchen.scale(), kitchen.iniPath());
  form_->showMood(mood);
}

void RiceBall::close() {
  if (form_) {
    TOnigiriBouyaForm* f = form_;
    form_ = nullptr;
    f->close();
  }
}

}  // namespace nv
