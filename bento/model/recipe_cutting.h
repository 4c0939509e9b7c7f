#pragma once
// Which cutting methods a recipe's steps mention, found by a byte search over the stored
// CP932 text, and how wide their picture slots are.
#include <string>
#include <string_view>
#include <vector>

namespace nv {

// Position of the first occurrence of `needle` in `text` that starts on a character
// boundary, or npos. A Horspool search over the bytes: a byte match starting on the second
// byte of a two-byte character is not a match (it would find phrases not in the text).
size_t findCp932(std::string_view text, std::string_view needle);

// The methods the steps mention, each once, in the order of the phrase table.
std::vector<std::string> cuttingMethods(const std::vector<std::string>& steps);

// Slot size of the cutting pictures: 96, shrunk so that all fit into 332.
int cuttingSlotSize(size_t methods);

}  // namespace nv
