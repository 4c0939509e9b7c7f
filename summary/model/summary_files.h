#pragma once
// Which files a class summary reads: the saved menus and lunch boxes given one by one or found
// in the folders given, each once; and what keeps a file from being read at all.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "summary/model/class_summary.h"

namespace nv {

// A saved menu or lunch box is a few kilobytes; anything this large is not one.
constexpr uint64_t kMaxSavedFileBytes = uint64_t(4) << 20;

// The kind a file's extension names (.nvu / .nvub, in any case), or nothing.
std::optional<ChildKind> savedFileKind(const std::string& cp932Path);

// Why the file cannot be read (CP932): missing, not a regular file (a folder, a FIFO, a
// device), too large. Empty when it may be read. Never opens the file.
std::string savedFileProblem(const std::string& cp932Path);

struct ClassFiles {
  std::vector<std::string> files;          // CP932 paths to read, in order
  std::vector<UnreadableFile> unreadable;  // given or found, but not readable as either
};

// Files are taken as given; a folder gives its .nvu and .nvub entries (not its subfolders'),
// sorted by name with numbers in counting order. The same file named twice (or through two
// routes) is read once.
ClassFiles collectClassFiles(const std::vector<std::string>& cp932Paths);

// True when `output` is one of `inputs` (by any route): a summary never writes over what it read.
bool namesAnInput(const std::string& output, const std::vector<std::string>& inputs);

}  // namespace nv
