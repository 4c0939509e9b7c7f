#pragma once
// Decoding members through liblhasa's decoders and extracting a whole archive into a folder,
// all or nothing: members are written into a work folder inside the target and moved into
// place only when every one of them decoded and checked. No Qt, no ICU (the self-extracting
// program uses this); names reach the file system through the converter the caller gives.
#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "setup/lzh/lzh_header.h"

namespace nv::lzh {

// Opens a regular file for reading, without blocking on a FIFO; -1 for anything else.
int openRegularFile(const std::string& nativePath, uint64_t& size);

// A regular file read with a small cache (a FIFO or a device is refused, never opened for
// reading).
class FileSource : public ByteSource {
 public:
  explicit FileSource(const std::string& nativePath);
  ~FileSource() override;
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;
  bool isOpen() const { return fd_ >= 0; }
  size_t readAt(uint64_t pos, void* buf, size_t n) override;
  uint64_t size() const override { return size_; }

 private:
  int fd_ = -1;
  uint64_t size_ = 0;
  std::vector<uint8_t> cache_;
  uint64_t cacheAt_ = 0;
  size_t cacheLength_ = 0;
};

// True when liblhasa has a decoder for the method ("-lhd-", a folder, needs none).
bool canDecode(const std::string& method);

// Decodes a member's data into `sink` (false from the sink stops with kWriteError). 0, or the
// code: unknown method, data broken or short, CRC wrong.
int decodeMember(ByteSource& source, const MemberHeader& member,
                 const std::function<bool(const uint8_t*, size_t)>& sink);

// A CP932 member name (or '/'-separated relative path) as the file system's bytes.
using NativeName = std::string (*)(const std::string& cp932);

struct Extraction {
  int code = 0;
  std::vector<std::string> refused;  // CP932 names not extracted because of what they are
  std::vector<std::string> files;    // CP932 relative names now in the folder
  std::vector<std::string> folders;  // CP932 relative names of the folders this made
  bool madeFolder = false;           // the target folder did not exist before
};

// Runs with the target locked, once every member decoded and before anything is placed, on
// what is about to be placed (files, the folders to be made, madeFolder). A non-zero code
// stops the extraction with nothing placed.
using BeforePlacing = std::function<int(const Extraction& planned)>;

// Extracts the archive at `start` into the folder (made when missing). Nothing is placed
// unless every header reads, every name is safe (no "..", no link, none of the installer's own
// ".nvsetup-" names at the top) and every member decodes with its CRC; then files replace
// those of the same name by renaming, so a running program never stops an install half way.
// Two extractions into one folder take turns (the folder is locked). Work folders left by an
// earlier run that was killed are removed first.
Extraction extractTo(ByteSource& source, uint64_t start, const std::string& nativeFolder,
                     NativeName toNative, const BeforePlacing& beforePlacing = {});

// The prefix of the names the installer keeps in an install folder (its record, work folders).
extern const char kInstallerNamePrefix[];

// The name prefix of the work folder inside the target.
extern const char kWorkFolderPrefix[];

// Removes the work folders an extraction that was killed left in the open folder `targetFd`
// (only folders, on `device`). The caller holds the folder's lock.
void removeStaleWork(int targetFd, dev_t device);

// Self-extracting programs: stub, archive, then a trailer of the archive's offset (8 bytes,
// little-endian) and a magic. False when the file has no trailer.
bool findAppendedArchiveNative(const std::string& nativePath, uint64_t& offset);
std::string sfxTrailer(uint64_t archiveOffset);

}  // namespace nv::lzh
