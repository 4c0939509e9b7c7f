#pragma once
// A flat grey progressive JPEG whose DC and single-coefficient AC bands are refined bit by bit:
// `scans` scans (at most 704), each a pass over the whole picture. It makes a JPEG reader do
// scans x pixels of work from a small file.
#include <string>

namespace nvtest {

std::string progressiveGreyJpeg(int width, int height, int scans);

}  // namespace nvtest
