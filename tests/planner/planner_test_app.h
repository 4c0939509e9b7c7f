#pragma once
// The one QApplication of the planner window tests, on the offscreen platform, and a helper
// that answers the next modal dialog from inside its event loop.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace nvtest {

inline QApplication& plannerApp() {
  static int argc = 1;
  static char name[] = "test_planner";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
  }();
  return *app;
}

// Runs `act` on the modal dialog that the next exec() opens, once its loop runs.
inline void whenModal(std::function<void(QWidget*)> act) {
  QTimer::singleShot(0, [act] { act(QApplication::activeModalWidget()); });
}

}  // namespace nvtest
