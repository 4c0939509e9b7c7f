#include "core/converted_file.h"

#include <filesystem>
#include <system_error>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace nv {

bool sameFile(std::string_view a, std::string_view b) {
  if (a.empty() || b.empty()) return false;
  std::error_code ec;
  const bool same = std::filesystem::equivalent(toFsPath(a), toFsPath(b), ec);
  if (!ec) return same;
  // A file that does not exist yet is no other file; the same spelling is the same file.
  return a == b;
}

Result outputsAreNotInputs(std::initializer_list<std::string_view> inputs,
                           std::initializer_list<std::string_view> outputs) {
  for (std::string_view out : outputs)
    for (std::string_view in : inputs)
      if (sameFile(out, in))
        return Result::failure(
            messageBox(std::string(out),
                       sj("出力先のファイルが入力ファイルと同じなので、変換しません"), Icon::Stop),
            "an output is an input");
  return {};
}

bool textOutputMayReplace(std::string_view path) {
  std::error_code ec;
  if (std::filesystem::symlink_status(toFsPath(path), ec).type() ==
      std::filesystem::file_type::not_found)
    return true;
  std::string bytes;
  return readFile(path, bytes) && bytes.find('\0') == std::string::npos;
}

std::string backupPathOf(std::string_view path) { return std::string(path) + ".bak"; }

Result replaceKeepingBackup(std::string_view path, std::string_view bytes,
                            const char* writeFailedCaptionUtf8) {
  std::error_code ec;
  if (std::filesystem::exists(toFsPath(path), ec)) {
    std::string old;
    const std::string backup = backupPathOf(path);
    if (!readFile(path, old) || !writeFileAtomic(backup, old))
      return Result::failure(
          messageBox(backup,
                     sj("元のデータファイルを控えておけないため、データファイルを置き換えません"),
                     Icon::Stop),
          "no backup");
  }
  const SaveStatus saved = saveFile(path, bytes);
  if (saved == SaveStatus::Ok) return {};
  // A write-protected file is said to be one: "cannot write" alone leaves no clue why.
  return Result::failure(
      messageBox(saveFailureText(path, saved), sj(writeFailedCaptionUtf8), Icon::Stop),
      "cannot write");
}

}  // namespace nv
