#pragma once
// A folder of the fuzz process for the readers that take a path: made once, files in it are
// overwritten on every input.
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace nvfuzz {

inline const std::string& scratchFolder() {
  static const std::string folder = [] {
    std::string tmpl = (std::filesystem::temp_directory_path() / "nvfuzz.XXXXXX").string();
    if (!mkdtemp(tmpl.data())) std::abort();
    return tmpl;
  }();
  return folder;
}

inline std::string scratchFile(std::string_view name) {
  return scratchFolder() + "/" + std::string(name);
}

// Plain write (the code under test does the atomic saves).
inline void putFile(const std::string& path, std::string_view bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) std::abort();
  if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) std::abort();
  std::fclose(f);
}

inline std::string getFile(const std::string& path) {
  std::string out;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return out;
  char buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
  std::fclose(f);
  return out;
}

}  // namespace nvfuzz
