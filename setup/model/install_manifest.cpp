#include "setup/model/install_manifest.h"

#include <sys/stat.h>
#include <unistd.h>

#include <set>

#include "platform/files.h"
#include "platform/paths.h"
#include "setup/lzh/lzh_header.h"

namespace nv::setup {

const char kManifestName[] = ".nvsetup-manifest";

namespace {
bool isLink(const std::string& path) {
  struct stat st;
  return ::lstat(toFsPath(path).c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

const char kFirstLine[] = "NVSETUP-MANIFEST 1";
constexpr uint64_t kMaxManifestBytes = uint64_t(16) << 20;

void addUnique(std::vector<std::string>& list, const std::vector<std::string>& more) {
  std::set<std::string> seen(list.begin(), list.end());
  for (const std::string& s : more)
    if (seen.insert(s).second) list.push_back(s);
}
}  // namespace

void InstallManifest::add(const std::vector<std::string>& moreFiles,
                          const std::vector<std::string>& moreFolders) {
  addUnique(files, moreFiles);
  addUnique(folders, moreFolders);
}

std::string manifestText(const InstallManifest& m) {
  std::string t = std::string(kFirstLine) + "\nfolder " + m.folder + "\nmade " +
                  (m.madeFolder ? "1" : "0") + "\n";
  for (const std::string& f : m.folders) t += "D " + f + "\n";
  for (const std::string& f : m.files) t += "F " + f + "\n";
  return t;
}

bool readManifestText(const std::string& text, InstallManifest& m) {
  m = InstallManifest{};
  size_t start = 0;
  int line = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    // A CR before the LF is an editor's line end: no recorded name holds a control character.
    const size_t cut = end > start && text[end - 1] == '\r' ? end - 1 : end;
    const std::string l = text.substr(start, cut - start);
    start = end + 1;
    if (line++ == 0) {
      if (l != kFirstLine) return false;
    } else if (l.rfind("folder ", 0) == 0) {
      m.folder = l.substr(7);
    } else if (l.rfind("made ", 0) == 0) {
      m.madeFolder = l == "made 1";
    } else if (l.size() > 2 && (l[0] == 'F' || l[0] == 'D') && l[1] == ' ') {
      const std::string name = l.substr(2);
      if (!lzh::isSafeMemberName(name) || lzh::normaliseMemberName(name) != name) continue;
      (l[0] == 'F' ? m.files : m.folders).push_back(name);
    }
  }
  return line > 0 && !m.folder.empty() && m.folder[0] == '/';
}

bool loadManifest(const std::string& folder, InstallManifest& manifest) {
  std::string text;
  return !isLink(joinPath(folder, kManifestName)) &&
         readFile(joinPath(folder, kManifestName), text, kMaxManifestBytes) &&
         readManifestText(text, manifest);
}

bool saveManifest(const std::string& folder, const InstallManifest& manifest) {
  // A link in its place was planted, not written by us: saving through it would write into
  // whatever file it names, outside the folder. The link goes; the record takes its name.
  const std::string path = joinPath(folder, kManifestName);
  if (isLink(path) && ::unlink(toFsPath(path).c_str()) != 0) return false;
  return writeFileAtomic(path, manifestText(manifest));
}

}  // namespace nv::setup
