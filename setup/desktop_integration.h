#pragma once
// What the installer leaves on the desktop: the remembered install folder (QSettings,
// organisation "Pellora", application "Nuvelta", key "InstallDir"), the launchers
// "NV.desktop" and "Nuvelta.desktop", and the association of menu files (.nvu, .nvub) with
// the installed program (a shared-mime-info type, a handler launcher, the default choice).
#include <string>

#include "setup/model/install.h"

namespace nv::setup {

class SettingsInstallDirStore : public InstallDirStore {
 public:
  std::string read() const override;
  void write(const std::string& folder) override;
  void remove() override;
};

// "~/Morivale/" in the user's home folder.
std::string defaultInstallFolder();
// The stored folder, or the default when none is stored.
std::string installFolderOrDefault(const InstallDirStore& store);

std::string desktopFolder();    // the user's desktop
std::string startMenuFolder();  // ~/.local/share/applications
std::string homeFolder();

// Launchers of the main program; failures are not reported.
void makeDesktopShortcut(const std::string& mainProgram);
void makeStartMenuShortcut(const std::string& mainProgram);
void removeShortcuts();

// The association: present when the menu-file type is registered.
bool associationPresent();
void addAssociation(const std::string& mainProgram);
void removeAssociation();

}  // namespace nv::setup
