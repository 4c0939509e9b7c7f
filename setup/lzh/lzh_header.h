#pragma once
// Member headers of an archive (levels 0 to 3), read by our own code so that every header is
// checked before anything is extracted: its checksum or CRC, its size against the bytes the
// file still holds, and the end mark after the last member. No Qt, no ICU: the
// self-extracting program uses this too.
#include <cstdint>
#include <string>
#include <vector>

namespace nv::lzh {

// Where the bytes of an archive come from: a file (a self-extracting program's tail) or memory.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Up to n bytes from pos; fewer only at the end.
  virtual size_t readAt(uint64_t pos, void* buf, size_t n) = 0;
  virtual uint64_t size() const = 0;
};

class MemorySource : public ByteSource {
 public:
  MemorySource(const void* data, size_t size)
      : data_(static_cast<const uint8_t*>(data)), size_(size) {}
  size_t readAt(uint64_t pos, void* buf, size_t n) override;
  uint64_t size() const override { return size_; }

 private:
  const uint8_t* data_;
  size_t size_;
};

struct MemberHeader {
  std::string name;     // CP932, '/' between parts, no empty, "." or leading parts
  std::string rawName;  // as stored (folder and file name joined), for messages
  std::string method;   // "-lh5-"
  uint64_t packedSize = 0;
  uint64_t size = 0;
  uint16_t crc = 0;
  int64_t mtime = 0;  // Unix seconds
  uint16_t mode = 0;  // Unix permission bits, 0 when the header has none
  int level = 0;
  bool isFolder = false;
  bool isLink = false;
  uint64_t headerOffset = 0;  // from the start of the source
  uint64_t dataOffset = 0;
};

// Reads the header at pos. 0 with the header filled; kEndOfArchive at the end mark; else the
// archiver code: header checksum or CRC wrong, header cut off, bad size, unknown level, data
// reaching past the end of the source.
constexpr int kEndOfArchive = 1;
int readMemberHeader(ByteSource& source, uint64_t pos, MemberHeader& header);

// Every header from `start` to the end mark. 0, or the code of the first failure (a missing
// end mark included); `members` then holds the headers read before it.
int indexArchive(ByteSource& source, uint64_t start, std::vector<MemberHeader>& members);

// A stored name as a relative '/' path: "\", "/" and 0xFF separate parts where a character
// starts (never the second byte of 表 or ソ), leading separators and "." parts are dropped.
std::string normaliseMemberName(const std::string& stored);

// True when the name stays inside its folder: relative, no ".." part, not empty.
bool isSafeMemberName(const std::string& name);

}  // namespace nv::lzh
