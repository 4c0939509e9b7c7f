// The maker's snapshot file nvsetup.dat: whatever it holds, reading it never crashes, and a
// tree that reads writes back as the very same bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "setup/model/file_tree.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::unique_ptr<nv::setup::TBrCaFolder> tree = nv::setup::readSnapshot(bytes);
  if (!tree) return 0;
  const std::string again = nv::setup::writeSnapshot(*tree);
  std::unique_ptr<nv::setup::TBrCaFolder> back = nv::setup::readSnapshot(again);
  if (!back || nv::setup::writeSnapshot(*back) != again) __builtin_trap();
  return 0;
}
