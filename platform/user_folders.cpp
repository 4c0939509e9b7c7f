#include "platform/user_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/paths.h"

namespace nv {
namespace {
namespace fs = std::filesystem;

fs::path homePath() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) return pw->pw_dir;
  return "/tmp";
}

fs::path configHome() {
  // Relative values are invalid and ignored.
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && config[0] == '/')
    return config;
  return homePath() / ".config";
}

fs::path dataHome() {
  if (const char* data = std::getenv("XDG_DATA_HOME"); data && data[0] == '/') return data;
  return homePath() / ".local" / "share";
}

// A path in the program folder, which a packaged install does not let us write.
bool inLockedProgramFolder(std::string_view path) {
  return folderOf(path) == programFolder() && !programFolderWritable();
}

}  // namespace

bool programFolderPackaged() {
  return fileExists(joinPath(programFolder(), std::string(kPackagedMarker)));
}

bool programFolderWritable() {
  if (programFolderPackaged()) return false;
  return access(toFsPath(programFolder()).c_str(), W_OK) == 0;
}

std::string settingsFolder() {
  if (programFolderWritable()) return programFolder();
  const fs::path folder = configHome() / "Nuvelta";
  std::error_code ec;
  fs::create_directories(folder, ec);  // a failure shows when the file is saved
  return fromFsPath(folder);
}

std::string userHomeFolder() { return fromFsPath(homePath()); }

std::string iniFilePath() { return joinPath(settingsFolder(), "NV.ini"); }

std::string defaultAddFilePath() { return joinPath(settingsFolder(), "NV_ADD.nv"); }

std::string userDataFolder() {
  const fs::path folder = dataHome() / "Nuvelta";
  std::error_code ec;
  fs::create_directories(folder, ec);  // a failure shows when the file is written
  return fromFsPath(folder);
}

std::string dataFileForWriting(std::string_view configured) {
  if (!inLockedProgramFolder(configured)) return std::string(configured);
  return joinPath(userDataFolder(), fileNameOf(configured));
}

std::string dataFileForReading(std::string_view configured) {
  if (!inLockedProgramFolder(configured)) return std::string(configured);
  const std::string copy = joinPath(fromFsPath(dataHome() / "Nuvelta"), fileNameOf(configured));
  return fileExists(copy) ? copy : std::string(configured);
}

}  // namespace nv
