#include "platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>

#include "platform/paths.h"
#include "platform/text.h"

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

bool readFileStart(std::string_view cp932Path, size_t count, std::string& out) {
  out.clear();
  const int fd = ::open(toFsPath(cp932Path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  if (ok) {
    out.resize(count);
    size_t got = 0;
    while (got < count) {
      const ssize_t n = ::read(fd, out.data() + got, count - got);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        ok = n == 0;
        break;
      }
      got += size_t(n);
    }
    out.resize(ok ? got : 0);
  }
  ::close(fd);
  return ok;
}

namespace {

namespace fs = std::filesystem;

// The file a save goes to: a symbolic link is followed to its target (also a dangling one),
// so that a data file linked to a shared folder is updated there and the link stays.
fs::path saveTarget(fs::path target) {
  std::error_code ec;
  for (int hops = 0; hops < 40 && fs::is_symlink(target, ec); ++hops) {
    fs::path next = fs::read_symlink(target, ec);
    if (ec) break;
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
  return target;
}

bool writeAll(int fd, std::string_view bytes, off_t at = -1) {
  const char* p = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = at < 0 ? ::write(fd, p, left) : ::pwrite(fd, p, left, at);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    left -= size_t(n);
    if (at >= 0) at += n;
  }
  return true;
}

// Writes, flushes and gives the file the replaced file's mode (or a new file's).
bool fillTemporary(int fd, const fs::path& target, std::string_view bytes) {
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

constexpr char kTemporaryMark[] = ".~";
constexpr size_t kRandomChars = 6;

// ".<name>.~XXXXXX", the name cut (never inside a UTF-8 character) so that the temporary's
// name is no longer than the folder allows for names.
std::string temporaryPrefix(const fs::path& folder, const fs::path& target) {
  long most = ::pathconf(folder.c_str(), _PC_NAME_MAX);
  if (most <= 0) most = 255;
  std::string name = target.filename().string();
  const size_t extra = 1 + (sizeof kTemporaryMark - 1) + kRandomChars;
  const size_t room = size_t(most) > extra ? size_t(most) - extra : 0;
  if (name.size() > room) {
    size_t cut = room;
    while (cut > 0 && (uint8_t(name[cut]) & 0xC0) == 0x80) --cut;
    name.resize(cut);
  }
  return "." + name + kTemporaryMark;
}

bool isRandomPart(std::string_view s) {
  if (s.size() != kRandomChars) return false;
  for (char c : s)
    if (!std::isalnum(static_cast<unsigned char>(c))) return false;
  return true;
}

// A save killed between naming its temporary and renaming it leaves a complete hidden copy
// behind; the next save of the file removes such copies of our own naming.
void removeStaleTemporaries(const fs::path& folder, const std::string& prefix) {
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return;
  while (const dirent* e = ::readdir(dir)) {
    const std::string_view name = e->d_name;
    if (!name.starts_with(prefix) || !isRandomPart(name.substr(prefix.size()))) continue;
    const fs::path stale = folder / std::string(name);
    struct stat st {};
    if (::lstat(stale.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::unlink(stale.c_str());
  }
  ::closedir(dir);
}

std::string randomName(const fs::path& folder, const std::string& prefix) {
  static const char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::random_device random;
  std::string name = prefix;
  for (size_t i = 0; i < kRandomChars; ++i) name += kChars[random() % 62];
  return (folder / name).string();
}

// An unnamed file in the folder, given a name only once it is complete: a crash while
// writing leaves nothing behind. -1 when the file system has no unnamed files.
int unnamedTemporary(const fs::path& folder) {
#ifdef O_TMPFILE
  return ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
#else
  (void)folder;
  errno = EOPNOTSUPP;
  return -1;
#endif
}

// Gives the complete unnamed file a unique temporary name beside the target.
bool nameTemporary(int fd, const fs::path& folder, const std::string& prefix, std::string& name) {
  const std::string procPath = "/proc/self/fd/" + std::to_string(fd);
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = randomName(folder, prefix);
    if (::linkat(AT_FDCWD, procPath.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
      return true;
    if (errno != EEXIST) return false;
  }
  return false;
}

// A named temporary file, for file systems without unnamed ones.
int namedTemporary(const fs::path& folder, const std::string& prefix, std::string& name) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = randomName(folder, prefix);
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool isWriteProtected(const fs::path& target) {
  struct stat st {};
  if (::stat(target.c_str(), &st) != 0) return false;  // a new file
  // The mode counts even for the administrator, who may write anything.
  return (st.st_mode & 0222) == 0 || (::access(target.c_str(), W_OK) != 0 && errno == EACCES);
}

// A folder that takes no new files (a shared folder with only the file writable): the file
// is rewritten where it is. Its old contents are read whole first, so that a write that
// fails half-way (a full disk) can put them back.
SaveStatus rewriteInPlace(const fs::path& target, std::string_view bytes) {
  const int fd = ::open(target.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return SaveStatus::Failed;
  struct stat st {};
  std::string old;
  bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  if (ok) {
    old.resize(size_t(st.st_size));
    size_t got = 0;
    while (ok && got < old.size()) {
      const ssize_t n = ::pread(fd, old.data() + got, old.size() - got, off_t(got));
      if (n < 0 && errno == EINTR) continue;
      ok = n > 0;
      if (ok) got += size_t(n);
    }
  }
  if (!ok) {
    ::close(fd);
    return SaveStatus::Failed;
  }
  if (writeAll(fd, bytes, 0) && ::ftruncate(fd, off_t(bytes.size())) == 0 && ::fsync(fd) == 0) {
    ::close(fd);
    return SaveStatus::Ok;
  }
  if (writeAll(fd, old, 0) && ::ftruncate(fd, off_t(old.size())) == 0) ::fsync(fd);
  ::close(fd);
  return SaveStatus::Failed;
}

}  // namespace

SaveStatus saveFile(std::string_view cp932Path, std::string_view bytes) {
  const fs::path target = saveTarget(toFsPath(cp932Path));
  // Only a file is replaced: a FIFO, a device (/dev/full) or a folder under the name stays.
  struct stat existing {};
  if (::stat(target.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode))
    return SaveStatus::Failed;
  if (isWriteProtected(target)) return SaveStatus::ReadOnly;
  fs::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  const std::string prefix = temporaryPrefix(folder, target);
  removeStaleTemporaries(folder, prefix);
  std::string tmp;
  bool named = false;
  int fd = unnamedTemporary(folder);
  if (fd >= 0) {
    const bool filled = fillTemporary(fd, target, bytes);
    named = filled && nameTemporary(fd, folder, prefix, tmp);
    if (::close(fd) != 0 && named) {
      ::unlink(tmp.c_str());
      return SaveStatus::Failed;
    }
    if (!filled) return SaveStatus::Failed;
  }
  if (!named && fd < 0 && (errno == EACCES || errno == EPERM) &&
      ::access(target.c_str(), F_OK) == 0)
    return rewriteInPlace(target, bytes);
  if (!named) {
    // No unnamed files here (an older kernel, some network file systems, no /proc): a named
    // temporary file as before.
    fd = namedTemporary(folder, prefix, tmp);
    if (fd < 0) {
      const bool noRoom = errno == EACCES || errno == EPERM;
      return noRoom && ::access(target.c_str(), F_OK) == 0 ? rewriteInPlace(target, bytes)
                                                           : SaveStatus::Failed;
    }
    bool ok = fillTemporary(fd, target, bytes);
    if (::close(fd) != 0) ok = false;
    if (!ok) {
      ::unlink(tmp.c_str());
      return SaveStatus::Failed;
    }
  }
  if (::rename(tmp.c_str(), target.c_str()) != 0) {
    ::unlink(tmp.c_str());
    return SaveStatus::Failed;
  }
  return SaveStatus::Ok;
}

std::string saveFailureText(std::string_view cp932Path, SaveStatus status) {
  std::string text(cp932Path);
  if (*saveStatusText(status)) text += "\n" + sj(saveStatusText(status));
  return text;
}

const char* saveStatusText(SaveStatus status) {
  return status == SaveStatus::ReadOnly
             ? "上書きしようとしているファイルが書き込み禁止になっています。"
             : "";
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
