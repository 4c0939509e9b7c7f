#pragma once
// The one QApplication of the planner window tests, on the offscreen platform.
#include <QApplication>

#include "qt_modal.h"

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

}  // namespace nvtest
