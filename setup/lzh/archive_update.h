#pragma once
// The update command: an archive with files added or replaced. Files are read and compressed
// in pieces on several threads and written in order to a temporary file that replaces the
// archive at the end; members of an existing archive are copied as they are stored. Memory
// stays a few megabytes whatever the size of the files.
#include <string>
#include <vector>

#include "setup/lzh/command_line.h"

namespace nv::lzh {

// 0, or the archiver code of the first failure (the archive is then left as it was).
int updateArchive(const std::string& cp932Archive, const std::vector<AddItem>& items);

}  // namespace nv::lzh
