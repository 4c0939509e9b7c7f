// The archiver's command lines and response files: any text splits and parses without a
// crash, and words put in quotes split back as themselves.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "setup/lzh/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> words = nv::lzh::splitCommandLine(text);
  nv::lzh::ResponseFile response;
  nv::lzh::parseResponseFile(text, response);
  for (const nv::lzh::AddItem& item : response.items)
    if (item.path.size() < item.name.size()) __builtin_trap();

  // Every word quoted and joined: the same words come back (a word holds no quote by now).
  std::string line;
  for (const std::string& w : words) line += (line.empty() ? "\"" : " \"") + w + "\"";
  if (nv::lzh::splitCommandLine(line) != words) __builtin_trap();
  return 0;
}
