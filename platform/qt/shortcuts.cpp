#include "platform/qt/shortcuts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include "platform/qt/installed_entry.h"

namespace nv {
namespace {
// Line breaks would end the key early and add keys of their own.
QString oneLine(QString v) { return v.replace(u'\n', u' ').replace(u'\r', u' '); }
}  // namespace

QString desktopExecArgument(const QString& path) {
  // The argument in double quotes with ", `, $ and \ escaped; a literal % doubled (a single
  // one would start a field code).
  QString q = QStringLiteral("\"");
  for (QChar c : path) {
    if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') q += u'\\';
    q += c;
    if (c == u'%') q += c;
  }
  q += u'"';
  // Then the escapes of every string value of the entry file.
  QString v;
  for (QChar c : q) {
    if (c == u'\\')
      v += QStringLiteral("\\\\");
    else if (c == u'\n')
      v += QStringLiteral("\\n");
    else if (c == u'\r')
      v += QStringLiteral("\\r");
    else if (c == u'\t')
      v += QStringLiteral("\\t");
    else
      v += c;
  }
  return v;
}

QString launcherIcon(const QString& programFolder) {
  return programFolder + QStringLiteral("/BMP/nv.bmp");
}

QString desktopEntryText(const QString& name, const QString& programPath) {
  const QString folder = QFileInfo(programPath).absolutePath();
  QString t;
  t += QStringLiteral("[Desktop Entry]\n");
  t += QStringLiteral("Type=Application\n");
  t += QStringLiteral("Name=") + oneLine(name) + QStringLiteral("\n");
  t += QStringLiteral("Exec=") + desktopExecArgument(programPath) + QStringLiteral(" %f\n");
  t += QStringLiteral("Path=") + oneLine(folder) + QStringLiteral("\n");
  t += QStringLiteral("Icon=") + oneLine(launcherIcon(folder)) + QStringLiteral("\n");
  t += QStringLiteral("Terminal=false\n");
  return t;
}

bool writeLauncher(const QString& folder, const QString& fileName, const QString& name) {
  if (folder.isEmpty() || !QDir().mkpath(folder)) return false;
  const QString path = QDir(folder).filePath(fileName);
  QSaveFile f(path);
  if (!f.open(QIODevice::WriteOnly)) return false;
  // An installed program is started as its menu entry starts it; a copied one by its path.
  QString text = installedLauncherText(name);
  if (text.isEmpty()) text = desktopEntryText(name, QCoreApplication::applicationFilePath());
  f.write(text.toUtf8());
  if (!f.commit()) return false;
  // Desktops start only launchers marked executable.
  QFile::setPermissions(path,
                        QFile::permissions(path) | QFileDevice::ExeOwner | QFileDevice::ExeUser);
  return true;
}

bool makeDesktopShortcut() {
  return writeLauncher(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation),
                       QStringLiteral("NV.desktop"), QStringLiteral("NV"));
}

bool makeStartMenuShortcut() {
  return writeLauncher(QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation),
                       QStringLiteral("Nuvelta.desktop"), QStringLiteral("Nuvelta"));
}

}  // namespace nv
