#pragma once
// How a conversion puts its output beside the teacher's files without destroying them: an
// output is never one of the inputs, and a data file it replaces is kept as "<name>.bak".
#include <initializer_list>
#include <string>
#include <string_view>

#include "platform/result.h"

namespace nv {

// True when both paths name one existing file (the same device and inode), however spelt:
// "./a.csv", a hard link, a symbolic link.
bool sameFile(std::string_view a, std::string_view b);

// A failure, with a box naming the output, when an output is the same file as an input: the
// conversion would empty or overwrite its own source before reading it. Empty paths are
// skipped.
Result outputsAreNotInputs(std::initializer_list<std::string_view> inputs,
                           std::initializer_list<std::string_view> outputs);

// True when a text output (a CSV, a report) may replace what is at `path`: nothing yet, or a
// regular file without a NUL byte. The program's data files, pictures and programs all hold
// NUL bytes, and a folder, FIFO or device is no file to replace.
bool textOutputMayReplace(std::string_view path);

// The backup kept of a data file that a conversion replaces: the path with ".bak" added.
std::string backupPathOf(std::string_view path);

// Replaces the data file at `path` with a conversion's output. A file already there is first
// copied to backupPathOf(path); when that copy cannot be made the file is left alone. Each
// failure carries a box with the path (and the reason for a write-protected file);
// writeFailedCaptionUtf8 is the caption of a failed write.
Result replaceKeepingBackup(std::string_view path, std::string_view bytes,
                            const char* writeFailedCaptionUtf8);

}  // namespace nv
