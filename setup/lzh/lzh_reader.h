#pragma once
// Reading archives through liblhasa: listing, checking and extracting into a folder. No
// member is ever written outside the target folder: absolute names, ".." parts and symbolic
// links in the archive are refused and reported.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace nv::lzh {

struct ArchiveSource {
  std::string path;     // CP932
  uint64_t offset = 0;  // where the archive starts inside the file (self-extracting programs)
};

struct MemberInfo {
  std::string name;  // CP932, '/' separated; folders end without '/'
  std::string method;
  uint64_t size = 0;
  bool isFolder = false;
  bool isLink = false;
};

struct ReadResult {
  int code = 0;                      // 0, or the archiver code of the first failure
  std::vector<std::string> refused;  // members not extracted because of their names
  std::vector<std::string> written;  // files created (CP932 full paths)
};

// Lists the members. code 0 on success.
ReadResult listArchive(const ArchiveSource& source, std::vector<MemberInfo>& members);

// Calls `member` with each member's info and its whole data (folders with empty data).
// Used to carry members over when an archive is updated. Stops at the first failure.
ReadResult readArchive(const ArchiveSource& source,
                       const std::function<void(const MemberInfo&, const std::string& data,
                                                int64_t mtime, uint16_t mode)>& member);

// Extracts with the stored folders into `folder` (created when missing). Members with unsafe
// names are skipped and listed in `refused`, which makes the result kBadName; data that
// fails its CRC gives kChecksum and the broken file is removed.
ReadResult extractArchive(const ArchiveSource& source, const std::string& folder);

// True when the name stays inside its folder: relative, no "..", no empty result.
bool isSafeMemberName(const std::string& name);

}  // namespace nv::lzh
