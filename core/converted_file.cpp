#include "core/converted_file.h"

#include <filesystem>
#include <system_error>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/prompt.h"
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

bool outputsAreNotInputs(std::initializer_list<std::string_view> inputs,
                         std::initializer_list<std::string_view> outputs) {
  for (std::string_view out : outputs)
    for (std::string_view in : inputs)
      if (sameFile(out, in)) {
        prompt().messageBox(std::string(out),
                            sj("出力先のファイルが入力ファイルと同じなので、変換しません"),
                            Icon::Stop, Buttons::Ok);
        return false;
      }
  return true;
}

std::string backupPathOf(std::string_view path) { return std::string(path) + ".bak"; }

bool replaceKeepingBackup(std::string_view path, std::string_view bytes,
                          const char* writeFailedCaptionUtf8) {
  std::error_code ec;
  if (std::filesystem::exists(toFsPath(path), ec)) {
    std::string old;
    const std::string backup = backupPathOf(path);
    if (!readFile(path, old) || !writeFileAtomic(backup, old)) {
      prompt().messageBox(backup,
                          sj("元のデータファイルを控えておけないため、データファイルを置き換え"
                             "ません"),
                          Icon::Stop, Buttons::Ok);
      return false;
    }
  }
  if (writeFileAtomic(path, bytes)) return true;
  prompt().messageBox(std::string(path), sj(writeFailedCaptionUtf8), Icon::Stop, Buttons::Ok);
  return false;
}

}  // namespace nv
