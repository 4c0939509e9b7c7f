#pragma once
// Reading archives by CP932 path: listing and extracting into a folder, all or nothing. No
// member is ever written outside the target folder: ".." parts and symbolic links in the
// archive are refused and reported; leading separators are dropped, as other archivers do.
#include <cstdint>
#include <string>
#include <vector>

#include "setup/lzh/lzh_extract.h"
#include "setup/lzh/lzh_header.h"

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
  std::vector<std::string> written;  // files placed (CP932 full paths)
  std::vector<std::string> files;    // the same, relative to the folder
  std::vector<std::string> folders;  // folders the extraction made, relative to the folder
  bool madeFolder = false;           // the folder itself did not exist before
};

// Lists the members. code 0 on success.
ReadResult listArchive(const ArchiveSource& source, std::vector<MemberInfo>& members);

// Extracts with the stored folders into `folder` (made when missing). Nothing is placed when
// a header, a name, a method or a member's data fails, or `beforePlacing` returns a code; the
// code says which.
ReadResult extractArchive(const ArchiveSource& source, const std::string& folder,
                          const BeforePlacing& beforePlacing = {});

// The member headers with their offsets (for copying members of an archive being updated).
int indexArchiveFile(const ArchiveSource& source, std::vector<MemberHeader>& members);

}  // namespace nv::lzh
