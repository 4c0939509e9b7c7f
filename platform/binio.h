#pragma once
// Little-endian records read and written field by field; the reader never reads past its end.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace nv {

class ByteReader {
 public:
  explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

  size_t position() const { return pos_; }
  size_t remaining() const { return bytes_.size() - pos_; }
  size_t size() const { return bytes_.size(); }
  bool atEnd() const { return pos_ >= bytes_.size(); }
  // A count of records of `recordSize` bytes the rest of the input can still hold.
  bool canHold(int64_t count, size_t recordSize) const {
    return count >= 0 && (recordSize == 0 || uint64_t(count) <= remaining() / recordSize);
  }

  bool readInt32(int32_t& v);
  bool readDouble(double& v);
  // Takes the next n bytes; fails (taking nothing) when fewer remain.
  bool readBytes(size_t n, std::string_view& out);
  bool skip(size_t n);

 private:
  std::string_view bytes_;
  size_t pos_ = 0;
};

class ByteWriter {
 public:
  void int32(int32_t v);
  void f64(double v);
  void bytes(std::string_view b) { out_.append(b); }
  void zeros(size_t n) { out_.append(n, '\0'); }
  // A NUL-terminated text field of `width` bytes: at most width-1 bytes of text (cut as
  // cutBytes does), zero filled.
  void fixedText(std::string_view text, size_t width);

  const std::string& data() const { return out_; }
  std::string& data() { return out_; }
  size_t size() const { return out_.size(); }

 private:
  std::string out_;
};

// The text of a NUL-terminated fixed field: bytes up to the first NUL, at most width-1 of them,
// so a field without its NUL still yields a proper name.
std::string fixedFieldText(std::string_view field);

// Copies text cut to at most maxBytes bytes. The cut falls between CP932 characters, so a
// double-byte character is never split into a lone lead byte; text that fits is kept as it is.
std::string cutBytes(std::string_view text, size_t maxBytes);

int32_t getInt32LE(const char* p);
double getDoubleLE(const char* p);
void putInt32LE(char* p, int32_t v);
void putDoubleLE(char* p, double v);

}  // namespace nv
