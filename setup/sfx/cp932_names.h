#pragma once
// Member names of the self-extracting program as file-system names (UTF-8), from a table made
// at build time by the installer's own conversion: no conversion library at run time.
#include <string>

namespace nv::sfx {

// CP932 -> UTF-8 as the installer converts names; bytes that are no CP932 give U+FFFD.
std::string cp932NameToUtf8(const std::string& cp932);

}  // namespace nv::sfx
