#pragma once

#include <QGuiApplication>
#include <memory>

namespace nvtool {

// The PDF commands paint with Qt but must run without a display: they get an offscreen
// application of their own unless one already exists (tests) or a platform was chosen.
inline std::unique_ptr<QGuiApplication> headlessGuiApplication() {
  if (QGuiApplication::instance()) return nullptr;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
  static int argc = 1;
  static char name[] = "nvtool";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace nvtool
