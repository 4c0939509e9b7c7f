#include "setup/lzh/archiver.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <future>
#include <thread>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "setup/lzh/archiver_codes.h"
#include "setup/lzh/command_line.h"
#include "setup/lzh/lzh_reader.h"
#include "setup/lzh/lzh_writer.h"
#include "setup/lzh/sfx.h"

namespace nv::lzh {
namespace {

bool isOption(const std::string& w) { return !w.empty() && w[0] == '-'; }

// The archive after adding `items`: members of an existing archive are kept unless replaced.
int updateArchive(const std::string& archive, const std::vector<AddItem>& items) {
  if (archive.empty()) return kNoArchiveName;
  if (items.empty()) return kNeedFileName;
  std::vector<ArchiveMember> members;
  if (fileExists(archive)) {
    ReadResult r = readArchive({archive, 0}, [&](const MemberInfo& info, const std::string& data,
                                                 int64_t mtime, uint16_t mode) {
      members.push_back({info.name, info.isFolder, data, mtime, mode});
    });
    if (r.code) return r.code;
  }
  auto indexOf = [&](const std::string& name) {
    for (size_t i = 0; i < members.size(); ++i)
      if (members[i].name == name) return static_cast<int>(i);
    return -1;
  };
  std::vector<ArchiveMember> added;
  for (const AddItem& item : items) {
    // Folders above a stored name become members of their own, once each.
    std::string parent = folderOf(item.name);
    std::vector<std::string> parents;
    while (!parent.empty() && parent != "/") {
      parents.push_back(parent);
      parent = folderOf(parent);
    }
    for (auto it = parents.rbegin(); it != parents.rend(); ++it) {
      if (indexOf(*it) >= 0) continue;
      ArchiveMember folder;
      // The folder on disk: the item's path with its stored name taken off the end.
      std::string base = item.path.size() >= item.name.size()
                             ? item.path.substr(0, item.path.size() - item.name.size())
                             : std::string();
      if (loadMember(base + *it, *it, folder) != 0 || !folder.isFolder)
        folder = ArchiveMember{*it, true, {}, 0, 0755};
      members.push_back(folder);
    }
    ArchiveMember m;
    if (int code = loadMember(item.path, item.name, m)) return code;
    int at = indexOf(item.name);
    if (at >= 0)
      members[at] = std::move(m);
    else
      members.push_back(std::move(m));
  }
  // Members compress independently, so they are encoded in parallel.
  std::vector<std::string> encoded(members.size());
  unsigned workers = std::max(1u, std::min(4u, std::thread::hardware_concurrency()));
  std::atomic<size_t> next{0};
  std::vector<std::future<void>> jobs;
  for (unsigned w = 0; w < workers; ++w)
    jobs.push_back(std::async(std::launch::async, [&] {
      for (size_t i; (i = next++) < members.size();) encoded[i] = encodeMember(members[i]);
    }));
  for (auto& j : jobs) j.get();
  std::string out;
  for (const auto& e : encoded) out += e;
  out.push_back('\0');
  std::error_code ec;
  std::filesystem::create_directories(toFsPath(folderOf(archive)), ec);
  if (!writeFileAtomic(archive, out)) return kWriteError;
  return 0;
}

ArchiverResult run(const std::vector<std::string>& words) {
  ArchiverResult result;
  if (words.empty()) {
    result.code = kBadCommand;
    return result;
  }
  const std::string& command = words[0];
  if (command[0] == '@') {
    std::string text;
    ResponseFile response;
    if (!readFile(command.substr(1), text) || !parseResponseFile(text, response)) {
      result.code = kResponseFileError;
      return result;
    }
    if (response.command != "u" && response.command != "a") {
      result.code = kBadCommand;
      return result;
    }
    result.code = updateArchive(response.archive, response.items);
    return result;
  }
  std::vector<std::string> args;
  std::string outputName;
  for (size_t i = 1; i < words.size(); ++i) {
    const std::string& w = words[i];
    if (w.rfind("-gr", 0) == 0) {
      outputName = w.substr(3);
      if (outputName.empty() && i + 1 < words.size()) outputName = words[++i];
    } else if (!isOption(w)) {
      args.push_back(w);
    }
  }
  if (command == "x" || command == "e") {
    if (args.empty()) {
      result.code = kNoArchiveName;
      return result;
    }
    if (!fileExists(args[0])) {
      result.code = kCannotOpenArchive;
      return result;
    }
    ReadResult r = extractArchive({args[0], 0}, args.size() > 1 ? args[1] : std::string("."));
    result.code = r.code;
    result.refused = r.refused;
    return result;
  }
  if (command == "u" || command == "a") {
    if (args.empty()) {
      result.code = kNoArchiveName;
      return result;
    }
    std::vector<AddItem> items;
    for (size_t i = 1; i < args.size(); ++i) items.push_back({args[i], fileNameOf(args[i])});
    result.code = updateArchive(args[0], items);
    return result;
  }
  if (command == "s") {
    if (args.empty()) {
      result.code = kNoArchiveName;
      return result;
    }
    std::string folder = args.size() > 1 ? args[1] : folderOf(args[0]);
    std::string name =
        outputName.empty() ? changeExtension(fileNameOf(args[0]), ".run") : outputName;
    std::string output = name[0] == '/' ? name : joinPath(folder, name);
    std::vector<MemberInfo> members;
    ReadResult check = listArchive({args[0], 0}, members);
    if (check.code) {
      result.code = check.code;
      return result;
    }
    result.code = makeSelfExtracting(args[0], output);
    return result;
  }
  result.code = kBadCommand;
  return result;
}

}  // namespace

ArchiverResult runArchiverCommand(const std::string& cp932CommandLine) {
  try {
    return run(splitCommandLine(cp932CommandLine));
  } catch (...) {
    ArchiverResult r;
    r.code = kStart;
    return r;
  }
}

}  // namespace nv::lzh

namespace nv {

bool RunArchiver(const std::string& cp932CommandLine) {
  int code = lzh::runArchiverCommand(cp932CommandLine).code & 0xFFFF;
  if (code != 0)
    prompt().messageBox(lzh::archiverResultText(code), {}, Icon::Information, Buttons::Ok);
  return code == 0;
}

}  // namespace nv
