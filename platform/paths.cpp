#include "platform/paths.h"

#include <unicode/utf16.h>
#include <unicode/utf8.h>
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
  if (cp932Path.find(char(kPathEscape)) == std::string_view::npos)
    return std::filesystem::path(cp932ToUtf8(cp932Path));
  std::string native;
  size_t run = 0;
  unsigned char byte = 0;
  for (size_t i = 0; i < cp932Path.size();) {
    if (escapedByteAt(cp932Path, i, byte) == 0) {
      i += isCp932LeadByte(static_cast<unsigned char>(cp932Path[i])) ? 2 : 1;
      continue;
    }
    native += cp932ToUtf8(cp932Path.substr(run, i - run));
    native += char(byte);
    i += 3;
    run = i;
  }
  if (run < cp932Path.size()) native += cp932ToUtf8(cp932Path.substr(run));
  return std::filesystem::path(native);
}

std::string fromFsPath(const std::filesystem::path& path) {
  const std::string& native = path.native();
  std::string out;
  out.reserve(native.size());
  auto escape = [&out](unsigned char b) {
    static const char kHex[] = "0123456789ABCDEF";
    out += char(kPathEscape);
    out += kHex[b >> 4];
    out += kHex[b & 15];
  };
  for (size_t i = 0; i < native.size();) {
    const unsigned char c = static_cast<unsigned char>(native[i]);
    if (c < 0x80) {
      out += char(c);
      ++i;
      continue;
    }
    // One UTF-8 character: kept as CP932 when it goes there and back unchanged, else escaped
    // byte by byte (also a byte that starts no valid UTF-8 character).
    int32_t at = int32_t(i);
    UChar32 ch = 0;
    U8_NEXT(native.data(), at, int32_t(native.size()), ch);
    const std::string_view bytes(native.data() + i, size_t(at) - i);
    if (ch >= 0) {
      std::u16string one;
      if (ch > 0xFFFF) {
        one = {char16_t(U16_LEAD(ch)), char16_t(U16_TRAIL(ch))};
      } else {
        one = {char16_t(ch)};
      }
      const std::string cp932 = utf16ToCp932(one);
      if (!cp932.empty() && cp932 != "?" && cp932ToUtf16(cp932) == one) {
        out += cp932;
        i = size_t(at);
        continue;
      }
    }
    for (char b : bytes) escape(static_cast<unsigned char>(b));
    i = size_t(at);
  }
  return out;
}

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

std::string fileNameFromText(std::string_view text, size_t extensionBytes) {
  constexpr size_t kNameMaxBytes = 255;
  std::string out(text);
  size_t diskBytes = extensionBytes;
  for (size_t i = 0; i < out.size(); ++i) {
    const size_t start = i;
    unsigned char c = static_cast<unsigned char>(out[i]);
    if (isCp932LeadByte(c) && i + 1 < out.size())
      ++i;
    else if (c == '/' || c == '\\')
      out[i] = '_';
    diskBytes += toFsPath(std::string_view(out).substr(start, i + 1 - start)).native().size();
    if (diskBytes > kNameMaxBytes) {
      out.resize(start);
      break;
    }
  }
  if (out.empty() || out == "." || out == "..") return "_";
  return out;
}

bool fileExists(std::string_view cp932Path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(toFsPath(cp932Path), ec);
}

}  // namespace nv
