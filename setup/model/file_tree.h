#pragma once
// The builder's file tree and its snapshot file (nvsetup.dat).
#include <cstdint>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

namespace nv::setup {

struct TBrCaFile {
  std::string path;   // full path, CP932
  int32_t stamp = 0;  // (DOS date << 16) | DOS time of the last write, in UTC
  uint8_t changed = 0;
};

struct TBrCaFolder {
  std::string path;  // full path ending in '/'; the root's is empty
  std::vector<TBrCaFile> files;
  std::vector<std::unique_ptr<TBrCaFolder>> children;
};

// DOS stamp of a Unix time, taken as UTC; and back (to Unix seconds, as UTC).
int32_t dosStampFromUnix(int64_t unixSeconds);
int64_t unixFromDosStamp(int32_t stamp);

// The snapshot's bytes: the root as a list of one folder.
std::string writeSnapshot(const TBrCaFolder& root);
// Null when the bytes are not a whole, sound snapshot (counts are checked against the bytes
// left, nesting is bounded).
std::unique_ptr<TBrCaFolder> readSnapshot(const std::string& bytes);

}  // namespace nv::setup
