// NV: the start screen, the menu planner and the lunch-box game (app/nv_program.h). Files
// given on the command line are opened directly; --help and --version need no display.
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSysInfo>
#include <QTimer>
#include <cstdio>
#include <string>
#include <vector>

#include "app/nv_program.h"
#include "planner/model/start_arguments.h"
#include "planner/single_instance.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_prompt.h"
#include "platform/qt/qtext.h"

int main(int argc, char** argv) {
  QElapsedTimer sinceStart;
  sinceStart.start();
  {
    const std::vector<std::string> raw(argv + (argc > 0 ? 1 : 0), argv + argc);
    switch (nv::infoRequest(raw)) {
      case nv::InfoRequest::Help:
        std::fputs(nv::usageText().c_str(), stdout);
        return 0;
      case nv::InfoRequest::Version:
        std::printf("%s\n", nv::versionLine().c_str());
        return 0;
      case nv::InfoRequest::None:
        break;
    }
  }
  QApplication app(argc, argv);
  nv::prepareApplication();

  nv::QtPrompt qtPrompt;
  nv::ScopedPrompt scopedPrompt(qtPrompt);
  nv::QtDialogs qtDialogs;
  nv::ScopedDialogs scopedDialogs(qtDialogs);

  std::vector<std::string> args;
  // Files named relative to the current folder are kept with their folder, so the title, the
  // recent list (which compares names) and a later save all see the one full path.
  for (const QString& a : QApplication::arguments().mid(1)) {
    if (a == QStringLiteral("--")) continue;
    args.push_back(nv::pathFromQ(a.isEmpty() ? a : QFileInfo(a).absoluteFilePath()));
  }

  // A second start without documents brings the running planner to the front instead.
  nv::SingleInstance instance;
  if (args.empty() && instance.handOver()) return 0;

  // NV_STARTUP_TIME=1: report the time from start to the first shown window and end.
  const bool timing = qEnvironmentVariableIsSet("NV_STARTUP_TIME");
  auto reportStartup = [&](QWidget& shown) {
    QTimer::singleShot(0, &shown, [&] {
      std::fprintf(stderr, "startup %lld ms\n", static_cast<long long>(sinceStart.elapsed()));
      QApplication::exit(0);
    });
  };

  nv::ProgramOptions options;
  options.printer = &qtDialogs.printer();
  options.hostName = nv::fromQ(QSysInfo::machineHostName());
  options.instance = &instance;
  options.timing = timing;
  if (timing) options.shown = reportStartup;
  nv::NvProgram program(options);

  if (program.start().handleArguments(args)) return 0;  // files given: the screen is never shown
  program.start().show();
  if (timing) reportStartup(program.start());
  return QApplication::exec();
}
