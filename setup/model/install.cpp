#include "setup/model/install.h"

#include <strings.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/files.h"
#include "platform/paths.h"

namespace nv {
namespace {
std::string inQuotes(const std::string& s) { return "\"" + s + "\""; }

std::filesystem::path canonicalOrEmpty(const std::string& cp932) {
  std::error_code ec;
  auto p = std::filesystem::weakly_canonical(toFsPath(cp932), ec);
  return ec ? std::filesystem::path() : p;
}
}  // namespace

std::string withTrailingSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

std::string mainProgramPath(const std::string& installFolder) {
  return withTrailingSlash(installFolder) + "NV";
}

bool isLzhFile(const std::string& path) {
  return path.size() >= 4 && strcasecmp(path.c_str() + path.size() - 4, ".lzh") == 0;
}

InstallOutcome installDistribution(const std::string& distribution, std::string& folder,
                                   InstallDirStore& store, const InstallSteps& steps) {
  if (!fileExists(distribution)) return InstallOutcome::Missing;
  folder = withTrailingSlash(folder);
  store.write(folder);
  if (isLzhFile(distribution)) {
    std::string main = mainProgramPath(folder);
    bool hadMain = fileExists(main);
    if (!steps.archiver("x " + inQuotes(distribution) + " " + inQuotes(folder))) {
      if (!hadMain) removeFile(main);
      return InstallOutcome::Failed;
    }
    return InstallOutcome::Extracted;
  }
  if (!steps.start(distribution, "-n " + inQuotes(folder))) return InstallOutcome::Failed;
  return InstallOutcome::Started;
}

bool mayUninstallFolder(const std::string& folder, const std::string& home) {
  if (folder.empty()) return false;
  struct stat st;
  if (::lstat(toFsPath(mainProgramPath(folder)).c_str(), &st) != 0 || !S_ISREG(st.st_mode))
    return false;
  std::filesystem::path f = canonicalOrEmpty(folder);
  if (f.empty() || f == f.root_path()) return false;
  if (!home.empty() && f == canonicalOrEmpty(home)) return false;
  return true;
}

}  // namespace nv
