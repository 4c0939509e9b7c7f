#pragma once
// Helpers of the archive tests: running a shell command and reading its output.
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include "platform/paths.h"
#include "temp_dir.h"

namespace nvtest {

// Runs a shell command; returns its exit status and fills out with its standard output.
inline int runShell(const std::string& command, std::string* out = nullptr) {
  FILE* p = popen(command.c_str(), "r");
  if (!p) return -1;
  char buf[4096];
  size_t n;
  std::string text;
  while ((n = fread(buf, 1, sizeof buf, p)) > 0) text.append(buf, n);
  int status = pclose(p);
  if (out) *out = text;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Writes a file, making its folders first.
inline void put(const std::string& cp932Path, const std::string& bytes) {
  std::filesystem::create_directories(nv::toFsPath(nv::folderOf(cp932Path)));
  writeBytes(cp932Path, bytes);
}

inline std::string randomBytes(size_t n, unsigned seed) {
  std::mt19937 rng(seed);
  std::string s(n, '\0');
  for (auto& c : s) c = static_cast<char>(rng());
  return s;
}

// Text-like data: words from a small vocabulary, so matches of every length and distance occur.
inline std::string wordySample(size_t n, unsigned seed) {
  static const char* words[] = {
      "rice ", "miso ", "soup ",      "carrot ",  "fish\n", "egg ", "\x93\xfa\x96\x7b ",
      "tofu ", "milk ", "0123456789", "spinach ", "\t"};
  std::mt19937 rng(seed);
  std::string s;
  while (s.size() < n) s += words[rng() % 12];
  s.resize(n);
  return s;
}

}  // namespace nvtest
