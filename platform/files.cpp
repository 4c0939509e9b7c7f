#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>

#include "platform/paths.h"

namespace nv {

bool readFile(std::string_view cp932Path, std::string& out, uint64_t maxBytes) {
  out.clear();
  // Non-blocking, so that a FIFO named as a data file cannot hold the program at open().
  const int fd = ::open(toFsPath(cp932Path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  // Only regular files: a FIFO never ends and /dev/zero would be read up to the cap.
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || uint64_t(st.st_size) > maxBytes) {
    ::close(fd);
    return false;
  }
  out.reserve(size_t(st.st_size));
  char buf[65536];
  bool ok = true;
  for (;;) {
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      ok = false;
      break;
    }
    if (n == 0) break;
    if (out.size() + size_t(n) > maxBytes) {
      ok = false;
      break;
    }
    out.append(buf, size_t(n));
  }
  ::close(fd);
  if (!ok) out.clear();
  return ok;
}

namespace {

// The file a save goes to: a symbolic link is followed to its target (also a dangling one),
// so that a data file linked to a shared folder is updated there and the link stays.
std::filesystem::path saveTarget(std::filesystem::path target) {
  std::error_code ec;
  for (int hops = 0; hops < 40 && std::filesystem::is_symlink(target, ec); ++hops) {
    std::filesystem::path next = std::filesystem::read_symlink(target, ec);
    if (ec) break;
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
  return target;
}

bool writeAll(int fd, std::string_view bytes) {
  const char* p = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    left -= size_t(n);
  }
  return true;
}

// Writes, flushes and gives the file the replaced file's mode (or a new file's).
bool fillTemporary(int fd, const std::filesystem::path& target, std::string_view bytes) {
  bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0) {
    ::fchmod(fd, old.st_mode & 07777);
  } else {
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
  }
  return ok;
}

std::string temporaryName(const std::filesystem::path& folder,
                          const std::filesystem::path& target) {
  return (folder / ("." + target.filename().string() + ".XXXXXX")).string();
}

// An unnamed file in the folder, given a name only once it is complete: a crash while
// writing leaves nothing behind. -1 when the file system has no unnamed files.
int unnamedTemporary(const std::filesystem::path& folder) {
#ifdef O_TMPFILE
  return ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
#else
  (void)folder;
  return -1;
#endif
}

// Gives the complete unnamed file a unique temporary name beside the target.
bool nameTemporary(int fd, const std::filesystem::path& folder, const std::filesystem::path& target,
                   std::string& name) {
  const std::string procPath = "/proc/self/fd/" + std::to_string(fd);
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = temporaryName(folder, target);
    static const char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (size_t i = name.size() - 6; i < name.size(); ++i) name[i] = kChars[random() % 62];
    if (::linkat(AT_FDCWD, procPath.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
      return true;
    if (errno != EEXIST) return false;
  }
  return false;
}

}  // namespace

bool writeFileAtomic(std::string_view cp932Path, std::string_view bytes) {
  const std::filesystem::path target = saveTarget(toFsPath(cp932Path));
  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  std::string tmpl;
  bool named = false;
  if (int fd = unnamedTemporary(folder); fd >= 0) {
    const bool filled = fillTemporary(fd, target, bytes);
    named = filled && nameTemporary(fd, folder, target, tmpl);
    if (::close(fd) != 0 && named) {
      std::remove(tmpl.c_str());
      return false;
    }
    if (!filled) return false;
  }
  if (!named) {
    // No unnamed files here (an older kernel, some network file systems, no /proc): a named
    // temporary file as before.
    tmpl = temporaryName(folder, target);
    int fd = mkstemp(tmpl.data());
    if (fd < 0) return false;
    bool ok = fillTemporary(fd, target, bytes);
    if (::close(fd) != 0) ok = false;
    if (!ok) {
      std::remove(tmpl.c_str());
      return false;
    }
  }
  if (std::rename(tmpl.c_str(), target.c_str()) != 0) {
    std::remove(tmpl.c_str());
    return false;
  }
  return true;
}

bool removeFile(std::string_view cp932Path) {
  std::error_code ec;
  return std::filesystem::remove(toFsPath(cp932Path), ec);
}

TextLineReader::TextLineReader(std::string_view data, size_t bufferSize)
    : bufferSize_(bufferSize < 2 ? 2 : bufferSize) {
  data_.reserve(data.size());
  for (size_t i = 0; i < data.size(); ++i) {
    if (data[i] == '\r' && i + 1 < data.size() && data[i + 1] == '\n') continue;
    data_.push_back(data[i]);
  }
}

bool TextLineReader::next(std::string& line) {
  line.clear();
  if (pos_ >= data_.size()) return false;
  size_t limit = bufferSize_ - 1;
  size_t end = data_.find('\n', pos_);
  size_t take = end == std::string::npos ? data_.size() - pos_ : end - pos_ + 1;
  if (take > limit) take = limit;
  line.assign(data_, pos_, take);
  pos_ += take;
  return true;
}

}  // namespace nv
