#pragma once
// Hint windows of the program: THintWindowEx, a plain hint window that paints all of itself
// (no background erase, no frame), and TBalloonHintWindow, a speech balloon (an ellipse with a
// tail down to the bottom-left corner, where the pointer is). BalloonHints shows the balloon
// in place of Qt's tool tips once installed on the application.
#include <QObject>
#include <QPainterPath>
#include <QPointer>
#include <QWidget>

class QTimer;

namespace nv {

class THintWindowEx : public QWidget {
  Q_OBJECT
 public:
  explicit THintWindowEx(QWidget* parent = nullptr);

  // The rectangle the text needs at (0, 0), at most maxWidth wide.
  virtual QRect calcHintRect(int maxWidth, const QString& text) const;
  // Shows the text in the rectangle (screen coordinates).
  void activateHint(const QRect& rect, const QString& text);
  const QString& hintText() const { return text_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

  QString text_;
};

class TBalloonHintWindow : public THintWindowEx {
  Q_OBJECT
 public:
  explicit TBalloonHintWindow(QWidget* parent = nullptr);

  // The ordinary rectangle widened by half its width and made twice as high.
  QRect calcHintRect(int maxWidth, const QString& text) const override;
  // The balloon for a window of this size: ellipse from a quarter of the height down, joined
  // with the tail from the bottom-left corner to one and two thirds of the width at half height.
  static QPainterPath balloonPath(const QSize& size);
  // Where the text goes: a sixth of the width in from each side, a quarter of the height less
  // one from top and bottom.
  static QRect textRect(const QSize& size);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
};

// Shows a TBalloonHintWindow for every tool-tip request of the application's widgets. Key
// presses leave the balloon alone; leaving the widget, a click or the timeout hides it.
class BalloonHints : public QObject {
  Q_OBJECT
 public:
  explicit BalloonHints(QObject* parent = nullptr);
  ~BalloonHints() override;
  // Installs an application-wide event filter; the object lives as long as the application.
  static BalloonHints* install();

  TBalloonHintWindow* window() const { return window_; }
  // Shows `text` for `owner` with the balloon's tail at the global point.
  void showHint(const QPoint& globalPos, const QString& text, QWidget* owner);
  void hideHint();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  TBalloonHintWindow* window_;
  QTimer* hideTimer_;
  QPointer<QWidget> owner_;
};

}  // namespace nv
