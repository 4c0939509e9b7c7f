#pragma once
// Where the program keeps what it writes. A program folder that can be written (a copied or
// freshly built one) keeps NV.ini and NV_ADD.nv beside the program as it always has. A
// system-installed one (read-only, or marked by the package) is never written: the two files
// live in the user's config folder and save dialogs start in the documents folder
// (platform/qt/documents_folder.h).
// Every reader and writer of NV.ini or NV_ADD.nv asks here; paths are CP932.
#include <string>
#include <string_view>

namespace nv {

// Name of the file a system package puts into the program folder to say that the folder
// belongs to the package manager (also when the user could write it, e.g. as root).
inline constexpr std::string_view kPackagedMarker = "packaged";

// True when the program folder carries the package marker.
bool programFolderPackaged();
// False when the program folder cannot be written or carries the package marker.
bool programFolderWritable();

// The program folder when it can be written, else $XDG_CONFIG_HOME/Nuvelta (created on
// demand; ~/.config when XDG_CONFIG_HOME is unset or not absolute).
std::string settingsFolder();
std::string iniFilePath();         // settingsFolder()/NV.ini
std::string defaultAddFilePath();  // settingsFolder()/NV_ADD.nv

// The user's own folder for the data files a conversion builds (NV.nv, NV.nvb) when the
// program folder cannot take them: $XDG_DATA_HOME/Nuvelta (created on demand; ~/.local/share
// when XDG_DATA_HOME is unset or not absolute).
std::string userDataFolder();
// Where a conversion writes the data file configured as `configured`: that path, unless it
// lies in a program folder that cannot be written; then the file of its name in
// userDataFolder().
std::string dataFileForWriting(std::string_view configured);
// The data file to load for `configured`: the user's converted copy (the file of its name in
// userDataFolder()) when `configured` lies in a program folder that cannot be written and
// the copy exists; else `configured`.
std::string dataFileForReading(std::string_view configured);

// The user's home folder: $HOME, else the account's home, else /tmp. (The documents folder
// comes from the desktop's settings, read on the Qt side: platform/qt/documents_folder.h.)
std::string userHomeFolder();

}  // namespace nv
