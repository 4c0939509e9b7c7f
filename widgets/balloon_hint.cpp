#include "widgets/balloon_hint.h"

#include <QApplication>
#include <QBitmap>
#include <QHelpEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QToolTip>

namespace nv {
namespace {
constexpr int kMaxHintWidth = 300;
constexpr int kHideAfterMs = 10000;
}  // namespace

// --- THintWindowEx ---

THintWindowEx::THintWindowEx(QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  // The window paints every pixel itself: no erase before painting.
  setAttribute(Qt::WA_NoSystemBackground);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setPalette(QToolTip::palette());
  setFont(QToolTip::font());
}

QRect THintWindowEx::calcHintRect(int maxWidth, const QString& text) const {
  QRect r =
      fontMetrics().boundingRect(QRect(0, 0, maxWidth, 0), Qt::TextWordWrap | Qt::AlignLeft, text);
  return QRect(0, 0, r.width() + 6, r.height() + 2);
}

void THintWindowEx::activateHint(const QRect& rect, const QString& text) {
  text_ = text;
  setGeometry(rect);
  update();
  show();
  raise();
}

void THintWindowEx::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().color(QPalette::ToolTipBase));
  p.setPen(palette().color(QPalette::ToolTipText));
  p.drawText(rect().adjusted(2, 1, -2, -1), Qt::TextWordWrap | Qt::AlignLeft, text_);
}

// --- TBalloonHintWindow ---

TBalloonHintWindow::TBalloonHintWindow(QWidget* parent) : THintWindowEx(parent) {}

QRect TBalloonHintWindow::calcHintRect(int maxWidth, const QString& text) const {
  QRect r = THintWindowEx::calcHintRect(maxWidth, text);
  return QRect(0, 0, r.width() + r.width() / 2, r.height() * 2);
}

QPainterPath TBalloonHintWindow::balloonPath(const QSize& size) {
  const int w = size.width() - 1, h = size.height() - 1;  // the outline stays inside
  QPainterPath ellipse;
  ellipse.addEllipse(QRectF(0, h / 4, w, h - h / 4));
  QPainterPath tail;
  tail.moveTo(0, h);
  tail.lineTo(w / 3, h / 2);
  tail.lineTo(2 * w / 3, h / 2);
  tail.closeSubpath();
  return ellipse.united(tail);
}

QRect TBalloonHintWindow::textRect(const QSize& size) {
  const int w = size.width(), h = size.height();
  const int dx = w / 6, dy = h / 4 - 1;
  return QRect(QPoint(dx, dy), QPoint(w - dx - 1, h - dy - 1));
}

void TBalloonHintWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().color(QPalette::ToolTipBase));  // outside is masked away
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setBrush(palette().color(QPalette::ToolTipBase));
  p.setPen(QPen(Qt::black, 1));
  p.drawPath(balloonPath(size()));
  p.setPen(palette().color(QPalette::ToolTipText));
  p.drawText(textRect(size()), Qt::AlignCenter | Qt::TextWordWrap, text_);
}

void TBalloonHintWindow::resizeEvent(QResizeEvent* event) {
  THintWindowEx::resizeEvent(event);
  QBitmap mask(size());
  mask.fill(Qt::color0);
  QPainter p(&mask);
  p.setBrush(Qt::color1);
  p.setPen(QPen(Qt::color1, 1));
  p.drawPath(balloonPath(size()));
  p.end();
  setMask(mask);
}

// --- BalloonHints ---

BalloonHints::BalloonHints(QObject* parent)
    : QObject(parent), window_(new TBalloonHintWindow), hideTimer_(new QTimer(this)) {
  hideTimer_->setSingleShot(true);
  connect(hideTimer_, &QTimer::timeout, this, &BalloonHints::hideHint);
}

BalloonHints::~BalloonHints() { delete window_; }

BalloonHints* BalloonHints::install() {
  auto* hints = new BalloonHints(qApp);
  qApp->installEventFilter(hints);
  return hints;
}

void BalloonHints::showHint(const QPoint& globalPos, const QString& text, QWidget* owner) {
  if (text.isEmpty()) {
    hideHint();
    return;
  }
  owner_ = owner;
  QRect r = window_->calcHintRect(kMaxHintWidth, text);
  // The tail's tip, the bottom-left corner, points at the mouse.
  r.moveBottomLeft(globalPos);
  if (const QScreen* screen = QGuiApplication::screenAt(globalPos)) {
    const QRect area = screen->availableGeometry();
    if (r.right() > area.right()) r.moveRight(area.right());
    if (r.top() < area.top()) r.moveTop(area.top());
  }
  window_->activateHint(r, text);
  hideTimer_->start(kHideAfterMs);
}

void BalloonHints::hideHint() {
  hideTimer_->stop();
  window_->hide();
  owner_ = nullptr;
}

bool BalloonHints::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::ToolTip: {
      auto* widget = qobject_cast<QWidget*>(watched);
      // Widgets without a hint of their own keep Qt's handling (tab bars, item views).
      if (!widget || widget->toolTip().isEmpty()) break;
      auto* help = static_cast<QHelpEvent*>(event);
      showHint(help->globalPos(), widget->toolTip(), widget);
      return true;
    }
    case QEvent::Leave:
    case QEvent::Hide:
      if (watched == owner_) hideHint();
      break;
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
      if (window_->isVisible()) hideHint();
      break;
    default:  // key presses leave the balloon open
      break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace nv
