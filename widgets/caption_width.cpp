#include "widgets/caption_width.h"

#include <QApplication>
#include <QFontMetrics>
#include <QWidget>
#include <algorithm>

namespace nv {
namespace {
// Window icon, minimise/maximise/close buttons and the frame, as common window managers draw them.
constexpr int kTitleBarChrome = 150;
}  // namespace

int captionWidth(const QWidget& window) {
  QFont font = QApplication::font("QMdiSubWindowTitleBar");
  font.setBold(true);
  return QFontMetrics(font).horizontalAdvance(window.windowTitle()) + kTitleBarChrome;
}

void fitCaption(QWidget& window) {
  window.setMinimumWidth(std::max(window.minimumWidth(), captionWidth(window)));
}

}  // namespace nv
