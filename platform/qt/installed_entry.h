#pragma once
// The desktop entry a system package installed for the program. Launchers the program makes
// for an installed copy start it the way the menu does (Exec=nv %F, the themed icon), so they
// survive upgrades and never name the package's private folder.
#include <QString>

namespace nv {

struct InstalledEntry {
  QString exec;  // the entry's Exec value, unchanged
  QString icon;  // its Icon value
};

// The installed Nuvelta.desktop of the system's application folders (XDG_DATA_DIRS, not the
// user's own, where the program writes its launchers). Found only when the running program is
// the packaged one; false otherwise or when the entry lacks an Exec.
bool findInstalledEntry(InstalledEntry& entry);

// A launcher named `name` that starts the program as the installed entry does; empty when
// the program is not installed from a package.
QString installedLauncherText(const QString& name);

}  // namespace nv
