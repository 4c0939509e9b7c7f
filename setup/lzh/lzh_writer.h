#pragma once
// Writing archives: level-2 headers, "-lh5-" data ("-lh0-" when it does not shrink), CP932
// member names, folders stored as members, modification times and Unix permissions.
#include <cstdint>
#include <string>
#include <vector>

namespace nv::lzh {

struct ArchiveMember {
  std::string name;  // CP932, '/' between folders; a folder's name ends without '/'
  bool isFolder = false;
  std::string data;
  int64_t mtime = 0;     // Unix seconds
  uint16_t mode = 0644;  // Unix permission bits
};

// A member's level-2 header. method is "-lh5-", "-lh0-" or "-lhd-".
std::string memberHeader(const std::string& name, bool isFolder, const char* method,
                         uint32_t packedSize, uint32_t size, uint16_t crc, int64_t mtime,
                         uint16_t mode);

// One member: header followed by its (compressed) data.
std::string encodeMember(const ArchiveMember& member);

// A whole archive: the members and the end mark.
std::string encodeArchive(const std::vector<ArchiveMember>& members);

}  // namespace nv::lzh
