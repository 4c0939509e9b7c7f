#include "setup/lzh/lzh_writer.h"

#include "platform/paths.h"
#include "setup/lzh/archiver_codes.h"
#include "setup/lzh/crc16.h"
#include "setup/lzh/lh5_encoder.h"

namespace nv::lzh {
namespace {
void put16(std::string& s, uint32_t v) {
  s.push_back(static_cast<char>(v & 0xFF));
  s.push_back(static_cast<char>((v >> 8) & 0xFF));
}
void put32(std::string& s, uint32_t v) {
  put16(s, v & 0xFFFF);
  put16(s, v >> 16);
}
void set16(std::string& s, size_t at, uint32_t v) {
  s[at] = static_cast<char>(v & 0xFF);
  s[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}
void addExtension(std::string& h, uint8_t type, const std::string& data) {
  // The size field before each extension counts the type byte, the data and itself.
  put16(h, static_cast<uint32_t>(data.size() + 3));
  h.push_back(static_cast<char>(type));
  h += data;
}
}  // namespace

std::string memberHeader(const std::string& name, bool isFolder, const char* method,
                         uint32_t packedSize, uint32_t size, uint16_t crc, int64_t mtime,
                         uint16_t mode) {
  std::string folder, file;
  if (isFolder) {
    folder = name;
  } else {
    folder = folderOf(name);
    file = fileNameOf(name);
  }
  // Folder names are stored with 0xFF between and after the parts.
  std::string dirField;
  if (!folder.empty()) {
    for (char c : folder) dirField.push_back(c == '/' ? '\xFF' : c);
    dirField.push_back('\xFF');
  }
  std::string h;
  put16(h, 0);  // header size, set below
  h.append(method, 5);
  put32(h, packedSize);
  put32(h, size);
  put32(h, static_cast<uint32_t>(mtime));
  h.push_back(0x20);  // attribute byte of level 2: reserved
  h.push_back(2);     // header level
  put16(h, crc);
  h.push_back('U');
  size_t crcAt = h.size() + 3;
  addExtension(h, 0x00, std::string(2, '\0'));
  if (!isFolder) addExtension(h, 0x01, file);
  if (!dirField.empty()) addExtension(h, 0x02, dirField);
  std::string modeField;
  put16(modeField, (isFolder ? 0040000u : 0100000u) | (mode & 07777u));
  addExtension(h, 0x50, modeField);
  put16(h, 0);  // no further extension
  // A header whose size has a zero low byte would read as the end mark.
  if ((h.size() & 0xFF) == 0) h.push_back(0);
  set16(h, 0, static_cast<uint32_t>(h.size()));
  set16(h, crcAt, crc16(h.data(), h.size()));
  return h;
}

std::string encodeMember(const ArchiveMember& m) {
  std::string packed;
  const char* method = m.isFolder ? "-lhd-" : "-lh0-";
  if (!m.isFolder && !m.data.empty()) {
    packed = encodeLh5(reinterpret_cast<const uint8_t*>(m.data.data()), m.data.size());
    if (packed.size() < m.data.size())
      method = "-lh5-";
    else
      packed = m.data;
  }
  uint16_t crc = m.isFolder ? 0 : crc16(m.data.data(), m.data.size());
  return memberHeader(m.name, m.isFolder, method, static_cast<uint32_t>(packed.size()),
                      static_cast<uint32_t>(m.isFolder ? 0 : m.data.size()), crc, m.mtime, m.mode) +
         packed;
}

std::string encodeArchive(const std::vector<ArchiveMember>& members) {
  std::string out;
  for (const ArchiveMember& m : members) out += encodeMember(m);
  out.push_back('\0');
  return out;
}

}  // namespace nv::lzh
