#pragma once
// The four-part file version of a program of ours: each carries the text
// "NVFILEVERSION=major.minor.release.build" (setup/stamp), the stand-in for a version resource.
#include <array>
#include <string>

namespace nv::setup {

// False when the file holds no version stamp.
bool readFileVersion(const std::string& cp932Path, std::array<long, 4>& version);
// The same for the file's bytes.
bool findFileVersion(const std::string& bytes, std::array<long, 4>& version);

}  // namespace nv::setup
