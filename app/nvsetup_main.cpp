// nvsetup: the installer window, or one of its commands without a window.
#include <QApplication>
#include <QCoreApplication>

#include "platform/qt/app_identity.h"
#include "platform/qt/ui_language.h"
#include "setup/command_line.h"
#include "setup/setup_app.h"

int main(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  if (nv::setup::isSetupCommand(arguments)) {
    QCoreApplication app(argc, argv);
    return nv::setup::runSetupCommand(arguments);
  }
  QApplication app(argc, argv);
  nv::setApplicationIdentity();
  nv::useJapaneseUi();
  return nv::setup::runSetupWindow();
}
