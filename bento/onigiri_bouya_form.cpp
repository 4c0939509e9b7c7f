#include "bento/onigiri_bouya_form.h"

#include <QBitmap>
#include <QContextMenuEvent>
#include <QFontMetrics>
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

using namespace Qt::StringLiterals;

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

QImage withSpokenWords(const QImage& face, const QString& words, int fontPixels,
                       const QColor& ground) {
  QFont font;
  font.setPixelSize(std::max(1, fontPixels));
  font.setBold(true);
  const QFontMetrics fm(font);
  const int pad = std::max(2, fontPixels / 3);
  const QSize plate(fm.horizontalAdvance(words) + 4 * pad, fm.height() + 2 * pad);
  const QSize size(std::max(face.width(), plate.width()), face.height() + plate.height() + pad);
  QImage out(size, QImage::Format_ARGB32_Premultiplied);
  out.fill(ground);
  QPainter p(&out);
  if (!face.isNull()) p.drawImage((size.width() - face.width()) / 2, 0, face);
  // A pale plate with a rim: it differs from any ground colour the pictures use, so the
  // window's shape keeps it.
  const QRect r((size.width() - plate.width()) / 2, face.height() + pad, plate.width() - 1,
                plate.height() - 1);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(200, 140, 60), 2));
  p.setBrush(QColor(255, 248, 214));
  p.drawRoundedRect(r, pad * 2, pad * 2);
  p.setFont(font);
  p.setPen(QColor(90, 50, 20));
  p.drawText(r, Qt::AlignCenter, words);
  return out;
}

TOnigiriBouyaForm::TOnigiriBouyaForm(double s, std::string iniPath, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      s_(s > 0 ? s : 1.0),
      iniPath_(std::move(iniPath)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(u"おにぎり坊や"_s);
  const Ini ini(iniPath_);
  const int most = kMostRiceBallCoordinate;
  move(std::clamp(ini.readInteger(kSection, "Left", kRiceBallDefaultLeft), -most, most), y());
  rememberedBottom_ =
      std::clamp(ini.readInteger(kSection, "Bottom", kRiceBallDefaultBottom), -most, most);
  timer_.setInterval(kRiceBallTickMs);
  connect(&timer_, &QTimer::timeout, this, &TOnigiriBouyaForm::nextFrame);
  timer_.start();
}

void TOnigiriBouyaForm::showMood(int mood) {
  mood_ = mood;
  const int m = riceBallPictureMood(mood);
  QImage first = loadBmp(riceBallPicturePath(m, 1)), second = loadBmp(riceBallPicturePath(m, 2));
  if (m == RiceBallPort::kFullMood) {
    // The full face says why it is full.
    const QColor ground = first.isNull() ? QColor(Qt::white) : QColor(first.pixel(0, 0));
    first = withSpokenWords(first, fullBoxWords(), 18, ground);
    second = withSpokenWords(second, fullBoxWords(), 18, ground);
  }
  const QSize raw(std::max({first.width(), second.width(), 1}),
                  std::max({first.height(), second.height(), 1}));
  const QRgb key = first.isNull() ? qRgb(255, 255, 255) : first.pixel(0, 0);
  const QSize size(std::max(1, int(raw.width() * s_)), std::max(1, int(raw.height() * s_)));
  // Both frames and their shapes are made once: the animation only swaps them.
  for (int f = 0; f < 2; ++f) {
    const QImage& pic = f == 1 ? second : first;
    QImage composite(raw, QImage::Format_RGB32);
    composite.fill(key);
    if (!pic.isNull()) {
      QPainter p(&composite);
      p.drawImage((raw.width() - pic.width()) / 2, (raw.height() - pic.height()) / 2, pic);
    }
    // The shape comes from the unscaled picture: smoothing would blend the ground colour
    // into the outline and leave a fringe of it around the face.
    const QImage shape = composite.createMaskFromColor(composite.pixel(0, 0), Qt::MaskInColor);
    frames_[f].mask = QRegion(QBitmap::fromImage(shape.scaled(size)));
    frames_[f].image = scaledBy(composite, s_);
  }
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

const TOnigiriBouyaForm::Frame& TOnigiriBouyaForm::shownFrame() const {
  return frames_[cycle_.frame() == 1 ? 1 : 0];
}

void TOnigiriBouyaForm::nextFrame() {
  if (frames_[0].image.isNull()) return;
  cycle_.advance();
  setMask(shownFrame().mask);
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
  p.drawImage(0, 0, shownFrame().image);
}

void TOnigiriBouyaForm::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) grab_ = event->globalPosition().toPoint() - pos();
}

void TOnigiriBouyaForm::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) move(event->globalPosition().toPoint() - grab_);
}

void TOnigiriBouyaForm::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  menu.addAction(u"閉じる"_s, this, &QWidget::close);
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
