#include "teacher/model/picture_rename.h"

#include <filesystem>
#include <system_error>

#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/text.h"

namespace nv {

bool renamePicture(std::string_view folder, std::string_view oldName, std::string_view newName) {
  const std::string from = joinPath(folder, std::string(oldName) + ".bmp");
  const std::string to = joinPath(folder, std::string(newName) + ".bmp");
  // The small picture goes with its picture; left behind it would be an orphan that the
  // check hides (names ending in "s" are not listed).
  const std::string smallFrom = joinPath(folder, std::string(oldName) + "s.bmp");
  const std::string smallTo = joinPath(folder, std::string(newName) + "s.bmp");
  if (oldName == newName) return true;
  if (!fileExists(from)) {
    prompt().messageBox(from, sj("ファイルが見つかりません"), Icon::Stop, Buttons::Ok);
    return false;
  }
  const bool withSmall = fileExists(smallFrom);
  if (newName.empty() || newName.find('/') != std::string_view::npos || fileExists(to) ||
      (withSmall && fileExists(smallTo))) {
    prompt().messageBox(fileExists(to) || !withSmall ? to : smallTo,
                        sj("この名前には変更できません"), Icon::Stop, Buttons::Ok);
    return false;
  }
  std::error_code ec;
  std::filesystem::rename(toFsPath(from), toFsPath(to), ec);
  if (!ec && withSmall) {
    std::filesystem::rename(toFsPath(smallFrom), toFsPath(smallTo), ec);
    // Both or neither: the first rename is undone.
    if (ec) {
      std::error_code back;
      std::filesystem::rename(toFsPath(to), toFsPath(from), back);
    }
  }
  if (ec) {
    prompt().messageBox(from, sj("ファイル名を変更できません"), Icon::Stop, Buttons::Ok);
    return false;
  }
  return true;
}

}  // namespace nv
