#pragma once
// Whole-file reads, atomic replacement, and the line reading of the CSV importers.
#include <cstdint>
#include <string>
#include <string_view>

namespace nv {

// No data file of the program comes near this; anything larger is not one of them.
constexpr uint64_t kMaxDataFileBytes = uint64_t(256) << 20;

// Reads a whole regular file. False when it cannot be opened or read, is not a regular file
// (a FIFO, a device) or holds more than maxBytes.
bool readFile(std::string_view cp932Path, std::string& out, uint64_t maxBytes = kMaxDataFileBytes);
// The first `count` bytes (fewer when the file is shorter) of a regular file, without waiting
// on a FIFO: a header, read without loading the file.
bool readFileStart(std::string_view cp932Path, size_t count, std::string& out);

enum class SaveStatus {
  Ok,
  ReadOnly,  // the file is write-protected: refused, as an editor does, and left unchanged
  Failed,    // anything else (no such folder, full disk, ...): the old file is unchanged
};

// Replaces the file atomically: a temporary file beside it is written, flushed and renamed
// over it, so a crash or a full disk never leaves a half-written file where a good one was.
// The temporary file has no name until it is complete, where the file system allows. A
// symbolic link is saved through: its target is replaced and the link kept. A write-protected
// file, and anything under the name that is no regular file, is never replaced. Temporaries an
// interrupted save left beside the file are removed. In a folder that takes no new files, a
// writable file is rewritten in place, and its old contents (held in memory) written back when that
// fails.
SaveStatus saveFile(std::string_view cp932Path, std::string_view bytes);
inline bool writeFileAtomic(std::string_view cp932Path, std::string_view bytes) {
  return saveFile(cp932Path, bytes) == SaveStatus::Ok;
}
// Why a save failed, for a line under the file's name in a message (UTF-8; empty for Ok and
// for a failure without a reason of its own).
const char* saveStatusText(SaveStatus status);
// The text of a failed save's message (CP932): the path, and the reason on a line of its own
// when there is one.
std::string saveFailureText(std::string_view cp932Path, SaveStatus status);

bool removeFile(std::string_view cp932Path);

// Reads lines as the classic C text-mode line call does with a buffer of bufferSize bytes:
// each call yields at most bufferSize-1 bytes, through the line feed when one comes first.
// Text mode: a CR directly before a LF is dropped, as the original platform did.
class TextLineReader {
 public:
  TextLineReader(std::string_view data, size_t bufferSize);
  bool next(std::string& line);
  // Bytes consumed so far (the "file position" the progress windows show).
  size_t position() const { return pos_; }
  size_t size() const { return data_.size(); }

 private:
  std::string data_;
  size_t bufferSize_;
  size_t pos_ = 0;
};

}  // namespace nv
