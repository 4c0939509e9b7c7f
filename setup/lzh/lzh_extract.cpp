#include "setup/lzh/lzh_extract.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <set>

extern "C" {
#include <lhasa.h>
}

#include "setup/lzh/archiver_codes.h"
#include "setup/lzh/safe_remove.h"

namespace nv::lzh {

const char kWorkFolderPrefix[] = ".nvsetup-work-";
const char kInstallerNamePrefix[] = ".nvsetup-";

namespace {

constexpr size_t kCacheBytes = 64 * 1024;
constexpr size_t kOutputBytes = 64 * 1024;
// What a decoder may still give once the member's packed bytes have run out: the codes in its
// bit buffer and the block in hand. Past that it decodes padding, and a crafted header that
// claims gigabytes would fill the disk from a few bytes.
constexpr uint64_t kOutputAfterEndBytes = 1024 * 1024;
constexpr char kSfxMagic[8] = {'N', 'V', 'S', 'F', 'X', 'A', 'R', '1'};
constexpr size_t kSfxTrailerBytes = 16;

struct Fd {
  int fd = -1;
  Fd() = default;
  explicit Fd(int f) : fd(f) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() {
    if (fd >= 0) ::close(fd);
  }
};

ssize_t preadFully(int fd, void* buf, size_t n, uint64_t at) {
  for (;;) {
    ssize_t r = ::pread(fd, buf, n, static_cast<off_t>(at));
    if (r >= 0 || errno != EINTR) return r;
  }
}

bool writeAll(int fd, const uint8_t* p, size_t n) {
  while (n > 0) {
    ssize_t w = ::write(fd, p, n);
    if (w < 0 && errno == EINTR) continue;
    if (w <= 0) return false;
    p += w;
    n -= static_cast<size_t>(w);
  }
  return true;
}

struct Feed {
  ByteSource* source;
  uint64_t pos;
  uint64_t end;
  bool ranOut = false;  // asked for more after the packed bytes ended
};

size_t feed(void* buf, size_t len, void* user) {
  auto* f = static_cast<Feed*>(user);
  const size_t n = static_cast<size_t>(std::min<uint64_t>(len, f->end - f->pos));
  const size_t got = n ? f->source->readAt(f->pos, buf, n) : 0;
  f->pos += got;
  if (got == 0) f->ranOut = true;
  return got;
}

// A relative path (CP932 and native side by side) of a folder or a file to place.
struct Placed {
  std::string cp932;
  std::string native;
  uint16_t mode = 0;
};

std::string parentOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace

void removeStaleWork(int targetFd, dev_t device) {
  std::vector<std::string> stale;
  int dup = ::dup(targetFd);
  if (dup < 0) return;
  DIR* d = ::fdopendir(dup);
  if (!d) {
    ::close(dup);
    return;
  }
  while (dirent* e = ::readdir(d))
    if (std::strncmp(e->d_name, kWorkFolderPrefix, sizeof kWorkFolderPrefix - 1) == 0)
      stale.push_back(e->d_name);
  ::closedir(d);
  for (const std::string& name : stale) {
    struct stat st;
    if (::fstatat(targetFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode))
      removeTreeAt(targetFd, name, device);
  }
}

int openRegularFile(const std::string& path, uint64_t& size) {
  int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat st;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return -1;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  size = static_cast<uint64_t>(st.st_size);
  return fd;
}

FileSource::FileSource(const std::string& nativePath) {
  fd_ = openRegularFile(nativePath, size_);
  if (fd_ >= 0) cache_.resize(kCacheBytes);
}

FileSource::~FileSource() {
  if (fd_ >= 0) ::close(fd_);
}

size_t FileSource::readAt(uint64_t pos, void* buf, size_t n) {
  if (fd_ < 0 || pos >= size_) return 0;
  n = static_cast<size_t>(std::min<uint64_t>(n, size_ - pos));
  auto* out = static_cast<uint8_t*>(buf);
  size_t done = 0;
  while (done < n) {
    const uint64_t at = pos + done;
    if (at >= cacheAt_ && at < cacheAt_ + cacheLength_) {
      const size_t k =
          static_cast<size_t>(std::min<uint64_t>(n - done, cacheAt_ + cacheLength_ - at));
      std::memcpy(out + done, cache_.data() + (at - cacheAt_), k);
      done += k;
      continue;
    }
    if (n - done >= kCacheBytes) {
      ssize_t r = preadFully(fd_, out + done, n - done, at);
      if (r <= 0) break;
      done += static_cast<size_t>(r);
      continue;
    }
    ssize_t r = preadFully(fd_, cache_.data(), kCacheBytes, at);
    if (r <= 0) break;
    cacheAt_ = at;
    cacheLength_ = static_cast<size_t>(r);
  }
  return done;
}

bool canDecode(const std::string& method) {
  if (method == "-lhd-") return true;
  std::string name = method;
  return lha_decoder_for_name(name.data()) != nullptr;
}

int decodeMember(ByteSource& source, const MemberHeader& member,
                 const std::function<bool(const uint8_t*, size_t)>& sink) {
  std::string method = member.method;
  LHADecoderType* type = lha_decoder_for_name(method.data());
  if (!type) return kUnknownMethod;
  Feed f{&source, member.dataOffset, member.dataOffset + member.packedSize};
  LHADecoder* decoder = lha_decoder_new(type, feed, &f, static_cast<size_t>(member.size));
  if (!decoder) return kReadError;
  std::unique_ptr<uint8_t[]> buf(new uint8_t[kOutputBytes]);  // not cleared: written before read
  uint64_t total = 0, afterEnd = 0;
  int code = 0;
  for (;;) {
    const size_t n = lha_decoder_read(decoder, buf.get(), kOutputBytes);
    if (n == 0) break;
    total += n;
    if (f.ranOut && (afterEnd += n) > kOutputAfterEndBytes) {
      code = kBrokenMember;
      break;
    }
    if (!sink(buf.get(), n)) {
      code = kWriteError;
      break;
    }
  }
  const uint16_t crc = lha_decoder_get_crc(decoder);
  lha_decoder_free(decoder);
  if (code) return code;
  if (total != member.size) return kBrokenMember;
  if (crc != member.crc) return kChecksum;
  return 0;
}

Extraction extractTo(ByteSource& source, uint64_t start, const std::string& nativeFolder,
                     NativeName toNative, const BeforePlacing& beforePlacing) {
  Extraction x;
  std::vector<MemberHeader> members;
  if ((x.code = indexArchive(source, start, members)) != 0) return x;
  for (const MemberHeader& m : members) {
    const bool unnamedFile = !m.isFolder && m.name.empty();
    // Control characters (a line break) have no place in a file name.
    const bool control = std::any_of(m.name.begin(), m.name.end(),
                                     [](char c) { return static_cast<unsigned char>(c) < 0x20; });
    // The installer's record and work folders are never taken from an archive.
    const bool ours = m.name.rfind(kInstallerNamePrefix, 0) == 0;
    if (m.isLink || unnamedFile || control || ours ||
        (!m.name.empty() && !isSafeMemberName(m.name)))
      x.refused.push_back(m.name.empty() ? m.rawName : m.name);
  }
  if (!x.refused.empty()) {
    x.code = kBadName;
    return x;
  }
  for (const MemberHeader& m : members)
    if (!canDecode(m.method)) {
      x.code = kUnknownMethod;
      return x;
    }

  // The target, and a work folder inside it (the same file system, so renames move).
  std::error_code ec;
  const std::filesystem::path folderPath(nativeFolder);
  const bool existed = std::filesystem::exists(folderPath, ec);
  if (!existed) std::filesystem::create_directories(folderPath, ec);
  Fd target(::open(nativeFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  struct stat targetStat;
  if (target.fd < 0 || ::fstat(target.fd, &targetStat) != 0) {
    x.code = kCannotMakeFolder;
    return x;
  }
  x.madeFolder = !existed;
  const dev_t device = targetStat.st_dev;
  // Another extraction into this folder (a second installer) finishes first: its work folder
  // is not stale, and the record is extended by one at a time. Where the file system has no
  // locks, it goes on without.
  while (::flock(target.fd, LOCK_EX) != 0 && errno == EINTR) {
  }
  removeStaleWork(target.fd, device);
  std::string work = (folderPath / (std::string(kWorkFolderPrefix) + "XXXXXX")).string();
  auto undoFolder = [&] {
    if (x.madeFolder) ::rmdir(nativeFolder.c_str());
  };
  // Every member is written whole before any is placed, so what the headers claim must fit
  // now: a few crafted bytes can decode to gigabytes, and would fill the disk before failing.
  uint64_t claimed = 0;
  for (const MemberHeader& m : members)
    if (!m.isFolder) claimed += m.size;
  if (struct statvfs vfs;
      ::fstatvfs(target.fd, &vfs) == 0 && vfs.f_frsize > 0 && vfs.f_blocks > 0 &&
      claimed / vfs.f_frsize > (::geteuid() == 0 ? vfs.f_bfree : vfs.f_bavail)) {
    undoFolder();
    x.code = kDiskFull;
    return x;
  }
  if (!::mkdtemp(work.data())) {
    undoFolder();
    x.code = kCannotMakeWorkFile;
    return x;
  }
  const std::string workName = work.substr(work.rfind('/') + 1);
  Fd workFd(::openat(target.fd, workName.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
  auto fail = [&](int code) {
    removeTreeAt(target.fd, workName, device);
    undoFolder();
    x.code = code;
    x.files.clear();
    x.folders.clear();
    return x;
  };
  if (workFd.fd < 0) return fail(kCannotMakeWorkFile);

  // 1. Every member into the work folder.
  std::vector<Placed> folders, files;
  std::set<std::string> folderSeen, fileSeen;
  auto needFolder = [&](const std::string& cp932, const std::string& native, uint16_t mode) {
    if (!folderSeen.insert(native).second) {
      for (Placed& f : folders)
        if (f.native == native && mode) f.mode = mode;
      return true;
    }
    folders.push_back({cp932, native, mode});
    return ::mkdirat(workFd.fd, native.c_str(), 0700) == 0 || errno == EEXIST;
  };
  // The folders above a path, shortest first: the CP932 and native parts line up, as no
  // character of either spelling holds a '/' but the separator itself.
  auto needParents = [&](const std::string& cp932, const std::string& native) {
    size_t c = 0, n = 0;
    while ((c = cp932.find('/', c)) != std::string::npos &&
           (n = native.find('/', n)) != std::string::npos) {
      if (!needFolder(cp932.substr(0, c), native.substr(0, n), 0)) return false;
      ++c;
      ++n;
    }
    return true;
  };
  for (const MemberHeader& m : members) {
    if (m.name.empty()) continue;  // the archive's own root
    const std::string native = toNative(m.name);
    if (!needParents(m.name, native)) return fail(kCannotMakeFolder);
    if (m.isFolder) {
      if (!needFolder(m.name, native, m.mode)) return fail(kCannotMakeFolder);
      continue;
    }
    int fd = ::openat(workFd.fd, native.c_str(),
                      O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return fail(kCannotOpenFile);
    bool full = false;  // a full disk is told as such, not as a bare write error
    int code = decodeMember(source, m, [fd, &full](const uint8_t* p, size_t n) {
      if (writeAll(fd, p, n)) return true;
      full = errno == ENOSPC || errno == EDQUOT;
      return false;
    });
    if (code == kWriteError && full) code = kDiskFull;
    // Never writable by others: a program they could replace would run as whoever starts it.
    const mode_t mode = (m.mode & 0777) ? ((m.mode & 0775) | 0400) : 0644;
    ::fchmod(fd, mode);
    const struct timespec times[2] = {{static_cast<time_t>(m.mtime), 0},
                                      {static_cast<time_t>(m.mtime), 0}};
    ::futimens(fd, times);
    if (::close(fd) != 0 && code == 0)
      code = errno == ENOSPC || errno == EDQUOT ? kDiskFull : kWriteError;
    if (code) return fail(code);
    if (fileSeen.insert(native).second) files.push_back({m.name, native, 0});
  }

  // 2. Check that every place is free or holds what may be replaced, before moving anything.
  std::set<std::string> newFolders;
  for (const Placed& f : folders) {
    if (newFolders.count(parentOf(f.native))) {
      newFolders.insert(f.native);
      continue;
    }
    struct stat st;
    if (::fstatat(target.fd, f.native.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
      if (errno != ENOENT) return fail(kCannotMakeFolder);
      newFolders.insert(f.native);
    } else if (!S_ISDIR(st.st_mode) || st.st_dev != device) {
      x.refused.push_back(f.cp932);
      return fail(kCannotMakeFolder);
    }
  }
  for (const Placed& f : files) {
    if (newFolders.count(parentOf(f.native))) continue;
    struct stat st;
    if (::fstatat(target.fd, f.native.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISDIR(st.st_mode)) {
      x.refused.push_back(f.cp932);
      return fail(kCannotOpenFile);
    }
  }

  if (beforePlacing) {
    Extraction planned;
    planned.madeFolder = x.madeFolder;
    for (const Placed& f : files) planned.files.push_back(f.cp932);
    for (const Placed& f : folders)
      if (newFolders.count(f.native)) planned.folders.push_back(f.cp932);
    if (int code = beforePlacing(planned)) return fail(code);
  }

  // 3. Move into place.
  std::vector<std::string> made;
  for (const Placed& f : folders) {
    if (!newFolders.count(f.native)) continue;
    const mode_t mode = (f.mode & 0777) ? ((f.mode & 0775) | 0700) : 0755;
    if (::mkdirat(target.fd, f.native.c_str(), mode) != 0) {
      for (auto it = made.rbegin(); it != made.rend(); ++it)
        ::unlinkat(target.fd, it->c_str(), AT_REMOVEDIR);
      return fail(kCannotMakeFolder);
    }
    ::fchmodat(target.fd, f.native.c_str(), mode, 0);
    made.push_back(f.native);
    x.folders.push_back(f.cp932);
  }
  for (const Placed& f : files) {
    if (::renameat(workFd.fd, f.native.c_str(), target.fd, f.native.c_str()) != 0) {
      // What moved stays listed, so an uninstall still finds it.
      removeTreeAt(target.fd, workName, device);
      x.code = kWriteError;
      return x;
    }
    x.files.push_back(f.cp932);
  }
  removeTreeAt(target.fd, workName, device);
  return x;
}

std::string sfxTrailer(uint64_t archiveOffset) {
  std::string t;
  for (int i = 0; i < 8; ++i) t.push_back(static_cast<char>((archiveOffset >> (8 * i)) & 0xFF));
  t.append(kSfxMagic, sizeof kSfxMagic);
  return t;
}

bool findAppendedArchiveNative(const std::string& nativePath, uint64_t& offset) {
  uint64_t size = 0;
  Fd fd(openRegularFile(nativePath, size));
  if (fd.fd < 0 || size < kSfxTrailerBytes) return false;
  unsigned char t[kSfxTrailerBytes];
  if (preadFully(fd.fd, t, sizeof t, size - kSfxTrailerBytes) != ssize_t(sizeof t) ||
      std::memcmp(t + 8, kSfxMagic, 8) != 0)
    return false;
  offset = 0;
  for (int i = 7; i >= 0; --i) offset = (offset << 8) | t[i];
  return offset + kSfxTrailerBytes < size;
}

}  // namespace nv::lzh
