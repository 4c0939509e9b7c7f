#pragma once
// The user's documents folder, where the save dialogs of an installed program start. Qt's
// QStandardPaths reads the desktop's user-dirs.dirs (under XDG_CONFIG_HOME), so the program
// names the same folder as the file manager does. Paths are CP932.
#include <string>

namespace nv {

// XDG_DOCUMENTS_DIR of user-dirs.dirs when it names an existing folder other than the home
// itself, else ~/Documents when it exists, else the home folder.
std::string documentsFolder();
// Where a save dialog without a folder of its own starts: "" (the dialog's choice, as always)
// for a writable program folder, the documents folder for an installed one.
std::string saveStartFolder();

}  // namespace nv
