#pragma once
// Installing without a window: the rules the installer window and its command line share.
#include <string>
#include <vector>

#include "setup/model/install_folder.h"

namespace nv::setup {

// Where the install folder is remembered (the "InstallDir" value).
class InstallDirStore {
 public:
  virtual ~InstallDirStore() = default;
  virtual std::string read() const = 0;  // "" when unset
  virtual void write(const std::string& folder) = 0;
  virtual void remove() = 0;  // the whole key
};

// The installed main program of a folder (the folder ends in '/').
std::string mainProgramPath(const std::string& installFolder);
std::string withTrailingSlash(std::string folder);

// True for ".lzh" in any letter case.
bool isLzhFile(const std::string& path);

struct InstallResult {
  enum class Outcome {
    Missing,    // the distribution file does not exist
    Refused,    // the folder may not be installed into (`problem` says why)
    Failed,     // the archive could not be extracted (`code`); nothing was placed
    Installed,  // every file is in place, recorded, and the folder stored
  };
  Outcome outcome = Outcome::Failed;
  FolderProblem problem = FolderProblem::None;
  int code = 0;
  std::vector<std::string> refusedNames;
};

// Installs `distribution` (an archive, or a self-extracting program, whose appended archive is
// extracted here by the same reader) into `folder`, which becomes the stored spelling
// (absolute, "~" read as the home folder, ending in '/'). The install is all or nothing; files it
// replaces are renamed over, so a running NV does not stop it. Only after it succeeded is the
// folder stored and the record of the installed files (kept in the folder) extended.
InstallResult installDistribution(const std::string& distribution, std::string& folder,
                                  InstallDirStore& store, const std::string& home);

// The message of a failed or refused install (CP932), and its caption ("" when none).
std::string installFailureText(const InstallResult& result, const std::string& folder);
std::string installFailureCaption(const InstallResult& result);

}  // namespace nv::setup
