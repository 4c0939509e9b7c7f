#pragma once
// The one QApplication of the planner window tests, on the offscreen platform.
#include <QApplication>

#include "platform/qt/ui_language.h"
#include "qt_modal.h"

namespace nvtest {

inline QApplication& plannerApp() {
  static int argc = 1;
  static char name[] = "test_planner";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    auto* a = new QApplication(argc, argv);
    nv::useJapaneseUi();  // as the program starts
    return a;
  }();
  return *app;
}

}  // namespace nvtest
