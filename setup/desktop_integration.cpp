#include "setup/desktop_integration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

#include "platform/qt/qtext.h"
#include "platform/qt/shortcuts.h"

namespace nv::setup {
namespace {
const QString kMimeType = QStringLiteral("application/x-nuvelta-file");
const QString kHandler = QStringLiteral("NuveltaFile.desktop");

QString dataHome() { return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation); }
QString configHome() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

bool writeText(const QString& path, const QByteArray& text, bool executable) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QSaveFile f(path);
  if (!f.open(QIODevice::WriteOnly)) return false;
  f.write(text);
  if (!f.commit()) return false;
  if (executable)
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner |
                                    QFileDevice::ExeUser | QFileDevice::ExeGroup |
                                    QFileDevice::ExeOther);
  return true;
}

// A value of Exec= with the program quoted as launchers require (the one escaping NV's own
// launchers use).
QByteArray execValue(const std::string& program) {
  return desktopExecArgument(toQ(program)).toUtf8();
}

// The installed program's own picture, or a themed one when the folder lacks it.
QString programIcon(const std::string& program) {
  const QString icon = launcherIcon(QFileInfo(toQ(program)).absolutePath());
  return QFile::exists(icon) ? icon : QStringLiteral("applications-education");
}

QByteArray launcher(const QString& name, const std::string& program) {
  return "[Desktop Entry]\nType=Application\nName=" + name.toUtf8() +
         "\nExec=" + execValue(program) + "\nIcon=" + programIcon(program).toUtf8() +
         "\nTerminal=false\n";
}

void runQuietly(const QString& program, const QStringList& args) {
  if (QStandardPaths::findExecutable(program).isEmpty()) return;
  QProcess p;
  p.start(program, args);
  p.waitForFinished(20000);
}

QString mimePackage() { return dataHome() + QStringLiteral("/mime/packages/NuveltaFile.xml"); }
QString handlerPath() { return dataHome() + QStringLiteral("/applications/") + kHandler; }
QString mimeAppsPath() { return configHome() + QStringLiteral("/mimeapps.list"); }

// Sets or clears this type's line in [Default Applications] of mimeapps.list.
void setDefaultApplication(bool on) {
  QFile f(mimeAppsPath());
  QStringList lines;
  // The user's other choices live in the same file: one that is there but cannot be read (no
  // permission, a FIFO that would never end) is left alone rather than replaced or removed.
  const QFileInfo info(f.fileName());
  if (info.exists() || info.isSymLink()) {
    if (!info.isFile() || !f.open(QIODevice::ReadOnly)) return;
    lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
  }
  f.close();
  while (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  const QString key = kMimeType + QLatin1Char('=');
  lines.erase(std::remove_if(lines.begin(), lines.end(),
                             [&](const QString& l) { return l.startsWith(key); }),
              lines.end());
  if (on) {
    const QString section = QStringLiteral("[Default Applications]");
    int at = int(lines.indexOf(section));
    if (at < 0) {
      lines << section;
      at = int(lines.size()) - 1;
    }
    lines.insert(at + 1, key + kHandler);
  }
  if (lines.isEmpty() ||
      (lines.size() == 1 && lines[0] == QStringLiteral("[Default Applications]"))) {
    QFile::remove(mimeAppsPath());
    return;
  }
  writeText(mimeAppsPath(), (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8(), false);
}
}  // namespace

std::string SettingsInstallDirStore::read() const {
  QSettings s(QStringLiteral("Pellora"), QStringLiteral("Nuvelta"));
  return pathFromQ(s.value(QStringLiteral("InstallDir")).toString());
}

void SettingsInstallDirStore::write(const std::string& folder) {
  QSettings s(QStringLiteral("Pellora"), QStringLiteral("Nuvelta"));
  s.setValue(QStringLiteral("InstallDir"), toQ(folder));
}

void SettingsInstallDirStore::remove() {
  QString file;
  {
    QSettings s(QStringLiteral("Pellora"), QStringLiteral("Nuvelta"));
    s.clear();
    s.sync();
    file = s.fileName();
  }
  QFile::remove(file);
  // The maker's folder was made for this file alone; it goes when nothing else is in it.
  QDir().rmdir(QFileInfo(file).absolutePath());
}

std::string homeFolder() { return pathFromQ(QDir::homePath()); }
std::string defaultInstallFolder() {
  return pathFromQ(QDir::homePath() + QStringLiteral("/Morivale/"));
}

std::string installFolderOrDefault(const InstallDirStore& store) {
  std::string folder = store.read();
  return folder.empty() ? defaultInstallFolder() : folder;
}

std::string desktopFolder() {
  return pathFromQ(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
}
std::string startMenuFolder() {
  return pathFromQ(QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation));
}

void makeDesktopShortcut(const std::string& mainProgram) {
  writeText(toQ(desktopFolder()) + QStringLiteral("/NV.desktop"),
            launcher(QStringLiteral("NV"), mainProgram), true);
}

void makeStartMenuShortcut(const std::string& mainProgram) {
  writeText(toQ(startMenuFolder()) + QStringLiteral("/Nuvelta.desktop"),
            launcher(QStringLiteral("Nuvelta"), mainProgram), true);
}

void removeShortcuts() {
  QFile::remove(toQ(desktopFolder()) + QStringLiteral("/NV.desktop"));
  QFile::remove(toQ(startMenuFolder()) + QStringLiteral("/Nuvelta.desktop"));
}

bool associationPresent() { return QFile::exists(mimePackage()); }

void addAssociation(const std::string& mainProgram) {
  const QString comment = QStringLiteral("Nuvelta 献立ファイル");
  QByteArray xml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
      "  <mime-type type=\"" +
      kMimeType.toUtf8() + "\">\n    <comment>" + comment.toUtf8() +
      "</comment>\n    <glob pattern=\"*.nvu\"/>\n    <glob pattern=\"*.nvub\"/>\n"
      "  </mime-type>\n</mime-info>\n";
  writeText(mimePackage(), xml, false);
  const QString icon = programIcon(mainProgram);
  QByteArray handler = "[Desktop Entry]\nType=Application\nName=" + comment.toUtf8() +
                       "\nExec=" + execValue(mainProgram) + " %f\nIcon=" + icon.toUtf8() +
                       "\nMimeType=" + kMimeType.toUtf8() + ";\nNoDisplay=true\nTerminal=false\n";
  writeText(handlerPath(), handler, false);
  setDefaultApplication(true);
  runQuietly(QStringLiteral("update-mime-database"), {dataHome() + QStringLiteral("/mime")});
  runQuietly(QStringLiteral("update-desktop-database"),
             {dataHome() + QStringLiteral("/applications")});
}

void removeAssociation() {
  QFile::remove(mimePackage());
  QFile::remove(handlerPath());
  setDefaultApplication(false);
  runQuietly(QStringLiteral("update-mime-database"), {dataHome() + QStringLiteral("/mime")});
  runQuietly(QStringLiteral("update-desktop-database"),
             {dataHome() + QStringLiteral("/applications")});
}

}  // namespace nv::setup
