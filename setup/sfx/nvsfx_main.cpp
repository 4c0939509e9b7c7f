// The self-extracting program: extracts the archive appended to itself into the folder
// given after -n, or beside itself. No Qt, liblhasa linked in, so it runs when copied alone.
#include <cstdio>
#include <string>

#include "platform/paths.h"
#include "platform/text.h"
#include "setup/lzh/archiver_codes.h"
#include "setup/lzh/lzh_reader.h"
#include "setup/lzh/sfx.h"

int main(int argc, char** argv) {
  std::string self = nv::fromFsPath(std::filesystem::read_symlink("/proc/self/exe"));
  std::string folder = nv::folderOf(self);
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "-n" && i + 1 < argc) {
      folder = nv::pathFromNative(argv[++i]);
    } else if (a.rfind("-n", 0) == 0 && a.size() > 2) {
      folder = nv::pathFromNative(a.substr(2));
    } else {
      std::fprintf(stderr, "usage: %s [-n FOLDER]\n", argv[0]);
      return 2;
    }
  }
  uint64_t offset = 0;
  if (!nv::lzh::findAppendedArchive(self, offset)) {
    std::fprintf(stderr, "%s\n",
                 nv::cp932ToUtf8(nv::lzh::archiverResultText(nv::lzh::kNotArchive)).c_str());
    return 1;
  }
  nv::lzh::ReadResult r = nv::lzh::extractArchive({self, offset}, folder);
  for (const std::string& name : r.refused)
    std::fprintf(stderr, "%s: %s\n", nv::cp932ToUtf8(name).c_str(),
                 nv::cp932ToUtf8(nv::lzh::archiverResultText(nv::lzh::kBadName)).c_str());
  if (r.code) {
    std::fprintf(stderr, "%s\n", nv::cp932ToUtf8(nv::lzh::archiverResultText(r.code)).c_str());
    return 1;
  }
  return 0;
}
