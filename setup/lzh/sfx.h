#pragma once
// Self-extracting programs: the small extractor program with an archive appended and a
// trailer that says where the archive starts.
#include <cstdint>
#include <string>

namespace nv::lzh {

// Where the extractor program is taken from: set explicitly, else $NV_SFX_STUB, else
// "nvsfx" beside the running program.
std::string sfxStubPath();
void setSfxStubPath(const std::string& cp932Path);

// Writes stub + archive + trailer to output (mode 0755). 0 or an archiver code.
int makeSelfExtracting(const std::string& archivePath, const std::string& outputPath);

// The archive's offset inside a self-extracting program; false when the file has no trailer.
bool findAppendedArchive(const std::string& cp932Path, uint64_t& offset);

}  // namespace nv::lzh
