#include "setup/lzh/lzh_header.h"

#include <cstring>
#include <ctime>

#include "setup/lzh/archiver_codes.h"
#include "setup/lzh/crc16.h"

namespace nv::lzh {
namespace {

constexpr size_t kMaxLevel1Extensions = 64 * 1024;
constexpr size_t kMaxLevel3Header = 1024 * 1024;

uint16_t le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t le32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
const uint8_t* bytesOf(const std::string& s) { return reinterpret_cast<const uint8_t*>(s.data()); }

bool isLeadByte(uint8_t c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// A DOS stamp (local time, as level 0 and 1 headers store it) in Unix seconds.
int64_t fromDosTime(uint32_t dos) {
  struct tm tm = {};
  tm.tm_year = static_cast<int>((dos >> 25) & 0x7F) + 80;
  tm.tm_mon = static_cast<int>((dos >> 21) & 0x0F) - 1;
  tm.tm_mday = static_cast<int>((dos >> 16) & 0x1F);
  tm.tm_hour = static_cast<int>((dos >> 11) & 0x1F);
  tm.tm_min = static_cast<int>((dos >> 5) & 0x3F);
  tm.tm_sec = static_cast<int>(dos & 0x1F) * 2;
  tm.tm_isdst = -1;
  time_t t = mktime(&tm);
  return t == time_t(-1) ? 0 : static_cast<int64_t>(t);
}

// What the extension records of a header say.
struct Extensions {
  std::string fileName, dirName;
  bool haveFileName = false;
  size_t crcAt = 0;  // where the header CRC is stored inside the header bytes, 0 when absent
  uint16_t mode = 0;
  bool haveMtime = false;
  int64_t mtime = 0;
};

void takeExtension(const std::string& header, size_t typeAt, size_t end, Extensions& e) {
  const uint8_t type = static_cast<uint8_t>(header[typeAt]);
  const size_t at = typeAt + 1;
  const size_t n = end - at;
  switch (type) {
    case 0x00:
      if (n >= 2) e.crcAt = at;
      break;
    case 0x01:
      e.fileName = header.substr(at, n);
      e.haveFileName = true;
      break;
    case 0x02:
      e.dirName = header.substr(at, n);
      break;
    case 0x50:
      if (n >= 2) e.mode = le16(bytesOf(header) + at);
      break;
    case 0x54:
      if (n >= 4) {
        e.mtime = le32(bytesOf(header) + at);
        e.haveMtime = true;
      }
      break;
    default:
      break;
  }
}

// The extension records inside `header` from the size field at q, each "size, type, data"
// with a size field of `width` bytes that counts the whole record. False when a record is
// malformed or runs past the header.
bool parseExtensions(const std::string& header, size_t q, size_t width, Extensions& e) {
  for (;;) {
    if (q + width > header.size()) return false;
    const uint32_t size = width == 2 ? le16(bytesOf(header) + q) : le32(bytesOf(header) + q);
    if (size == 0) return true;
    if (size < width + 1 || size > header.size() - q) return false;
    takeExtension(header, q + width, q + size, e);
    q += size;
  }
}

std::string stripAtNul(const std::string& s) { return s.substr(0, s.find('\0')); }

bool looksLikeMethod(const uint8_t* m) { return m[0] == '-' && m[4] == '-'; }

// The header's bytes from pos, or a code: cut off by the end of the source.
int readExactly(ByteSource& source, uint64_t pos, size_t n, std::string& out) {
  out.resize(n);
  if (source.readAt(pos, out.data(), n) != n) return kHeaderCutOff;
  return 0;
}

int readLevel01(ByteSource& source, uint64_t pos, const uint8_t* b, MemberHeader& h) {
  const size_t total = size_t(b[0]) + 2;
  const size_t nameLength = b[21];
  const size_t minimum = 22 + nameLength + 2 + (h.level == 1 ? 3 : 0);
  if (total < minimum) return kBadHeaderSize;
  std::string header;
  if (int code = readExactly(source, pos, total, header)) return code;
  uint8_t sum = 0;
  for (size_t i = 2; i < total; ++i) sum = static_cast<uint8_t>(sum + uint8_t(header[i]));
  if (sum != uint8_t(header[1])) return kHeaderChecksum;
  const uint8_t* p = bytesOf(header);
  std::string name = stripAtNul(header.substr(22, nameLength));
  h.crc = le16(p + 22 + nameLength);
  h.mtime = fromDosTime(le32(p + 15));
  uint64_t packed = le32(p + 7);
  if (h.level == 0) {
    // A Unix extension after the CRC: 'U', a version byte, time, mode, user and group.
    const size_t ext = 24 + nameLength;
    if (total >= ext + 12 && header[ext] == 'U') {
      h.mtime = le32(p + ext + 2);
      const uint16_t mode = le16(p + ext + 6);
      if ((mode & 0170000) == 0100000 || (mode & 0170000) == 0040000) h.mode = mode;
    }
    h.rawName = name;
    h.dataOffset = pos + total;
    h.packedSize = packed;
    return 0;
  }
  // Level 1: extension records follow the base header; the first size field is its last two
  // bytes, and the stored size counts the records as well as the data.
  Extensions e;
  uint64_t q = pos + total - 2;
  std::string record;
  size_t extensionBytes = 0;
  for (;;) {
    uint8_t sizeField[2];
    if (source.readAt(q, sizeField, 2) != 2) return kHeaderCutOff;
    const uint16_t size = le16(sizeField);
    if (size == 0) break;
    if (size < 3) return kBadHeaderSize;
    extensionBytes += size;
    if (extensionBytes > kMaxLevel1Extensions) return kBadHeaderSize;
    if (int code = readExactly(source, q, size, record)) return code;
    takeExtension(record, 2, size, e);
    q += size;
  }
  if (extensionBytes > packed) return kBadHeaderSize;
  if (e.haveFileName) name = e.fileName;
  h.rawName = e.dirName.empty() ? name : e.dirName + '\xFF' + name;
  h.mode = e.mode;
  if (e.haveMtime) h.mtime = e.mtime;
  h.dataOffset = q + 2;
  h.packedSize = packed - extensionBytes;
  return 0;
}

int readLevel23(ByteSource& source, uint64_t pos, const uint8_t* b, MemberHeader& h) {
  size_t total, first, width;
  if (h.level == 2) {
    total = le16(b);
    first = 24;
    width = 2;
  } else {
    if (le16(b) != 4) return kUnknownHeader;
    uint8_t sizeField[4];
    if (source.readAt(pos + 24, sizeField, 4) != 4) return kHeaderCutOff;
    total = le32(sizeField);
    if (total > kMaxLevel3Header) return kBadHeaderSize;
    first = 28;
    width = 4;
  }
  if (total < first + width) return kBadHeaderSize;
  std::string header;
  if (int code = readExactly(source, pos, total, header)) return code;
  Extensions e;
  if (!parseExtensions(header, first, width, e)) return kBadHeaderSize;
  if (e.crcAt) {
    const uint16_t stored = le16(bytesOf(header) + e.crcAt);
    header[e.crcAt] = header[e.crcAt + 1] = 0;
    if (crc16(header.data(), header.size()) != stored) return kHeaderChecksum;
  }
  const uint8_t* p = bytesOf(header);
  h.crc = le16(p + 21);
  h.mtime = static_cast<int64_t>(le32(p + 15));
  if (e.haveMtime) h.mtime = e.mtime;
  h.mode = e.mode;
  h.rawName = e.dirName.empty() ? e.fileName : e.dirName + '\xFF' + e.fileName;
  h.dataOffset = pos + total;
  h.packedSize = le32(p + 7);
  return 0;
}

}  // namespace

size_t MemorySource::readAt(uint64_t pos, void* buf, size_t n) {
  if (pos >= size_) return 0;
  const size_t k = std::min<uint64_t>(n, size_ - pos);
  std::memcpy(buf, data_ + pos, k);
  return k;
}

std::string normaliseMemberName(const std::string& stored) {
  std::string out, part;
  auto flush = [&] {
    if (!part.empty() && part != ".") {
      if (!out.empty()) out += '/';
      out += part;
    }
    part.clear();
  };
  for (size_t i = 0; i < stored.size(); ++i) {
    const uint8_t c = static_cast<uint8_t>(stored[i]);
    if (isLeadByte(c) && i + 1 < stored.size()) {
      part += stored[i];
      part += stored[++i];
    } else if (c == '/' || c == '\\' || c == 0xFF) {
      flush();
    } else {
      part += stored[i];
    }
  }
  flush();
  return out;
}

bool isSafeMemberName(const std::string& name) {
  if (name.empty() || name[0] == '/') return false;
  size_t start = 0;
  while (start <= name.size()) {
    size_t slash = name.find('/', start);
    if (slash == std::string::npos) slash = name.size();
    if (name.compare(start, slash - start, "..") == 0 && slash - start == 2) return false;
    start = slash + 1;
  }
  return true;
}

int readMemberHeader(ByteSource& source, uint64_t pos, MemberHeader& h) {
  h = MemberHeader{};
  h.headerOffset = pos;
  uint8_t b[24];
  const size_t got = source.readAt(pos, b, sizeof b);
  if (got == 0) return kNoEndMark;
  if (b[0] == 0) return kEndOfArchive;
  if (got < 7) return kHeaderCutOff;
  if (!looksLikeMethod(b + 2)) return kBrokenHeader;
  if (got < 22) return kHeaderCutOff;
  h.method.assign(reinterpret_cast<const char*>(b + 2), 5);
  h.size = le32(b + 11);
  h.level = b[20];
  int code = kUnknownHeader;
  if (h.level == 0 || h.level == 1)
    code = readLevel01(source, pos, b, h);
  else if ((h.level == 2 && got >= 24) || h.level == 3)
    code = readLevel23(source, pos, b, h);
  else if (h.level == 2)
    code = kHeaderCutOff;
  if (code) return code;
  h.isFolder = h.method == "-lhd-";
  h.name = normaliseMemberName(h.rawName);
  // Unix archivers store a link as "name|target" with the link's file type.
  h.isLink =
      (h.mode & 0170000) == 0120000 || (h.isFolder && h.rawName.find('|') != std::string::npos);
  if (h.dataOffset > source.size() || h.packedSize > source.size() - h.dataOffset)
    return kDataMissing;
  return 0;
}

int indexArchive(ByteSource& source, uint64_t start, std::vector<MemberHeader>& members) {
  uint64_t pos = start;
  for (;;) {
    MemberHeader h;
    int code = readMemberHeader(source, pos, h);
    if (code == kEndOfArchive) return 0;
    // Bytes that do not even start like a header are no archive at all.
    const bool tiny = code == kHeaderCutOff && source.size() - start < 7;
    if (members.empty() &&
        (code == kBrokenHeader || code == kNoEndMark || code == kUnknownHeader || tiny))
      return kNotArchive;
    if (code) return code;
    pos = h.dataOffset + h.packedSize;
    members.push_back(std::move(h));
  }
}

}  // namespace nv::lzh
