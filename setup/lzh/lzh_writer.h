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

// One member: header followed by its (compressed) data.
std::string encodeMember(const ArchiveMember& member);

// A whole archive: the members and the end mark.
std::string encodeArchive(const std::vector<ArchiveMember>& members);

// Reads a file or folder from the disk as a member named `name`. 0 on success, otherwise
// the archiver code (file not found, read error).
int loadMember(const std::string& cp932Path, const std::string& name, ArchiveMember& out);

}  // namespace nv::lzh
