#pragma once
// The program's balloon hints as the start screen installs them for the whole application:
// the balloon's tail points at the control (not at the mouse), the balloon shows after
// 200 ms, goes after 5000 ms and moves on to a neighbouring control after 50 ms.
#include <QObject>
#include <QPoint>

class QTimer;
class QWidget;

namespace nv {

class BalloonHints;

class StartHints : public QObject {
  Q_OBJECT
 public:
  static constexpr int kShowAfterMs = 200;
  static constexpr int kHideAfterMs = 5000;
  static constexpr int kNeighbourPauseMs = 50;

  // Installs the balloon hints and the placement for the application (once; later calls
  // return the same object).
  static StartHints* install();

  // Where the balloon points for a control, in screen coordinates: the horizontal centre;
  // the top edge of a picture, 16 pixels above a tool button, one control height above any
  // other control.
  static QPoint hintPoint(const QWidget* control);

  BalloonHints* balloons() const { return balloons_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit StartHints(QObject* parent);
  BalloonHints* balloons_ = nullptr;
  QTimer* hideTimer_;
};

}  // namespace nv
