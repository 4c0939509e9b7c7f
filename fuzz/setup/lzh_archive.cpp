// Lists and extracts arbitrary bytes as an archive into a scratch folder: no crash, nothing
// written outside it.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "setup/lzh/lzh_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string base = [] {
    std::string dir =
        (std::filesystem::temp_directory_path() / ("nv-fuzz-lzh-" + std::to_string(getpid())))
            .string();
    std::filesystem::create_directories(dir);
    return dir;
  }();
  std::string archive = base + "/in.lzh";
  std::string out = base + "/out";
  if (FILE* f = std::fopen(archive.c_str(), "wb")) {
    std::fwrite(data, 1, size, f);
    std::fclose(f);
  }
  std::vector<nv::lzh::MemberInfo> members;
  nv::lzh::listArchive({archive, 0}, members);
  // A few hundred bytes can truly decode to gigabytes that fit on the disk; writing them
  // would only measure the disk. Such archives are listed here and decoded by lzh_members.
  uint64_t claimed = 0;
  for (const nv::lzh::MemberInfo& m : members) claimed += m.size;
  if (claimed <= (uint64_t(64) << 20)) nv::lzh::extractArchive({archive, 0}, out);
  std::error_code ec;
  std::filesystem::remove_all(out, ec);
  return 0;
}
