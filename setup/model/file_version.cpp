#include "setup/model/file_version.h"

#include <cstdio>

#include "platform/files.h"

namespace nv::setup {

bool readFileVersion(const std::string& cp932Path, std::array<long, 4>& version) {
  std::string bytes;
  return readFile(cp932Path, bytes, uint64_t(1) << 30) && findFileVersion(bytes, version);
}

bool findFileVersion(const std::string& bytes, std::array<long, 4>& version) {
  static const std::string marker = "NVFILEVERSION=";
  // The reader's own copy of the marker may come first; the stamp is the one with numbers.
  for (size_t at = bytes.find(marker); at != std::string::npos; at = bytes.find(marker, at + 1)) {
    std::string text = bytes.substr(at + marker.size(), 64);
    text = text.substr(0, text.find('\0'));
    if (std::sscanf(text.c_str(), "%ld.%ld.%ld.%ld", &version[0], &version[1], &version[2],
                    &version[3]) == 4)
      return true;
  }
  return false;
}

}  // namespace nv::setup
