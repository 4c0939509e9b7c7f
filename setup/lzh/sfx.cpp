#include "setup/lzh/sfx.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/files.h"
#include "platform/paths.h"
#include "setup/lzh/archiver_codes.h"

namespace nv::lzh {
namespace {
constexpr char kMagic[8] = {'N', 'V', 'S', 'F', 'X', 'A', 'R', '1'};
constexpr size_t kTrailer = 16;  // offset (8 bytes, little-endian) + magic

std::string& stubOverride() {
  static std::string path;
  return path;
}
}  // namespace

std::string sfxStubPath() {
  if (!stubOverride().empty()) return stubOverride();
  if (const char* env = std::getenv("NV_SFX_STUB"); env && *env) return env;
  return joinPath(programFolder(), "nvsfx");
}

void setSfxStubPath(const std::string& cp932Path) { stubOverride() = cp932Path; }

int makeSelfExtracting(const std::string& archivePath, const std::string& outputPath) {
  std::string stub, archive;
  if (!fileExists(archivePath)) return kCannotOpenArchive;
  if (!readFile(archivePath, archive)) return kReadError;
  if (!readFile(sfxStubPath(), stub)) return kFileNotFound;
  std::string out = stub + archive;
  uint64_t offset = stub.size();
  for (int i = 0; i < 8; ++i) out.push_back(static_cast<char>((offset >> (8 * i)) & 0xFF));
  out.append(kMagic, sizeof kMagic);
  if (!writeFileAtomic(outputPath, out)) return kWriteError;
  ::chmod(toFsPath(outputPath).c_str(), 0755);
  return 0;
}

bool findAppendedArchive(const std::string& cp932Path, uint64_t& offset) {
  FILE* f = std::fopen(toFsPath(cp932Path).c_str(), "rb");
  if (!f) return false;
  unsigned char t[kTrailer];
  bool ok = std::fseek(f, -static_cast<long>(kTrailer), SEEK_END) == 0 &&
            std::fread(t, 1, kTrailer, f) == kTrailer && std::memcmp(t + 8, kMagic, 8) == 0;
  long size = ok ? std::ftell(f) : 0;
  std::fclose(f);
  if (!ok) return false;
  offset = 0;
  for (int i = 7; i >= 0; --i) offset = (offset << 8) | t[i];
  return offset + kTrailer < static_cast<uint64_t>(size);
}

}  // namespace nv::lzh
