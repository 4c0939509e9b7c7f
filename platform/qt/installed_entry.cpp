#include "platform/qt/installed_entry.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "platform/user_folders.h"

namespace nv {
namespace {
// Keys of the [Desktop Entry] group (the only group the launcher needs).
bool readEntry(const QString& path, InstalledEntry& entry) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return false;
  bool inMain = false;
  while (!f.atEnd()) {
    const QString line = QString::fromUtf8(f.readLine()).trimmed();
    entry.lines << line;
    if (line.startsWith(u'[')) {
      inMain = line == QStringLiteral("[Desktop Entry]");
      continue;
    }
    if (!inMain) continue;
    if (line.startsWith(QStringLiteral("Exec=")))
      entry.exec = line.mid(5).trimmed();
    else if (line.startsWith(QStringLiteral("Icon=")))
      entry.icon = line.mid(5).trimmed();
  }
  return !entry.exec.isEmpty();
}
}  // namespace

bool findInstalledEntry(InstalledEntry& entry) {
  if (!programFolderPackaged()) return false;
  const QString own = QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
  for (const QString& folder :
       QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation)) {
    if (QDir(folder) == QDir(own)) continue;
    InstalledEntry found;
    if (readEntry(QDir(folder).filePath(QStringLiteral("Nuvelta.desktop")), found)) {
      entry = found;
      return true;
    }
  }
  return false;
}

QString installedLauncherText(const QString& name) {
  InstalledEntry entry;
  if (!findInstalledEntry(entry)) return {};
  QString t;
  bool inMain = false;
  for (const QString& line : entry.lines) {
    if (line.startsWith(u'[')) inMain = line == QStringLiteral("[Desktop Entry]");
    if (inMain && line.startsWith(QStringLiteral("Name["))) continue;
    if (inMain && line.startsWith(QStringLiteral("Name=")))
      t += QStringLiteral("Name=") + QString(name).replace(u'\n', u' ') + u'\n';
    else
      t += line + u'\n';
  }
  return t;
}

}  // namespace nv
