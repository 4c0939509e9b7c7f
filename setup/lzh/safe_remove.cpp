#include "setup/lzh/safe_remove.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace nv::lzh {
namespace {

std::vector<std::string> entriesOf(int fd) {
  std::vector<std::string> names;
  int dup = ::dup(fd);
  if (dup < 0) return names;
  DIR* d = ::fdopendir(dup);
  if (!d) {
    ::close(dup);
    return names;
  }
  while (dirent* e = ::readdir(d)) {
    const std::string n = e->d_name;
    if (n != "." && n != "..") names.push_back(n);
  }
  ::closedir(d);
  return names;
}

}  // namespace

bool removeTreeAt(int dirfd, const std::string& name, dev_t device, const std::atomic<bool>* stop) {
  struct stat st;
  if (::fstatat(dirfd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) return true;
  if (!S_ISDIR(st.st_mode)) return ::unlinkat(dirfd, name.c_str(), 0) == 0;
  if (st.st_dev != device) return false;
  int fd = ::openat(dirfd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return false;
  bool all = true;
  for (const std::string& entry : entriesOf(fd)) {
    all &= removeTreeAt(fd, entry, device, stop);
    if (stop && *stop) {
      all = false;
      break;
    }
  }
  ::close(fd);
  return all && ::unlinkat(dirfd, name.c_str(), AT_REMOVEDIR) == 0;
}

bool removeTree(const std::string& nativePath, const std::atomic<bool>* stop) {
  std::string path = nativePath;
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  if (path.empty() || path == "/") return false;
  const size_t slash = path.rfind('/');
  const std::string parent = slash == std::string::npos
                                 ? std::string(".")
                                 : (slash == 0 ? std::string("/") : path.substr(0, slash));
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  if (name == "." || name == "..") return false;
  int fd = ::open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st;
  bool ok = true;
  if (::fstatat(fd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0)
    ok = removeTreeAt(fd, name, st.st_dev, stop);
  ::close(fd);
  return ok;
}

}  // namespace nv::lzh
