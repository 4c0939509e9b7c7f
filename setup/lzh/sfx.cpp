#include "setup/lzh/sfx.h"

#include <cstdlib>

#include "platform/files.h"
#include "platform/paths.h"
#include "setup/lzh/archiver_codes.h"
#include "setup/lzh/file_output.h"
#include "setup/lzh/lzh_extract.h"

namespace nv::lzh {
namespace {
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
  FileSource archive(toFsPath(archivePath).native());
  if (!archive.isOpen()) return kCannotOpenArchive;
  FileSource stub(toFsPath(sfxStubPath()).native());
  if (!stub.isOpen()) return kFileNotFound;
  FileOutput out(outputPath);
  out.copyFrom(stub, 0, stub.size());
  out.copyFrom(archive, 0, archive.size());
  out.write(sfxTrailer(stub.size()));
  return out.commit(0755);
}

bool findAppendedArchive(const std::string& cp932Path, uint64_t& offset) {
  return findAppendedArchiveNative(toFsPath(cp932Path).native(), offset);
}

}  // namespace nv::lzh
