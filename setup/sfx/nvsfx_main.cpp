// The self-extracting program: extracts the archive appended to itself into the folder given
// after -n, or beside itself. It needs nothing but the C library (liblhasa and the C++ library
// are linked in, names are converted by a table), so it runs wherever it is copied.
#include <cstdio>
#include <filesystem>
#include <string>

#include "setup/lzh/archiver_codes.h"
#include "setup/lzh/lzh_extract.h"
#include "setup/sfx/cp932_names.h"

namespace {
void report(const std::string& what, int code) {
  const char* text = nv::lzh::archiverCodeTextUtf8(code);
  if (text)
    std::fprintf(stderr, "%s%s\n", what.c_str(), text);
  else
    std::fprintf(stderr, "%sERR=%08x\n", what.c_str(), unsigned(code & 0xFFFF));
}
}  // namespace

int main(int argc, char** argv) {
  std::error_code ec;
  const std::string self = std::filesystem::read_symlink("/proc/self/exe", ec).string();
  std::string folder = self.substr(0, self.rfind('/') + 1);
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "-n" && i + 1 < argc) {
      folder = argv[++i];
    } else if (a.rfind("-n", 0) == 0 && a.size() > 2) {
      folder = a.substr(2);
    } else {
      std::fprintf(stderr, "usage: %s [-n FOLDER]\n", argv[0]);
      return 2;
    }
  }
  uint64_t offset = 0;
  if (!nv::lzh::findAppendedArchiveNative(self, offset)) {
    report("", nv::lzh::kNotArchive);
    return 1;
  }
  nv::lzh::FileSource source(self);
  nv::lzh::Extraction x = nv::lzh::extractTo(source, offset, folder, nv::sfx::cp932NameToUtf8);
  for (const std::string& name : x.refused) report(nv::sfx::cp932NameToUtf8(name) + ": ", x.code);
  if (x.code) {
    report("", x.code);
    return 1;
  }
  return 0;
}
