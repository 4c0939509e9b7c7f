#include "planner/start_hints.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTimer>
#include <QToolButton>

#include "widgets/balloon_hint.h"

namespace nv {

namespace {
// The hint timings are style hints in Qt; everything else is left to the style in use.
class HintTimingStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_ToolTip_WakeUpDelay) return StartHints::kShowAfterMs;
    if (hint == SH_ToolTip_FallAsleepDelay) return StartHints::kNeighbourPauseMs;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

bool isPicture(const QWidget* w) {
  const auto* label = qobject_cast<const QLabel*>(w);
  return label && !label->pixmap().isNull();
}
}  // namespace

StartHints::StartHints(QObject* parent) : QObject(parent), hideTimer_(new QTimer(this)) {
  hideTimer_->setSingleShot(true);
}

StartHints* StartHints::install() {
  static StartHints* installed = nullptr;
  if (installed) return installed;
  installed = new StartHints(qApp);
  installed->balloons_ = BalloonHints::install();
  connect(installed->hideTimer_, &QTimer::timeout, installed->balloons_, &BalloonHints::hideHint);
  // Installed after the balloons, so this filter sees tool-tip requests first.
  qApp->installEventFilter(installed);
  QApplication::setStyle(new HintTimingStyle(QStyleFactory::create(qApp->style()->name())));
  return installed;
}

QPoint StartHints::hintPoint(const QWidget* control) {
  int y = -control->height();
  if (isPicture(control)) {
    y = 0;
  } else if (qobject_cast<const QToolButton*>(control)) {
    y = -16;
  }
  return control->mapToGlobal(QPoint(control->width() / 2, y));
}

bool StartHints::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* widget = qobject_cast<QWidget*>(watched);
    // Widgets without a hint of their own keep Qt's handling (tab bars, item views).
    if (widget && !widget->toolTip().isEmpty()) {
      balloons_->showHint(hintPoint(widget), widget->toolTip(), widget);
      hideTimer_->start(kHideAfterMs);
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace nv
