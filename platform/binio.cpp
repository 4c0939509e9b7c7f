#include "platform/binio.h"

#include <bit>

#include "platform/text.h"

namespace nv {

static_assert(std::endian::native == std::endian::little,
              "the record code assumes a little-endian host");

int32_t getInt32LE(const char* p) {
  uint32_t u = uint32_t(uint8_t(p[0])) | uint32_t(uint8_t(p[1])) << 8 |
               uint32_t(uint8_t(p[2])) << 16 | uint32_t(uint8_t(p[3])) << 24;
  return int32_t(u);
}

double getDoubleLE(const char* p) {
  double d;
  std::memcpy(&d, p, 8);
  return d;
}

void putInt32LE(char* p, int32_t v) {
  uint32_t u = uint32_t(v);
  for (int i = 0; i < 4; ++i) p[i] = char(uint8_t(u >> (8 * i)));
}

void putDoubleLE(char* p, double v) { std::memcpy(p, &v, 8); }

bool ByteReader::readInt32(int32_t& v) {
  if (remaining() < 4) return false;
  v = getInt32LE(bytes_.data() + pos_);
  pos_ += 4;
  return true;
}

bool ByteReader::readDouble(double& v) {
  if (remaining() < 8) return false;
  v = getDoubleLE(bytes_.data() + pos_);
  pos_ += 8;
  return true;
}

bool ByteReader::readBytes(size_t n, std::string_view& out) {
  if (remaining() < n) return false;
  out = bytes_.substr(pos_, n);
  pos_ += n;
  return true;
}

bool ByteReader::skip(size_t n) {
  if (remaining() < n) return false;
  pos_ += n;
  return true;
}

void ByteWriter::int32(int32_t v) {
  char b[4];
  putInt32LE(b, v);
  out_.append(b, 4);
}

void ByteWriter::f64(double v) {
  char b[8];
  putDoubleLE(b, v);
  out_.append(b, 8);
}

void ByteWriter::fixedText(std::string_view text, size_t width) {
  if (width == 0) return;
  const std::string t = cutBytes(text, width - 1);
  out_.append(t);
  out_.append(width - t.size(), '\0');
}

std::string cutBytes(std::string_view text, size_t maxBytes) {
  if (text.size() <= maxBytes) return std::string(text);
  size_t end = 0;
  while (end < maxBytes) {
    const size_t next = end + (isCp932LeadByte(uint8_t(text[end])) ? 2 : 1);
    if (next > maxBytes) break;
    end = next;
  }
  return std::string(text.substr(0, end));
}

std::string fixedFieldText(std::string_view field) {
  if (field.empty()) return {};
  size_t end = field.find('\0');
  if (end == std::string_view::npos) end = field.size() - 1;
  return std::string(field.substr(0, end));
}

}  // namespace nv
