#include "setup/model/file_tree.h"

namespace nv::setup {
namespace {
void putInt(std::string& out, int32_t v) {
  uint32_t u = static_cast<uint32_t>(v);
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
}
void putString(std::string& out, const std::string& s) {
  putInt(out, static_cast<int32_t>(s.size()));
  out += s;
}
void putFolder(std::string& out, const TBrCaFolder& f) {
  putString(out, f.path);
  putInt(out, static_cast<int32_t>(f.files.size()));
  for (const TBrCaFile& file : f.files) {
    putInt(out, file.changed ? 1 : 0);
    putInt(out, file.stamp);
    putString(out, file.path);
  }
  putInt(out, f.children.empty() ? 0 : 1);
  if (!f.children.empty()) {
    putInt(out, static_cast<int32_t>(f.children.size()));
    for (const auto& c : f.children) putFolder(out, *c);
  }
}

class Reader {
 public:
  explicit Reader(const std::string& b) : b_(b) {}
  bool getInt(int32_t& v) {
    if (b_.size() - pos_ < 4) return false;
    uint32_t u = 0;
    for (int i = 3; i >= 0; --i) u = (u << 8) | static_cast<uint8_t>(b_[pos_ + i]);
    pos_ += 4;
    v = static_cast<int32_t>(u);
    return true;
  }
  bool getString(std::string& s) {
    int32_t n;
    if (!getInt(n) || n < 0 || static_cast<size_t>(n) > b_.size() - pos_) return false;
    s.assign(b_, pos_, static_cast<size_t>(n));
    pos_ += static_cast<size_t>(n);
    return true;
  }
  // A count of records each at least minBytes long that the rest of the file can hold.
  bool getCount(int32_t& n, size_t minBytes) {
    return getInt(n) && n >= 0 && static_cast<size_t>(n) <= (b_.size() - pos_) / minBytes;
  }
  bool getFolder(TBrCaFolder& f, int depth) {
    if (depth > 256) return false;
    int32_t files, hasChildren;
    if (!getString(f.path) || !getCount(files, 12)) return false;
    f.files.resize(static_cast<size_t>(files));
    for (TBrCaFile& file : f.files) {
      int32_t changed;
      if (!getInt(changed) || !getInt(file.stamp) || !getString(file.path)) return false;
      file.changed = changed != 0;
    }
    if (!getInt(hasChildren)) return false;
    if (hasChildren) return getList(f.children, depth + 1);
    return true;
  }
  bool getList(std::vector<std::unique_ptr<TBrCaFolder>>& list, int depth) {
    int32_t n;
    if (!getCount(n, 12)) return false;
    for (int32_t i = 0; i < n; ++i) {
      list.push_back(std::make_unique<TBrCaFolder>());
      if (!getFolder(*list.back(), depth)) return false;
    }
    return true;
  }
  bool atEnd() const { return pos_ == b_.size(); }

 private:
  const std::string& b_;
  size_t pos_ = 0;
};
}  // namespace

int32_t dosStampFromUnix(int64_t unixSeconds) {
  time_t t = static_cast<time_t>(unixSeconds);
  struct tm tm;
  gmtime_r(&t, &tm);
  uint32_t date =
      static_cast<uint32_t>(((tm.tm_year - 80) & 0x7F) << 9 | (tm.tm_mon + 1) << 5 | tm.tm_mday);
  uint32_t time = static_cast<uint32_t>(tm.tm_hour << 11 | tm.tm_min << 5 | tm.tm_sec / 2);
  return static_cast<int32_t>(date << 16 | time);
}

int64_t unixFromDosStamp(int32_t stamp) {
  uint32_t u = static_cast<uint32_t>(stamp);
  struct tm tm = {};
  tm.tm_year = static_cast<int>((u >> 25) & 0x7F) + 80;
  tm.tm_mon = static_cast<int>((u >> 21) & 0x0F) - 1;
  tm.tm_mday = static_cast<int>((u >> 16) & 0x1F);
  tm.tm_hour = static_cast<int>((u >> 11) & 0x1F);
  tm.tm_min = static_cast<int>((u >> 5) & 0x3F);
  tm.tm_sec = static_cast<int>(u & 0x1F) * 2;
  return static_cast<int64_t>(timegm(&tm));
}

std::string writeSnapshot(const TBrCaFolder& root) {
  std::string out;
  putInt(out, 1);
  putFolder(out, root);
  return out;
}

std::unique_ptr<TBrCaFolder> readSnapshot(const std::string& bytes) {
  Reader r(bytes);
  std::vector<std::unique_ptr<TBrCaFolder>> list;
  if (!r.getList(list, 0) || list.size() != 1 || !r.atEnd()) return nullptr;
  return std::move(list.front());
}

}  // namespace nv::setup
