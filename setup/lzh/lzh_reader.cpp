#include "setup/lzh/lzh_reader.h"

#include "platform/paths.h"
#include "setup/lzh/archiver_codes.h"
#include "setup/lzh/lzh_extract.h"

namespace nv::lzh {
namespace {
std::string nativeName(const std::string& cp932) { return toFsPath(cp932).native(); }
}  // namespace

int indexArchiveFile(const ArchiveSource& source, std::vector<MemberHeader>& members) {
  FileSource file(nativeName(source.path));
  if (!file.isOpen()) return kCannotOpenArchive;
  return indexArchive(file, source.offset, members);
}

ReadResult listArchive(const ArchiveSource& source, std::vector<MemberInfo>& members) {
  ReadResult r;
  std::vector<MemberHeader> headers;
  r.code = indexArchiveFile(source, headers);
  for (const MemberHeader& h : headers)
    members.push_back({h.name, h.method, h.size, h.isFolder, h.isLink});
  return r;
}

ReadResult extractArchive(const ArchiveSource& source, const std::string& folder,
                          const BeforePlacing& beforePlacing) {
  ReadResult r;
  FileSource file(nativeName(source.path));
  if (!file.isOpen()) {
    r.code = kCannotOpenArchive;
    return r;
  }
  Extraction x = extractTo(file, source.offset, nativeName(folder), nativeName, beforePlacing);
  r.code = x.code;
  r.refused = std::move(x.refused);
  r.files = std::move(x.files);
  r.folders = std::move(x.folders);
  r.madeFolder = x.madeFolder;
  for (const std::string& f : r.files) r.written.push_back(joinPath(folder, f));
  return r;
}

}  // namespace nv::lzh
