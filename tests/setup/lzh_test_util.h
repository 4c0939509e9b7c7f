#pragma once
// Helpers of the archive tests: running a shell command and reading its output.
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include "platform/paths.h"
#include "setup/lzh/crc16.h"
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

// Members as other archivers write them, built by hand: a level-0 or level-1 header (the name
// field as stored, "\\" between folders) followed by the packed bytes.
inline std::string handMember(int level, const std::string& storedName, const std::string& packed,
                              const std::string& original, const char* method = "-lh0-",
                              const std::string& dirExtension = "") {
  auto le = [](std::string& s, uint32_t v, int n) {
    for (int i = 0; i < n; ++i) s.push_back(char(v >> (8 * i) & 0xFF));
  };
  std::string ext;  // level 1: a directory record (type 2) and the closing size field
  if (level == 1 && !dirExtension.empty()) {
    ext.push_back(2);
    ext += dirExtension;
    le(ext, 0, 2);
  }
  std::string body = method;
  le(body, uint32_t(packed.size() + ext.size()), 4);
  le(body, uint32_t(original.size()), 4);
  le(body, 0x348F4BC0, 4);  // a DOS time stamp
  body.push_back(0x20);
  body.push_back(char(level));
  body.push_back(char(storedName.size()));
  body += storedName;
  le(body, nv::lzh::crc16(original.data(), original.size()), 2);
  if (level == 1) {
    body.push_back('M');
    le(body, uint32_t(ext.size()), 2);  // the first record's size: the whole record
  }
  uint8_t sum = 0;
  for (char c : body) sum = uint8_t(sum + uint8_t(c));
  std::string head;
  head.push_back(char(body.size()));
  head.push_back(char(sum));
  return head + body + ext + packed;
}

// One "-lh5-" family block coding `count` copies of one byte: every table holds a single
// symbol, so the symbols themselves take no bits. positionBits is 4 for -lh5-, 5 for -lh6-,
// -lh7- and -lhx-.
inline std::string singleSymbolBlock(uint16_t count, uint8_t byte, int positionBits) {
  std::string out;
  uint32_t acc = 0;
  int n = 0;
  auto put = [&](int bits, uint32_t v) {
    for (int i = bits - 1; i >= 0; --i) {
      acc = (acc << 1) | ((v >> i) & 1);
      if (++n == 8) {
        out.push_back(char(acc));
        acc = 0;
        n = 0;
      }
    }
  };
  put(16, count);
  put(5, 0), put(5, 0);                        // code-length table: one symbol
  put(9, 0), put(9, byte);                     // literal table: the byte alone
  put(positionBits, 0), put(positionBits, 0);  // no positions
  if (n) out.push_back(char(acc << (8 - n)));
  return out;
}

}  // namespace nvtest
