#include "platform/paths.h"

#include <unistd.h>

#include <system_error>

#include "platform/text.h"

namespace nv {
namespace {
std::string& programFolderOverride() {
  static std::string folder;
  return folder;
}

// The last '/' that is a separator, not the trail byte of a double-byte character.
size_t lastSeparator(std::string_view path) {
  size_t last = std::string_view::npos;
  for (size_t i = 0; i < path.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(path[i]);
    if (isCp932LeadByte(c) && i + 1 < path.size()) {
      ++i;
      continue;
    }
    if (c == '/') last = i;
  }
  return last;
}
}  // namespace

std::filesystem::path toFsPath(std::string_view cp932Path) {
  return std::filesystem::path(cp932ToUtf8(cp932Path));
}

std::string fromFsPath(const std::filesystem::path& path) { return utf8ToCp932(path.string()); }

std::string programFolder() {
  if (!programFolderOverride().empty()) return programFolderOverride();
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return ".";
  return fromFsPath(exe.parent_path());
}

void setProgramFolder(std::string_view cp932Folder) { programFolderOverride() = cp932Folder; }

std::string joinPath(std::string_view folder, std::string_view name) {
  if (folder.empty()) return std::string(name);
  std::string out(folder);
  if (out.back() != '/') out += '/';
  out.append(name);
  return out;
}

std::string folderOf(std::string_view path) {
  size_t sep = lastSeparator(path);
  if (sep == std::string_view::npos) return {};
  return std::string(path.substr(0, sep == 0 ? 1 : sep));
}

std::string fileNameOf(std::string_view path) {
  size_t sep = lastSeparator(path);
  return std::string(sep == std::string_view::npos ? path : path.substr(sep + 1));
}

std::string changeExtension(std::string_view path, std::string_view ext) {
  size_t sep = lastSeparator(path);
  size_t start = sep == std::string_view::npos ? 0 : sep + 1;
  size_t dot = std::string_view::npos;
  for (size_t i = start; i < path.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(path[i]);
    if (isCp932LeadByte(c) && i + 1 < path.size()) {
      ++i;
      continue;
    }
    if (c == '.') dot = i;
  }
  std::string out(dot == std::string_view::npos ? path : path.substr(0, dot));
  out.append(ext);
  return out;
}

bool fileExists(std::string_view cp932Path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(toFsPath(cp932Path), ec);
}

}  // namespace nv
