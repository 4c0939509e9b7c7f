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
  if (oldName == newName) return true;
  if (!fileExists(from)) {
    prompt().messageBox(from, sj("ファイルが見つかりません"), Icon::Stop, Buttons::Ok);
    return false;
  }
  if (newName.empty() || newName.find('/') != std::string_view::npos || fileExists(to)) {
    prompt().messageBox(to, sj("この名前には変更できません"), Icon::Stop, Buttons::Ok);
    return false;
  }
  std::error_code ec;
  std::filesystem::rename(toFsPath(from), toFsPath(to), ec);
  if (ec) {
    prompt().messageBox(from, sj("ファイル名を変更できません"), Icon::Stop, Buttons::Ok);
    return false;
  }
  return true;
}

}  // namespace nv
