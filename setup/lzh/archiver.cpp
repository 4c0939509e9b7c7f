#include "setup/lzh/archiver.h"

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "setup/lzh/archive_update.h"
#include "setup/lzh/archiver_codes.h"
#include "setup/lzh/command_line.h"
#include "setup/lzh/lzh_reader.h"
#include "setup/lzh/sfx.h"

namespace nv::lzh {
namespace {

bool isOption(const std::string& w) { return !w.empty() && w[0] == '-'; }

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

Result archiverStep(const std::string& cp932CommandLine) {
  const int code = lzh::runArchiverCommand(cp932CommandLine).code & 0xFFFF;
  if (code == 0) return {};
  return Result::failure(messageBox(lzh::archiverResultText(code), {}, Icon::Information),
                         "archiver code " + std::to_string(code));
}

bool RunArchiver(const std::string& cp932CommandLine) {
  return showResult(archiverStep(cp932CommandLine), prompt());
}

}  // namespace nv
