// Lists and extracts arbitrary bytes as an archive into a scratch folder: no crash, nothing
// written outside it.
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
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
    // A few hundred bytes can decode to gigabytes that do fit on the disk: such a file is
    // cut at 64 MiB (its write fails), or each one would only measure the disk's speed.
    const rlim_t most = rlim_t(64) << 20;
    const struct rlimit limit = {most, most};
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, SIG_IGN);
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
  nv::lzh::extractArchive({archive, 0}, out);
  std::error_code ec;
  std::filesystem::remove_all(out, ec);
  return 0;
}
