// The archive's member headers and data in memory, without touching the disk: every header up
// to the end mark is checked, every name normalised, every member decoded into nothing.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "setup/lzh/lzh_extract.h"
#include "setup/lzh/lzh_header.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  nv::lzh::MemorySource source(data, size);
  std::vector<nv::lzh::MemberHeader> members;
  nv::lzh::indexArchive(source, 0, members);
  for (const nv::lzh::MemberHeader& m : members) {
    if (m.dataOffset + m.packedSize > size) __builtin_trap();
    if (!m.name.empty() && (m.name.front() == '/' || m.name.back() == '/')) __builtin_trap();
    // A decoder writes at most what the header says; here it is stopped after 1 MiB, as
    // small inputs claiming huge members would only measure the decoder's speed.
    if (m.isFolder) continue;
    uint64_t written = 0;
    nv::lzh::decodeMember(source, m, [&](const uint8_t*, size_t n) {
      written += n;
      if (written > m.size) __builtin_trap();
      return written < (1u << 20);
    });
  }
  return 0;
}
