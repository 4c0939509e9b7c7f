#include "platform/qt/documents_folder.h"

#include <QFile>
#include <QStandardPaths>
#include <filesystem>
#include <system_error>

#include "platform/paths.h"
#include "platform/user_folders.h"

namespace nv {
namespace {
namespace fs = std::filesystem;

// What user-dirs.dirs names, $HOME expanded; Qt answers ~/Documents when the file or the key
// is missing. Empty when the value is relative or the home itself ("no documents folder").
fs::path documentsFromUserDirs(const fs::path& home) {
  const QByteArray native =
      QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
  const fs::path path(std::string(native.constData(), size_t(native.size())));
  if (!path.is_absolute()) return {};
  if ((path / "").lexically_normal() == (home / "").lexically_normal()) return {};
  return path;
}
}  // namespace

std::string documentsFolder() {
  const fs::path home = toFsPath(userHomeFolder());
  std::error_code ec;
  fs::path folder = documentsFromUserDirs(home);
  if (folder.empty() || !fs::is_directory(folder, ec)) folder = home / "Documents";
  if (!fs::is_directory(folder, ec)) folder = home;
  return fromFsPath(folder);
}

std::string saveStartFolder() {
  return programFolderWritable() ? std::string() : documentsFolder();
}

}  // namespace nv
