#include "setup/command_line.h"

#include <QCoreApplication>
#include <QThread>
#include <cstdio>

#include "platform/files.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/qt/prompt_texts.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "setup/desktop_integration.h"
#include "setup/lzh/archiver.h"
#include "setup/model/builder.h"
#include "setup/model/install.h"
#include "setup/model/jobs.h"
#include "setup/model/maker_settings.h"
#include "setup/uninstall.h"

using namespace Qt::StringLiterals;

namespace nv::setup {
namespace {
void fail(const char* utf8) { std::fprintf(stderr, "nvsetup: %s\n", utf8); }

int usage() {
  std::fputs(
      "使い方: nvsetup [--install FILE [--folder DIR]] [--uninstall --yes]\n"
      "                [--associate on|off] [--build all|changed] [--snapshot]\n"
      "                [--archiver \"COMMAND LINE\"]\n"
      "詳しくは 'nvsetup --help' を見てください。\n",
      stderr);
  return 2;
}

// The full help: what `man nvsetup` is made from.
int help() {
  std::fputs(
      "Usage: nvsetup [OPTION]...\n"
      "Install NV from a distribution archive, or, on the maker's machine, build the dated\n"
      "distribution archives. Without options the installer window opens.\n"
      "\n"
      "Options:\n"
      "  --install FILE      install the distribution archive FILE into the install folder\n"
      "  --folder DIR        with --install: install into DIR instead\n"
      "  --uninstall --yes   remove the installed program: exactly the files the install\n"
      "                      recorded, its launchers and its file types\n"
      "  --associate on|off  open saved menus and lunch boxes with the installed NV, or stop\n"
      "  --build all|changed  build the distribution archives from the maker's source\n"
      "                      folder (nvsetup.ini beside the installer); changed packs\n"
      "                      only what changed since the last --snapshot\n"
      "  --snapshot          mark the source folder as it is now as released\n"
      "  --archiver \"LINE\"   run one archiver command line (u, a or @ with a response\n"
      "                      file)\n"
      "  -h, --help          display this help and exit\n"
      "      --version       output version information and exit\n"
      "\n"
      "Files:\n"
      "  The install folder is remembered in ~/.config/Pellora/Nuvelta.conf; the launchers\n"
      "  go to the desktop and ~/.local/share/applications.\n"
      "\n"
      "Exit status: 0 on success, 1 when the command failed, 2 on bad usage.\n",
      stdout);
  return 0;
}

int install(const QString& file, const QString& folderArg) {
  SettingsInstallDirStore store;
  std::string folder = folderArg.isEmpty() ? installFolderOrDefault(store) : pathFromQ(folderArg);
  InstallResult r = installDistribution(pathFromQ(file), folder, store, homeFolder());
  if (r.outcome == InstallResult::Outcome::Missing) {
    ask(pathFromQ(file), u"配布ファイルが見つからないのでインストールできません"_s, Icon::None,
        Buttons::Ok);
    return 1;
  }
  if (r.outcome != InstallResult::Outcome::Installed) {
    prompt().messageBox(installFailureText(r, folder), installFailureCaption(r), Icon::Information,
                        Buttons::Ok);
    return 1;
  }
  if (!fileExists(mainProgramPath(folder))) {
    fail("配布ファイルにメインプログラム NV がありません。");
    return 1;
  }
  return 0;
}

// The maker's settings and the scan of the source folder they name; false (with the message
// told) when there is no maker mode or no source folder.
bool scanFromSettings(MakerSettings& settings, TBrCaFolder& current, const TBrCaFolder* previous,
                      ScanResult& scan, const char* command) {
  if (!fileExists(settingsPath())) {
    std::fprintf(stderr,
                 "nvsetup: %s は、インストーラーと同じフォルダーに nvsetup.ini があるときだけ"
                 "使えます。\n",
                 command);
    return false;
  }
  Ini ini(settingsPath());
  settings.read(ini);
  if (std::string problem = sourceFolderProblem(settings.src); !problem.empty()) {
    prompt().message(problem);
    return false;
  }
  std::atomic<bool> stop{false};
  scan = scanSource(settings.src, current, previous, settings.checkedPatterns(), stop);
  return true;
}

int build(bool all) {
  std::unique_ptr<TBrCaFolder> previous;
  std::string bytes;
  if (readFile(snapshotPath(), bytes)) previous = readSnapshot(bytes);
  MakerSettings settings;
  TBrCaFolder current;
  ScanResult scan;
  if (!scanFromSettings(settings, current, previous.get(), scan, "--build")) return 2;
  BuilderSettings b{settings.src, settings.lzh, settings.main, installerPath(), desktopFolder()};
  BuildOutcome outcome = buildDistribution(b, current, scan, all, archiverStep, [](int ms) {
    QThread::msleep(static_cast<unsigned long>(ms));
  });
  showResult(outcome.told, prompt());
  return outcome.built ? 0 : 1;
}

// Marks the source folder as it is now as released: a later "--build changed" packs only what
// changed since.
int snapshot() {
  MakerSettings settings;
  TBrCaFolder current;
  ScanResult scan;
  if (!scanFromSettings(settings, current, nullptr, scan, "--snapshot")) return 2;
  if (!scan.skippedLinks.empty()) {
    std::string text = sj("次のシンボリックリンクは記録しません。");
    for (const std::string& n : scan.skippedLinks) text += "\n" + n;
    prompt().message(text);
  }
  if (!writeFileAtomic(snapshotPath(), writeSnapshot(current))) {
    prompt().message(sj("書き込みエラーが生じました。") + "\n" + snapshotPath());
    return 1;
  }
  return 0;
}
}  // namespace

bool isSetupCommand(const QStringList& a) {
  for (const QString& s : a.mid(1))
    if (s.startsWith(QStringLiteral("--")) || s == QStringLiteral("-h")) return true;
  return false;
}

int runSetupCommand(const QStringList& a) {
  QStringList args = a.mid(1);
  if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) return help();
  if (args.contains(QStringLiteral("--version"))) {
    std::printf("nvsetup (Nuvelta) %d.%d.%d.%d\n", NV_VERSION_MAJOR, NV_VERSION_MINOR,
                NV_VERSION_RELEASE, NV_VERSION_BUILD);
    return 0;
  }
  auto valueOf = [&](const QString& option) {
    int i = int(args.indexOf(option));
    return i >= 0 && i + 1 < args.size() ? args[i + 1] : QString();
  };
  if (args.contains(QStringLiteral("--install"))) {
    QString file = valueOf(QStringLiteral("--install"));
    if (file.isEmpty()) return usage();
    return install(file, valueOf(QStringLiteral("--folder")));
  }
  if (args.contains(QStringLiteral("--uninstall"))) {
    if (!args.contains(QStringLiteral("--yes"))) {
      fail(
          "--uninstall はインストールしたプログラムを削除します。よければ --yes "
          "を付けてください。");
      return 2;
    }
    SettingsInstallDirStore store;
    RemoveResult removed;
    UninstallPlan plan = uninstallNow(store, removed);
    if (plan.problem == FolderProblem::Empty) {
      fail("インストールされていません（InstallDir の記録がありません）。");
      return 1;
    }
    if (plan.problem != FolderProblem::None) {
      prompt().messageBox(folderProblemText(plan.problem, plan.folder, true),
                          folderProblemCaption(true), Icon::Stop, Buttons::Ok);
      return 1;
    }
    if (!removed) {
      prompt().messageBox(leftFilesText(plan.folder, removed.left), folderProblemCaption(true),
                          Icon::Stop, Buttons::Ok);
      return 1;
    }
    return 0;
  }
  if (args.contains(QStringLiteral("--associate"))) {
    QString v = valueOf(QStringLiteral("--associate"));
    SettingsInstallDirStore store;
    std::string main = mainProgramPath(installFolderOrDefault(store));
    if (v == QStringLiteral("on")) {
      if (!fileExists(main)) {
        fail("NV がインストールされていません。");
        return 1;
      }
      addAssociation(main);
      return 0;
    }
    if (v == QStringLiteral("off")) {
      removeAssociation();
      return 0;
    }
    return usage();
  }
  if (args.contains(QStringLiteral("--build"))) {
    QString v = valueOf(QStringLiteral("--build"));
    if (v != QStringLiteral("all") && v != QStringLiteral("changed")) return usage();
    return build(v == QStringLiteral("all"));
  }
  if (args.contains(QStringLiteral("--snapshot"))) return snapshot();
  if (args.contains(QStringLiteral("--archiver"))) {
    QString line = valueOf(QStringLiteral("--archiver"));
    if (line.isEmpty()) return usage();
    return RunArchiver(fromQ(line)) ? 0 : 1;
  }
  return usage();
}

}  // namespace nv::setup
