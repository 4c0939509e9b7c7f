#include "setup/model/jobs.h"

#include <fnmatch.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <thread>

#include "platform/paths.h"
#include "setup/lzh/safe_remove.h"

namespace nv::setup {
namespace {
namespace fs = std::filesystem;

bool lessIgnoringCase(const std::string& a, const std::string& b) {
  return strcasecmp(a.c_str(), b.c_str()) < 0;
}

struct Entry {
  std::string name;  // CP932
  bool isFolder;
  int64_t mtime;
  bool isLink;
};

// The entries of a folder, sorted by name; links are reported as what they are, not followed.
std::vector<Entry> listFolder(const std::string& folder) {
  std::vector<Entry> out;
  std::error_code ec;
  for (fs::directory_iterator it(toFsPath(folder), ec), end; !ec && it != end; it.increment(ec)) {
    struct stat st;
    if (::lstat(it->path().c_str(), &st) != 0) continue;
    out.push_back(
        {fromFsPath(it->path().filename()), S_ISDIR(st.st_mode), st.st_mtime, S_ISLNK(st.st_mode)});
  }
  std::sort(out.begin(), out.end(), [](const Entry& a, const Entry& b) { return a.name < b.name; });
  return out;
}

std::string withSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

void scanPair(const std::string& path, TBrCaFolder& current, const TBrCaFolder* previous,
              const std::vector<std::string>& patterns, const std::atomic<bool>& stop,
              ScanResult& result) {
  std::vector<Entry> entries = listFolder(path);
  for (const std::string& pattern : patterns) {
    for (const Entry& e : entries) {
      if (stop) return;
      if (e.isFolder || !matchesPattern(e.name, pattern)) continue;
      // A link would be packed as a copy of its target: it is left out and named.
      if (e.isLink) {
        if (std::find(result.skippedLinks.begin(), result.skippedLinks.end(), path + e.name) ==
            result.skippedLinks.end())
          result.skippedLinks.push_back(path + e.name);
        continue;
      }
      TBrCaFile file{path + e.name, dosStampFromUnix(e.mtime), 0};
      bool changed = true;
      if (previous && !previous->files.empty()) {
        for (const TBrCaFile& p : previous->files)
          if (p.path == file.path) {
            changed = p.stamp != file.stamp;
            break;
          }
      }
      file.changed = changed;
      if (changed) {
        result.updated = true;
        result.newestChanged = std::max(result.newestChanged, file.stamp);
      }
      result.newestAll = std::max(result.newestAll, file.stamp);
      current.files.push_back(std::move(file));
    }
  }
  for (const Entry& e : entries) {
    if (stop) return;
    if (!e.isFolder || e.name.empty() || e.name[0] == '.') continue;
    auto child = std::make_unique<TBrCaFolder>();
    child->path = path + e.name + "/";
    const TBrCaFolder* prevChild = nullptr;
    if (previous)
      for (const auto& c : previous->children)
        if (c->path == child->path) prevChild = c.get();
    TBrCaFolder& ref = *child;
    current.children.push_back(std::move(child));
    scanPair(ref.path, ref, prevChild, patterns, stop, result);
  }
}

}  // namespace

bool matchesPattern(const std::string& name, const std::string& pattern) {
  std::string p = pattern == "*.*" ? std::string("*") : pattern;
  return ::fnmatch(p.c_str(), name.c_str(), FNM_CASEFOLD) == 0;
}

std::vector<std::string> searchArchives(std::vector<std::string> folders,
                                        const std::vector<std::string>& patterns,
                                        const std::atomic<bool>& stop) {
  std::sort(folders.begin(), folders.end());
  std::vector<std::string> unique;
  for (const std::string& f : folders)
    if (unique.empty() || strcasecmp(withSlash(unique.back()).c_str(), withSlash(f).c_str()) != 0)
      unique.push_back(f);
  std::vector<std::string> found;
  int32_t newest = 0;
  bool any = false;
  for (const std::string& folder : unique) {
    std::vector<Entry> entries = listFolder(folder);
    for (const std::string& pattern : patterns)
      for (const Entry& e : entries) {
        if (stop) return found;
        if (e.isFolder || !matchesPattern(e.name, pattern)) continue;
        int32_t stamp = dosStampFromUnix(e.mtime);
        std::string path = withSlash(folder) + e.name;
        if (!any || stamp > newest) {
          found.insert(found.begin(), path);
          newest = stamp;
          any = true;
        } else {
          found.push_back(path);
        }
      }
  }
  return found;
}

void orderArchiveResults(std::vector<std::string>& found) {
  if (found.size() <= 2) return;
  std::stable_sort(found.begin() + 1, found.end(), lessIgnoringCase);
}

ScanResult scanSource(const std::string& sourceFolder, TBrCaFolder& current,
                      const TBrCaFolder* previous, const std::vector<std::string>& patterns,
                      const std::atomic<bool>& stop) {
  ScanResult result;
  scanPair(withSlash(sourceFolder), current, previous, patterns, stop, result);
  if (stop) result.updated = false;
  return result;
}

void deleteTree(const std::string& folder, const std::atomic<bool>& stop) {
  lzh::removeTree(toFsPath(folder).native(), &stop);
}

std::shared_ptr<Job> Job::start(std::function<void(const std::atomic<bool>&)> work,
                                std::function<void()> done, Post post) {
  auto job = std::make_shared<Job>();
  std::thread([job, work = std::move(work), done = std::move(done), post = std::move(post)] {
    work(job->stop_);
    post(done);
  }).detach();
  return job;
}

}  // namespace nv::setup
