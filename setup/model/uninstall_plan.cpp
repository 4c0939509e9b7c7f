#include "setup/model/uninstall_plan.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/paths.h"
#include "platform/text.h"
#include "setup/lzh/lzh_extract.h"

namespace nv::setup {
namespace {

struct Fd {
  int fd;
  explicit Fd(int f) : fd(f) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() {
    if (fd >= 0) ::close(fd);
  }
};

// The folder that holds `relative` (native), opened part by part without following a link or
// leaving the device; -1 when a part is missing, a link or elsewhere. `leaf` gets the last part.
int openParent(int root, dev_t device, const std::string& relative, std::string& leaf) {
  int fd = ::dup(root);
  size_t start = 0;
  for (size_t slash; (slash = relative.find('/', start)) != std::string::npos; start = slash + 1) {
    const std::string part = relative.substr(start, slash - start);
    int next = ::openat(fd, part.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    ::close(fd);
    struct stat st;
    if (next < 0 || ::fstat(next, &st) != 0 || st.st_dev != device) {
      if (next >= 0) ::close(next);
      return -1;
    }
    fd = next;
  }
  leaf = relative.substr(start);
  return fd;
}

}  // namespace

UninstallPlan planUninstall(const std::string& folder, const std::string& home) {
  UninstallPlan plan;
  plan.folder = folder.empty() || folder.back() == '/' ? folder : folder + '/';
  if (folder.empty()) {
    plan.problem = FolderProblem::Empty;
    return plan;
  }
  const std::string real = storedInstallFolder(folder);
  if (real == "/") {
    plan.problem = FolderProblem::Root;
  } else if (isHomeOrAbove(folder, home)) {
    plan.problem = FolderProblem::HomeOrAbove;
  } else if (struct stat st;
             ::lstat(toFsPath(plan.folder.substr(0, plan.folder.size() - 1)).c_str(), &st) == 0 &&
             S_ISLNK(st.st_mode)) {
    plan.problem = FolderProblem::Link;
  } else if (folder[0] != '/' || !loadManifest(plan.folder, plan.manifest)) {
    plan.problem = FolderProblem::NoRecord;
  } else if (plan.manifest.folder != real) {
    plan.problem = FolderProblem::OtherFolder;
  }
  return plan;
}

RemoveResult removeInstalled(const UninstallPlan& plan, const std::atomic<bool>& stop) {
  RemoveResult result;
  if (plan.problem != FolderProblem::None) return result;
  const std::string folder = toFsPath(plan.folder).native();
  Fd root(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
  struct stat st;
  if (root.fd < 0) {
    // An uninstall that ran at the same time removed the folder it had made.
    result.complete = errno == ENOENT;
    return result;
  }
  if (::fstat(root.fd, &st) != 0) return result;
  const dev_t device = st.st_dev;
  // An install running into the folder finishes first, so its record is complete; the record
  // is read again once it has, and an uninstall that ran meanwhile leaves none to read.
  while (::flock(root.fd, LOCK_EX) != 0 && errno == EINTR) {
  }
  InstallManifest manifest = plan.manifest;
  if (InstallManifest now; loadManifest(plan.folder, now) && now.folder == manifest.folder) {
    manifest = std::move(now);
  } else if (::fstatat(root.fd, kManifestName, &st, AT_SYMLINK_NOFOLLOW) != 0 && errno == ENOENT) {
    result.complete = true;
    return result;
  }
  for (const std::string& file : manifest.files) {
    if (stop) return result;  // the whole record stays
    std::string leaf;
    Fd parent(openParent(root.fd, device, toFsPath(file).native(), leaf));
    if (parent.fd < 0) continue;  // already gone with its folder
    // A name of ours that is now a folder is not what was installed: it stays, and is told.
    if (::fstatat(parent.fd, leaf.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (S_ISDIR(st.st_mode) || ::unlinkat(parent.fd, leaf.c_str(), 0) != 0)
      result.left.push_back(file);
  }
  // Deepest first; a folder that still holds something (the user's) stays.
  std::vector<std::string> folders = manifest.folders;
  std::sort(folders.begin(), folders.end(), [](const std::string& a, const std::string& b) {
    return std::count(a.begin(), a.end(), '/') > std::count(b.begin(), b.end(), '/');
  });
  for (const std::string& f : folders) {
    std::string leaf;
    Fd parent(openParent(root.fd, device, toFsPath(f).native(), leaf));
    if (parent.fd >= 0 && ::unlinkat(parent.fd, leaf.c_str(), AT_REMOVEDIR) != 0 &&
        errno != ENOENT && errno != ENOTEMPTY)
      result.left.push_back(f + "/");
  }
  if (!result.left.empty()) {
    // The record now lists what is left; if it cannot be rewritten the whole one stays.
    InstallManifest rest = manifest;
    rest.files.clear();
    for (const std::string& f : result.left)
      if (f.back() != '/') rest.files.push_back(f);
    saveManifest(plan.folder, rest);
    return result;
  }
  // What a killed install left of its own goes with the rest.
  lzh::removeStaleWork(root.fd, device);
  if (::unlinkat(root.fd, kManifestName, 0) != 0) {
    result.left.push_back(kManifestName);
    return result;
  }
  if (manifest.madeFolder) ::rmdir(folder.c_str());
  result.complete = true;
  return result;
}

std::string leftFilesText(const std::string& folder, const std::vector<std::string>& left) {
  constexpr size_t kShown = 5;
  std::string text = cformat("%zu ", left.size()) + sj("個のファイルを削除できませんでした。");
  for (size_t i = 0; i < left.size() && i < kShown; ++i) text += "\n" + folder + left[i];
  if (left.size() > kShown)
    text += "\n" + sj("ほか ") + cformat("%zu ", left.size() - kShown) + sj("個");
  return text + "\n" + sj("もう一度アンインストールすると、残りを削除します。");
}

}  // namespace nv::setup
