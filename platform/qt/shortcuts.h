#pragma once
// Launchers for the program: "NV.desktop" on the desktop and "Nuvelta.desktop" among the
// user's applications (the freedesktop places of a desktop and a start-menu shortcut).
#include <QString>

namespace nv {

// The program's own picture in its folder, the icon of the launchers made for a copied program.
QString launcherIcon(const QString& programFolder);

// A program path as the Exec= value of a launcher gives it: quoted, escaped for the Exec
// rules (", `, $, \, %) and for the entry file's string rules (\, line breaks, tabs).
QString desktopExecArgument(const QString& path);

// The text of a launcher that starts `programPath` (a file argument is passed on).
QString desktopEntryText(const QString& name, const QString& programPath);

// Writes folder/fileName as a launcher of the running program. False when it could not be
// written (callers stay silent about it).
bool writeLauncher(const QString& folder, const QString& fileName, const QString& name);

bool makeDesktopShortcut();    // NV.desktop in the desktop folder
bool makeStartMenuShortcut();  // Nuvelta.desktop in ~/.local/share/applications

}  // namespace nv
