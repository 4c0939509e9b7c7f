#pragma once
// Installing and uninstalling without a window: the rules the installer window and its
// command line share.
#include <functional>
#include <string>

namespace nv {

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

enum class InstallOutcome {
  Missing,    // the distribution file does not exist
  Failed,     // the archiver failed (it has reported why)
  Extracted,  // the archive was extracted
  Started,    // a self-extracting program was started; wait for the main program
};

struct InstallSteps {
  // Extracts an archive: the archiver's "x" command; true on success.
  std::function<bool(const std::string& commandLine)> archiver;
  // Starts a self-extracting program with its arguments; true when it started.
  std::function<bool(const std::string& program, const std::string& arguments)> start;
};

// Installs `distribution` into `folder` (given a trailing '/' and stored first). When an
// extraction fails, a main program it left behind is removed, so a half-installed folder
// never looks installed.
InstallOutcome installDistribution(const std::string& distribution, std::string& folder,
                                   InstallDirStore& store, const InstallSteps& steps);

// Whether a folder may be deleted by uninstalling: it must hold the installed main program
// and be neither "/" nor the home folder. `home` is the user's home folder.
bool mayUninstallFolder(const std::string& folder, const std::string& home);

}  // namespace nv
