// NV: the menu planner. Builds the shared objects (food-group table, person profile), the
// main window with the chosen-menu and graph windows docked, and opens the .nvu files given.
#include <QApplication>
#include <QElapsedTimer>
#include <QFont>
#include <QSysInfo>
#include <QTimer>
#include <cstdio>

#include "app/nv_menu_windows.h"
#include "core/gun_name.h"
#include "core/kojin_data.h"
#include "planner/ini_form.h"
#include "planner/main_form.h"
#include "planner/single_instance.h"
#include "platform/qt/qtext.h"
#include "widgets/qt_dialogs.h"
#include "widgets/qt_prompt.h"

namespace {
// The network host name up to its first dot (empty when there is none).
std::string defaultPersonName() {
  QString host = QSysInfo::machineHostName();
  const qsizetype dot = host.indexOf(u'.');
  if (dot >= 0) host.truncate(dot);
  return nv::fromQ(host);
}

bool endsWithIgnoringCase(const QString& s, const QString& ext) {
  return s.endsWith(ext, Qt::CaseInsensitive);
}
}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer sinceStart;
  sinceStart.start();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("NV"));
  QApplication::setApplicationDisplayName(QStringLiteral("Nuvelta"));
  // The fonts the windows were designed with, on the fonts a Linux desktop has.
  QFont::insertSubstitution(QString::fromUtf8("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
  QFont::insertSubstitution(QString::fromUtf8("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
  QFont::insertSubstitution(QString::fromUtf8("ＭＳ Ｐ明朝"), QStringLiteral("IPAPMincho"));

  nv::QtPrompt qtPrompt;
  nv::ScopedPrompt scopedPrompt(qtPrompt);
  nv::QtDialogs qtDialogs;
  nv::ScopedDialogs scopedDialogs(qtDialogs);

  // Menu files go to the planner; any other argument has nothing to start.
  const QStringList args = QApplication::arguments().mid(1);
  std::vector<std::string> menuFiles;
  for (const QString& a : args)
    if (endsWithIgnoringCase(a, QStringLiteral(".nvu"))) menuFiles.push_back(nv::fromQ(a));
  if (!args.isEmpty() && menuFiles.empty()) return 0;

  // A second start without documents brings the running planner to the front instead.
  nv::SingleInstance instance;
  if (args.isEmpty() && instance.handOver()) return 0;

  auto* splash = new nv::TIniForm;
  splash->showNow();

  nv::TGunName gunName;
  nv::TKojinData profile;
  const std::string defaultName = defaultPersonName();
  profile.setName(defaultName);

  nv::TMainForm mainForm(profile, gunName, defaultName);
  nv::MenuWindows windows = nv::makeMenuWindows(mainForm);
  mainForm.setMenuWindows(windows.sel.get(), windows.graph.get());
  mainForm.setArguments(std::move(menuFiles));
  mainForm.setSplash(splash);
  instance.listen(&mainForm);

  // NV_STARTUP_TIME=1: report the time from start to the shown window and end (measuring).
  const bool timing = qEnvironmentVariableIsSet("NV_STARTUP_TIME");
  if (timing) mainForm.hooks.chooseStartMenu = [] {};
  mainForm.show();
  if (timing) {
    QTimer::singleShot(0, &mainForm, [&] {
      std::fprintf(stderr, "startup %lld ms\n", static_cast<long long>(sinceStart.elapsed()));
      mainForm.hooks.askToSave = [] { return true; };
      QApplication::quit();
    });
  }
  return QApplication::exec();
}
