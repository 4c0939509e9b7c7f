#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>

#include "platform/paths.h"

namespace nv {

bool readFile(std::string_view cp932Path, std::string& out, uint64_t maxBytes) {
  out.clear();
  std::FILE* f = std::fopen(toFsPath(cp932Path).c_str(), "rb");
  if (!f) return false;
  char buf[65536];
  bool ok = true;
  for (;;) {
    size_t n = std::fread(buf, 1, sizeof buf, f);
    if (n > 0) {
      if (out.size() + n > maxBytes) {
        ok = false;
        break;
      }
      out.append(buf, n);
    }
    if (n < sizeof buf) {
      if (std::ferror(f)) ok = false;
      break;
    }
  }
  std::fclose(f);
  return ok;
}

bool writeFileAtomic(std::string_view cp932Path, std::string_view bytes) {
  std::filesystem::path target = toFsPath(cp932Path);
  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  std::string tmpl = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  int fd = mkstemp(tmpl.data());
  if (fd < 0) return false;
  const char* p = bytes.data();
  size_t left = bytes.size();
  bool ok = true;
  while (left > 0) {
    ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      ok = false;
      break;
    }
    p += n;
    left -= size_t(n);
  }
  if (ok && ::fsync(fd) != 0) ok = false;
  // mkstemp makes 0600: keep the replaced file's mode, or give what a new file would get.
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0) {
    ::fchmod(fd, old.st_mode & 07777);
  } else {
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
  }
  if (::close(fd) != 0) ok = false;
  if (ok && std::rename(tmpl.c_str(), target.c_str()) != 0) ok = false;
  if (!ok) std::remove(tmpl.c_str());
  return ok;
}

bool removeFile(std::string_view cp932Path) {
  std::error_code ec;
  return std::filesystem::remove(toFsPath(cp932Path), ec);
}

TextLineReader::TextLineReader(std::string_view data, size_t bufferSize)
    : bufferSize_(bufferSize < 2 ? 2 : bufferSize) {
  data_.reserve(data.size());
  for (size_t i = 0; i < data.size(); ++i) {
    if (data[i] == '\r' && i + 1 < data.size() && data[i + 1] == '\n') continue;
    data_.push_back(data[i]);
  }
}

bool TextLineReader::next(std::string& line) {
  line.clear();
  if (pos_ >= data_.size()) return false;
  size_t limit = bufferSize_ - 1;
  size_t end = data_.find('\n', pos_);
  size_t take = end == std::string::npos ? data_.size() - pos_ : end - pos_ + 1;
  if (take > limit) take = limit;
  line.assign(data_, pos_, take);
  pos_ += take;
  return true;
}

}  // namespace nv
