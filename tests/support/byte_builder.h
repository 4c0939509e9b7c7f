#pragma once
// Builds expected file bytes by hand in tests, independently of the program's writers.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace nvtest {

class Bytes {
 public:
  Bytes& i32(int32_t v) {
    uint32_t u = uint32_t(v);
    for (int i = 0; i < 4; ++i) s_.push_back(char(u >> (8 * i) & 0xFF));
    return *this;
  }
  Bytes& u32(uint32_t v) { return i32(int32_t(v)); }
  Bytes& u16(uint16_t v) {
    s_.push_back(char(v & 0xFF));
    s_.push_back(char(v >> 8));
    return *this;
  }
  Bytes& u8(uint8_t v) {
    s_.push_back(char(v));
    return *this;
  }
  Bytes& f64(double v) {
    uint64_t u;
    std::memcpy(&u, &v, 8);
    for (int i = 0; i < 8; ++i) s_.push_back(char(u >> (8 * i) & 0xFF));
    return *this;
  }
  // text then NULs up to width bytes
  Bytes& text(std::string_view t, size_t width) {
    s_.append(t);
    s_.append(width - t.size(), '\0');
    return *this;
  }
  Bytes& raw(std::string_view b) {
    s_.append(b);
    return *this;
  }
  Bytes& fill(size_t n, char c = '\0') {
    s_.append(n, c);
    return *this;
  }
  const std::string& str() const { return s_; }
  size_t size() const { return s_.size(); }
  operator const std::string&() const { return s_; }

 private:
  std::string s_;
};

}  // namespace nvtest
