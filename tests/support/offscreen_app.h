#pragma once
// The one QApplication of a window test program, on the offscreen platform unless the run
// names another, its texts Japanese as the program's are. Header-only, so the Qt-free support
// library stays free of Qt.
#include <QApplication>
#include <string>

#include "platform/qt/ui_language.h"
#include "qt_modal.h"

namespace nvtest {

// `program` names the test program; the first call makes the application.
inline QApplication& offscreenApp(const char* program) {
  static std::string name = program;
  static int argc = 1;
  static char* argv[] = {name.data(), nullptr};
  static QApplication* app = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    auto* a = new QApplication(argc, argv);
    nv::useJapaneseUi();  // as the program starts
    return a;
  }();
  return *app;
}

}  // namespace nvtest
