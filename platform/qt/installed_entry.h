#pragma once
// The desktop entry a system package installed for the program. Launchers the program makes
// for an installed copy are that entry under their own name: they start the program the way
// the menu does (Exec=nv %F, the themed icon), survive upgrades, never name the package's
// folder, and the one in the user's applications folder, which hides the system entry of the
// same name, keeps its file types and categories.
#include <QString>
#include <QStringList>

namespace nv {

struct InstalledEntry {
  QString exec;       // the entry's Exec value, unchanged
  QString icon;       // its Icon value
  QStringList lines;  // the whole file
};

// The installed Nuvelta.desktop of the system's application folders (XDG_DATA_DIRS, not the
// user's own, where the program writes its launchers). Found only when the running program is
// the packaged one; false otherwise or when the entry lacks an Exec.
bool findInstalledEntry(InstalledEntry& entry);

// The installed entry with `name` as its only Name (translations of the name dropped); empty
// when the program is not installed from a package.
QString installedLauncherText(const QString& name);

}  // namespace nv
