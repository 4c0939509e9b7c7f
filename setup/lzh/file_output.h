#pragma once
// Writing a large file in pieces and putting it in place at once: the bytes go to a hidden
// temporary file beside the target, which replaces the target only when everything was
// written and flushed. Nothing is left behind on failure.
#include <cstdint>
#include <string>

namespace nv::lzh {

class ByteSource;

class FileOutput {
 public:
  explicit FileOutput(const std::string& cp932Target);
  ~FileOutput();
  FileOutput(const FileOutput&) = delete;
  FileOutput& operator=(const FileOutput&) = delete;

  bool ok() const { return fd_ >= 0 && !failed_; }
  void write(const void* data, size_t size);
  void write(const std::string& bytes) { write(bytes.data(), bytes.size()); }
  // Copies `size` bytes from `offset` of a source.
  void copyFrom(ByteSource& source, uint64_t offset, uint64_t size);
  // Flushes, sets the permission bits and renames over the target. 0 or kWriteError.
  int commit(unsigned mode = 0644);

 private:
  void drain();
  std::string target_, temp_;
  int fd_ = -1;
  bool failed_ = false;
  std::string buffer_;
};

}  // namespace nv::lzh
