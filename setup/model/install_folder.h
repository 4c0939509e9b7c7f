#pragma once
// Which folders may be installed into or uninstalled, and what the user is told when one is
// refused.
#include <string>

namespace nv::setup {

enum class FolderProblem {
  None,
  Empty,        // no folder given
  Root,         // "/"
  HomeOrAbove,  // the home folder, or a folder that holds it
  Link,         // a symbolic link (uninstall)
  NoRecord,     // no record of an install in the folder (uninstall)
  OtherFolder,  // the record there describes another folder (uninstall)
};

// The folder as it is stored: absolute (a relative one is taken from the working folder),
// symbolic links resolved, ending in '/'. "" for an empty text.
std::string storedInstallFolder(const std::string& typed);

// Empty, "/" and the home folder or above are never installed into.
FolderProblem installFolderProblem(const std::string& folder, const std::string& home);

// True when `folder` (any spelling) is the home folder or one that holds it.
bool isHomeOrAbove(const std::string& folder, const std::string& home);

// The message for a refusal (CP932), and its caption.
std::string folderProblemText(FolderProblem problem, const std::string& folder, bool uninstalling);
std::string folderProblemCaption(bool uninstalling);

}  // namespace nv::setup
