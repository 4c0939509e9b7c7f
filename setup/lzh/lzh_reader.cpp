#include "setup/lzh/lzh_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

extern "C" {
#include <lhasa.h>
}

#include "platform/paths.h"
#include "setup/lzh/archiver_codes.h"
#include "setup/lzh/crc16.h"

namespace nv::lzh {
namespace {

struct FileStream {
  FILE* file = nullptr;
};

int streamRead(void* handle, void* buf, size_t len) {
  auto* s = static_cast<FileStream*>(handle);
  size_t n = std::fread(buf, 1, len, s->file);
  if (n == 0 && std::ferror(s->file)) return -1;
  return static_cast<int>(n);
}
int streamSkip(void* handle, size_t bytes) {
  auto* s = static_cast<FileStream*>(handle);
  return std::fseek(s->file, static_cast<long>(bytes), SEEK_CUR) == 0 ? 1 : 0;
}
void streamClose(void*) {}

const LHAInputStreamType kStreamType = {streamRead, streamSkip, streamClose};

// One open archive: file, stream and reader, freed together.
class Archive {
 public:
  int open(const ArchiveSource& source) {
    file_ = std::fopen(toFsPath(source.path).c_str(), "rb");
    if (!file_) return kCannotOpenArchive;
    if (std::fseek(file_, static_cast<long>(source.offset), SEEK_SET) != 0) return kReadError;
    int first = std::fgetc(file_);
    if (first == EOF) return kNotArchive;
    emptyArchive_ = first == 0;
    std::fseek(file_, static_cast<long>(source.offset), SEEK_SET);
    handle_.file = file_;
    stream_ = lha_input_stream_new(&kStreamType, &handle_);
    if (!stream_) return kReadError;
    reader_ = lha_reader_new(stream_);
    if (!reader_) return kReadError;
    lha_reader_set_dir_policy(reader_, LHA_READER_DIR_PLAIN);
    return 0;
  }
  ~Archive() {
    if (reader_) lha_reader_free(reader_);
    if (stream_) lha_input_stream_free(stream_);
    if (file_) std::fclose(file_);
  }
  LHAReader* reader() const { return reader_; }
  // An archive holding nothing but its end mark.
  bool empty() const { return emptyArchive_; }

 private:
  FILE* file_ = nullptr;
  FileStream handle_;
  LHAInputStream* stream_ = nullptr;
  LHAReader* reader_ = nullptr;
  bool emptyArchive_ = false;
};

MemberInfo infoOf(const LHAFileHeader* h) {
  MemberInfo info;
  std::string path = h->path ? h->path : "";
  std::string name = h->filename ? h->filename : "";
  info.isFolder = std::strcmp(h->compress_method, LHA_COMPRESS_TYPE_DIR) == 0;
  info.isLink = h->symlink_target != nullptr;
  info.name = path + name;
  while (!info.name.empty() && info.name.back() == '/') info.name.pop_back();
  info.method.assign(h->compress_method, strnlen(h->compress_method, 5));
  info.size = h->length;
  return info;
}

bool knownMethod(const std::string& m) {
  static const char* methods[] = {"-lh0-", "-lh1-", "-lh4-", "-lh5-", "-lh6-",
                                  "-lh7-", "-lz4-", "-lzs-", "-lz5-", "-lhd-"};
  for (const char* k : methods)
    if (m == k) return true;
  return false;
}

// Reads the current member's data, checking length and CRC. 0 or a code.
int readData(LHAReader* reader, const LHAFileHeader* h,
             const std::function<bool(const char*, size_t)>& sink) {
  std::vector<char> buf(64 * 1024);
  uint64_t total = 0;
  uint16_t crc = 0;
  for (;;) {
    size_t n = lha_reader_read(reader, buf.data(), buf.size());
    if (n == 0) break;
    total += n;
    crc = crc16(buf.data(), n, crc);
    if (!sink(buf.data(), n)) return kWriteError;
  }
  if (total != h->length) return kBrokenMember;
  if (crc != h->crc) return kChecksum;
  return 0;
}

int64_t mtimeOf(const LHAFileHeader* h) { return static_cast<int64_t>(h->timestamp); }
uint16_t modeOf(const LHAFileHeader* h, bool folder) {
  if (LHA_FILE_HAVE_EXTRA(h, LHA_FILE_UNIX_PERMS))
    return static_cast<uint16_t>(h->unix_perms & 0777);
  return folder ? 0755 : 0644;
}

enum class Made { Ok, Unsafe, Failed };

// Creates each missing folder of `relative` under base; a part that exists as anything but a
// real folder (a link planted in the target, a file) makes the member unsafe.
Made makeFolders(const std::string& base, const std::string& relative) {
  std::string path = base;
  size_t start = 0;
  while (start <= relative.size()) {
    size_t slash = relative.find('/', start);
    if (slash == std::string::npos) slash = relative.size();
    if (slash > start) {
      path = joinPath(path, relative.substr(start, slash - start));
      std::string fs = toFsPath(path).string();
      struct stat st;
      if (::lstat(fs.c_str(), &st) == 0) {
        if (!S_ISDIR(st.st_mode)) return Made::Unsafe;
      } else if (::mkdir(fs.c_str(), 0755) != 0) {
        return Made::Failed;
      }
    }
    start = slash + 1;
  }
  return Made::Ok;
}

void setTimes(const std::string& fsPath, int64_t mtime) {
  struct timeval tv[2] = {{static_cast<time_t>(mtime), 0}, {static_cast<time_t>(mtime), 0}};
  ::utimes(fsPath.c_str(), tv);
}

}  // namespace

bool isSafeMemberName(const std::string& name) {
  if (name.empty() || name[0] == '/') return false;
  size_t start = 0;
  while (start <= name.size()) {
    size_t slash = name.find('/', start);
    if (slash == std::string::npos) slash = name.size();
    std::string part = name.substr(start, slash - start);
    if (part == "..") return false;
    start = slash + 1;
  }
  return true;
}

ReadResult readArchive(
    const ArchiveSource& source,
    const std::function<void(const MemberInfo&, const std::string&, int64_t, uint16_t)>& member) {
  ReadResult r;
  Archive a;
  if ((r.code = a.open(source)) != 0) return r;
  bool any = false;
  while (LHAFileHeader* h = lha_reader_next_file(a.reader())) {
    any = true;
    MemberInfo info = infoOf(h);
    if (!knownMethod(info.method)) {
      r.code = kUnknownMethod;
      return r;
    }
    std::string data;
    if (!info.isFolder) {
      r.code = readData(a.reader(), h, [&](const char* p, size_t n) {
        data.append(p, n);
        return true;
      });
      if (r.code) return r;
    }
    member(info, data, mtimeOf(h), modeOf(h, info.isFolder));
  }
  if (!any && !a.empty()) r.code = kNotArchive;
  return r;
}

ReadResult listArchive(const ArchiveSource& source, std::vector<MemberInfo>& members) {
  ReadResult r;
  Archive a;
  if ((r.code = a.open(source)) != 0) return r;
  bool any = false;
  while (LHAFileHeader* h = lha_reader_next_file(a.reader())) {
    any = true;
    members.push_back(infoOf(h));
  }
  if (!any && !a.empty()) r.code = kNotArchive;
  return r;
}

ReadResult extractArchive(const ArchiveSource& source, const std::string& folder) {
  ReadResult r;
  Archive a;
  if ((r.code = a.open(source)) != 0) return r;
  std::error_code ec;
  std::filesystem::create_directories(toFsPath(folder), ec);
  if (!std::filesystem::is_directory(toFsPath(folder), ec)) {
    r.code = kCannotMakeFolder;
    return r;
  }
  bool any = false;
  int refusedCode = 0;
  while (LHAFileHeader* h = lha_reader_next_file(a.reader())) {
    any = true;
    MemberInfo info = infoOf(h);
    if (info.isLink || !isSafeMemberName(info.name)) {
      r.refused.push_back(info.name);
      refusedCode = kBadName;
      continue;
    }
    if (!knownMethod(info.method)) {
      r.code = kUnknownMethod;
      return r;
    }
    std::string target = joinPath(folder, info.name);
    Made made = makeFolders(folder, info.isFolder ? info.name : folderOf(info.name));
    if (made == Made::Failed) {
      r.code = kCannotMakeFolder;
      return r;
    }
    if (made == Made::Unsafe) {
      r.refused.push_back(info.name);
      refusedCode = kBadName;
      continue;
    }
    if (info.isFolder) continue;
    std::string fs = toFsPath(target).string();
    struct stat st;
    // An existing link at the target is replaced, never written through.
    if (::lstat(fs.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) ::unlink(fs.c_str());
    int fd =
        ::open(fs.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, modeOf(h, false));
    if (fd < 0) {
      r.code = kCannotOpenFile;
      return r;
    }
    r.written.push_back(target);
    int code = readData(a.reader(), h, [&](const char* p, size_t n) {
      while (n > 0) {
        ssize_t w = ::write(fd, p, n);
        if (w <= 0) return false;
        p += w;
        n -= static_cast<size_t>(w);
      }
      return true;
    });
    ::fchmod(fd, modeOf(h, false));
    if (::close(fd) != 0 && code == 0) code = kWriteError;
    if (code) {
      ::unlink(fs.c_str());
      r.written.pop_back();
      r.code = code;
      return r;
    }
    setTimes(fs, mtimeOf(h));
  }
  if (!any && !a.empty()) r.code = kNotArchive;
  if (r.code == 0) r.code = refusedCode;
  return r;
}

}  // namespace nv::lzh
