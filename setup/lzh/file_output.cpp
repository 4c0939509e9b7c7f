#include "setup/lzh/file_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/paths.h"
#include "setup/lzh/archiver_codes.h"
#include "setup/lzh/lzh_header.h"

namespace nv::lzh {
namespace {
constexpr size_t kBufferBytes = 256 * 1024;
}

FileOutput::FileOutput(const std::string& cp932Target) : target_(toFsPath(cp932Target).native()) {
  const size_t slash = target_.rfind('/');
  const std::string folder =
      slash == std::string::npos ? std::string() : target_.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? target_ : target_.substr(slash + 1);
  temp_ = folder + "." + name + ".XXXXXX";
  fd_ = ::mkostemp(temp_.data(), O_CLOEXEC);
  buffer_.reserve(kBufferBytes);
}

FileOutput::~FileOutput() {
  if (fd_ >= 0) {
    ::close(fd_);
    ::unlink(temp_.c_str());
  }
}

void FileOutput::drain() {
  const char* p = buffer_.data();
  size_t n = buffer_.size();
  while (n > 0 && !failed_) {
    ssize_t w = ::write(fd_, p, n);
    if (w < 0 && errno == EINTR) continue;
    if (w <= 0)
      failed_ = true;
    else {
      p += w;
      n -= static_cast<size_t>(w);
    }
  }
  buffer_.clear();
}

void FileOutput::write(const void* data, size_t size) {
  if (!ok()) return;
  buffer_.append(static_cast<const char*>(data), size);
  if (buffer_.size() >= kBufferBytes) drain();
}

void FileOutput::copyFrom(ByteSource& source, uint64_t offset, uint64_t size) {
  char chunk[64 * 1024];
  while (size > 0 && ok()) {
    const size_t want = static_cast<size_t>(std::min<uint64_t>(size, sizeof chunk));
    const size_t got = source.readAt(offset, chunk, want);
    if (got != want) failed_ = true;
    write(chunk, got);
    offset += got;
    size -= got;
  }
}

int FileOutput::commit(unsigned mode) {
  if (fd_ < 0) return kWriteError;
  drain();
  const bool good = !failed_ && ::fchmod(fd_, mode) == 0 && ::fsync(fd_) == 0;
  const bool closed = ::close(fd_) == 0;
  fd_ = -1;
  if (!good || !closed || ::rename(temp_.c_str(), target_.c_str()) != 0) {
    ::unlink(temp_.c_str());
    return kWriteError;
  }
  return 0;
}

}  // namespace nv::lzh
