#pragma once
// Whole-file reads, atomic replacement, and the line reading of the CSV importers.
#include <cstdint>
#include <string>
#include <string_view>

namespace nv {

// Reads a whole file. False when it cannot be opened or read; maxBytes guards against
// reading a huge or endless file into memory.
bool readFile(std::string_view cp932Path, std::string& out, uint64_t maxBytes = uint64_t(1) << 31);

// Replaces the file atomically: a temporary file beside it is written, flushed and renamed
// over it, so a crash or a full disk never leaves a half-written file where a good one was.
bool writeFileAtomic(std::string_view cp932Path, std::string_view bytes);

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
