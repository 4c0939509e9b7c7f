#include "setup/lzh/archive_update.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <filesystem>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_map>

#include "platform/files.h"
#include "platform/paths.h"
#include "setup/lzh/archiver_codes.h"
#include "setup/lzh/crc16.h"
#include "setup/lzh/file_output.h"
#include "setup/lzh/lh5_encoder.h"
#include "setup/lzh/lzh_extract.h"
#include "setup/lzh/lzh_writer.h"

namespace nv::lzh {
namespace {

// Compressed members waiting for their turn are kept in memory up to this much in all;
// beyond it they wait in unnamed temporary files beside the archive.
constexpr int64_t kMemoryBudget = int64_t(16) << 20;
constexpr size_t kReadPiece = 256 * 1024;

std::string native(const std::string& cp932) { return toFsPath(cp932).native(); }

class Spool {
 public:
  Spool(std::atomic<int64_t>& used, const std::string& nativeFolder)
      : used_(used), folder_(nativeFolder) {}
  ~Spool() { discard(); }
  Spool(const Spool&) = delete;
  Spool& operator=(const Spool&) = delete;

  void append(const char* p, size_t n) {
    size_ += n;
    if (fd_ < 0) {
      if (used_.fetch_add(int64_t(n)) + int64_t(n) <= kMemoryBudget) {
        mem_.append(p, n);
        return;
      }
      used_ -= int64_t(n);
      spill();
    }
    put(p, n);
  }
  uint64_t size() const { return size_; }
  bool failed() const { return failed_; }

  void copyTo(FileOutput& out) {
    if (fd_ < 0) {
      out.write(mem_);
    } else {
      FdSource source(fd_, size_);
      out.copyFrom(source, 0, size_);
    }
    discard();
  }

  void discard() {
    used_ -= int64_t(mem_.size());
    mem_ = std::string();
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

 private:
  class FdSource : public ByteSource {
   public:
    FdSource(int fd, uint64_t size) : fd_(fd), size_(size) {}
    size_t readAt(uint64_t pos, void* buf, size_t n) override {
      ssize_t r = ::pread(fd_, buf, n, static_cast<off_t>(pos));
      return r > 0 ? static_cast<size_t>(r) : 0;
    }
    uint64_t size() const override { return size_; }

   private:
    int fd_;
    uint64_t size_;
  };

  void spill() {
    fd_ = ::open(folder_.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd_ < 0) {
      std::string name = folder_ + "/.nvsetup-spool-XXXXXX";
      fd_ = ::mkostemp(name.data(), O_CLOEXEC);
      if (fd_ >= 0) ::unlink(name.c_str());
    }
    if (fd_ < 0) {
      failed_ = true;
      return;
    }
    put(mem_.data(), mem_.size());
    used_ -= int64_t(mem_.size());
    mem_ = std::string();
  }

  void put(const char* p, size_t n) {
    while (n > 0 && !failed_) {
      ssize_t w = ::write(fd_, p, n);
      if (w < 0 && errno == EINTR) continue;
      if (w <= 0) {
        failed_ = true;
      } else {
        p += w;
        n -= static_cast<size_t>(w);
      }
    }
  }

  std::atomic<int64_t>& used_;
  std::string folder_;
  std::string mem_;
  int fd_ = -1;
  uint64_t size_ = 0;
  bool failed_ = false;
};

// One member of the new archive, in order.
struct Planned {
  enum class Kind { Folder, File, Copy } kind = Kind::File;
  std::string name;   // stored name
  std::string path;   // CP932 path on disk (File)
  size_t old = 0;     // index into the old archive's members (Copy)
  int64_t mtime = 0;  // Folder
  uint16_t mode = 0755;
  // Filled by a worker (File):
  std::string header;
  std::unique_ptr<Spool> spool;
  bool raw = false;  // stored as it is: the file is copied again when written
  uint64_t size = 0;
  int code = 0;
  bool ready = false;
};

int encodeFile(Planned& p, std::atomic<int64_t>& used, const std::string& spoolFolder,
               const std::atomic<bool>& abort) {
  uint64_t size = 0;
  const std::string path = native(p.path);
  int fd = openRegularFile(path, size);
  if (fd < 0) {
    struct stat st;
    return ::stat(path.c_str(), &st) != 0 ? kFileNotFound : kReadError;
  }
  struct stat st;
  ::fstat(fd, &st);
  p.spool = std::make_unique<Spool>(used, spoolFolder);
  Lh5Encoder encoder([&p](const char* b, size_t n) { p.spool->append(b, n); });
  std::vector<uint8_t> piece(kReadPiece);
  uint16_t crc = 0;
  uint64_t total = 0;
  int code = 0;
  for (;;) {
    ssize_t r = ::read(fd, piece.data(), piece.size());
    if (r < 0 && errno == EINTR) continue;
    if (r < 0 || abort) {
      code = kReadError;
      break;
    }
    if (r == 0) break;
    crc = crc16(piece.data(), size_t(r), crc);
    encoder.write(piece.data(), size_t(r));
    total += uint64_t(r);
  }
  ::close(fd);
  if (code) return code;
  if (total > 0xFFFFFFFFu) return kMakeArchiveFailed;
  encoder.finish();
  if (p.spool->failed()) return kWriteError;
  const char* method = "-lh5-";
  uint64_t packed = p.spool->size();
  if (total == 0 || packed >= total) {
    method = "-lh0-";
    packed = total;
    p.raw = total > 0;
    p.spool->discard();
  }
  p.size = total;
  p.header = memberHeader(p.name, false, method, uint32_t(packed), uint32_t(total), crc,
                          st.st_mtime, uint16_t(st.st_mode & 0777));
  return 0;
}

// A folder member, with the time and permissions of the folder on disk when there is one.
std::unique_ptr<Planned> folderMember(const std::string& name, const std::string& diskPath) {
  auto p = std::make_unique<Planned>();
  p->kind = Planned::Kind::Folder;
  p->name = name;
  struct stat st;
  if (!diskPath.empty() && ::stat(native(diskPath).c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
    p->mtime = st.st_mtime;
    p->mode = uint16_t(st.st_mode & 0777);
  }
  return p;
}

}  // namespace

int updateArchive(const std::string& archive, const std::vector<AddItem>& items) {
  if (archive.empty()) return kNoArchiveName;
  if (items.empty()) return kNeedFileName;

  // Members of an existing archive are kept unless replaced.
  std::vector<MemberHeader> old;
  std::unique_ptr<FileSource> oldFile;
  if (fileExists(archive)) {
    oldFile = std::make_unique<FileSource>(native(archive));
    if (!oldFile->isOpen()) return kCannotOpenArchive;
    if (int code = indexArchive(*oldFile, 0, old)) return code;
  }
  std::vector<std::unique_ptr<Planned>> plan;
  std::unordered_map<std::string, size_t> at;
  for (size_t i = 0; i < old.size(); ++i) {
    auto p = std::make_unique<Planned>();
    p->kind = Planned::Kind::Copy;
    p->name = old[i].name;
    p->old = i;
    at[p->name] = plan.size();
    plan.push_back(std::move(p));
  }
  auto place = [&](std::unique_ptr<Planned> p) {
    auto it = at.find(p->name);
    if (it != at.end()) {
      plan[it->second] = std::move(p);
    } else {
      at[p->name] = plan.size();
      plan.push_back(std::move(p));
    }
  };
  for (const AddItem& item : items) {
    // Folders above a stored name become members of their own, once each.
    std::vector<std::string> parents;
    for (std::string parent = folderOf(item.name); !parent.empty() && parent != "/";
         parent = folderOf(parent))
      parents.push_back(parent);
    // The folder on disk: the item's path with its stored name taken off the end.
    const std::string base = item.path.size() >= item.name.size()
                                 ? item.path.substr(0, item.path.size() - item.name.size())
                                 : std::string();
    for (auto it = parents.rbegin(); it != parents.rend(); ++it)
      if (!at.count(*it)) place(folderMember(*it, base.empty() ? std::string() : base + *it));
    struct stat st;
    if (::stat(native(item.path).c_str(), &st) != 0) return kFileNotFound;
    if (S_ISDIR(st.st_mode)) {
      place(folderMember(item.name, item.path));
    } else {
      auto p = std::make_unique<Planned>();
      p->name = item.name;
      p->path = item.path;
      place(std::move(p));
    }
  }

  std::error_code ec;
  const std::string folder = folderOf(archive);
  std::filesystem::create_directories(toFsPath(folder), ec);
  FileOutput out(archive);
  if (!out.ok()) return kWriteError;
  const std::string spoolFolder = native(folder.empty() ? std::string(".") : folder);

  // Members compress independently: workers take them in order, the writer puts them out in
  // order as they become ready.
  std::vector<Planned*> jobs;
  for (auto& p : plan)
    if (p->kind == Planned::Kind::File) jobs.push_back(p.get());
  std::atomic<size_t> next{0};
  std::atomic<bool> abort{false};
  std::atomic<int64_t> used{0};
  std::mutex mu;
  std::condition_variable cv;
  auto worker = [&] {
    for (size_t k; (k = next++) < jobs.size() && !abort;) {
      int code = encodeFile(*jobs[k], used, spoolFolder, abort);
      std::lock_guard<std::mutex> lock(mu);
      jobs[k]->code = code;
      jobs[k]->ready = true;
      cv.notify_all();
    }
  };
  const unsigned count =
      std::max(1u, std::min({4u, std::thread::hardware_concurrency(), unsigned(jobs.size())}));
  std::vector<std::thread> threads;
  for (unsigned i = 0; i < count && !jobs.empty(); ++i) threads.emplace_back(worker);

  int code = 0;
  for (auto& pp : plan) {
    Planned& p = *pp;
    if (p.kind == Planned::Kind::Folder) {
      out.write(memberHeader(p.name, true, "-lhd-", 0, 0, 0, p.mtime, p.mode));
    } else if (p.kind == Planned::Kind::Copy) {
      const MemberHeader& h = old[p.old];
      out.copyFrom(*oldFile, h.headerOffset, h.dataOffset + h.packedSize - h.headerOffset);
    } else {
      {
        std::unique_lock<std::mutex> lock(mu);
        cv.wait(lock, [&] { return p.ready; });
      }
      if ((code = p.code) != 0) break;
      out.write(p.header);
      if (p.raw) {
        FileSource again(native(p.path));
        out.copyFrom(again, 0, p.size);
      } else {
        p.spool->copyTo(out);
      }
      p.spool.reset();
    }
    if (!out.ok()) {
      code = kWriteError;
      break;
    }
  }
  abort = code != 0;
  for (std::thread& t : threads) t.join();
  if (code) return code;
  out.write("\0", 1);
  return out.commit();
}

}  // namespace nv::lzh
