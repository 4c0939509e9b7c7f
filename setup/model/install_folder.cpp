#include "setup/model/install_folder.h"

#include <filesystem>

#include "platform/paths.h"
#include "platform/text.h"

namespace nv::setup {
namespace {
std::string withSlash(std::string s) {
  if (s.empty() || s.back() != '/') s += '/';
  return s;
}
}  // namespace

std::string storedInstallFolder(const std::string& typed) {
  if (typed.empty()) return {};
  std::error_code ec;
  std::filesystem::path p = std::filesystem::absolute(toFsPath(typed), ec);
  if (ec) return withSlash(typed);
  std::filesystem::path c = std::filesystem::weakly_canonical(p, ec);
  if (ec) c = p.lexically_normal();
  std::string s = fromFsPath(c);
  while (s.size() > 1 && s.back() == '/') s.pop_back();
  return withSlash(s);
}

bool isHomeOrAbove(const std::string& folder, const std::string& home) {
  if (home.empty()) return false;
  const std::string f = storedInstallFolder(folder), h = storedInstallFolder(home);
  return h.compare(0, f.size(), f) == 0;
}

FolderProblem installFolderProblem(const std::string& folder, const std::string& home) {
  if (folder.empty()) return FolderProblem::Empty;
  if (storedInstallFolder(folder) == "/") return FolderProblem::Root;
  if (isHomeOrAbove(folder, home)) return FolderProblem::HomeOrAbove;
  return FolderProblem::None;
}

std::string folderProblemCaption(bool uninstalling) {
  return sj(uninstalling ? "アンインストールできません" : "インストールできません");
}

std::string folderProblemText(FolderProblem problem, const std::string& folder, bool uninstalling) {
  const std::string nothing = uninstalling ? sj("\n何も削除していません。") : std::string();
  switch (problem) {
    case FolderProblem::None:
      return {};
    case FolderProblem::Empty:
      return sj("インストールする場所が空です。フォルダーを入力してください。");
    case FolderProblem::Root:
      return sj(uninstalling ? "「/」はアンインストールできません。"
                             : "「/」にはインストールできません。") +
             nothing;
    case FolderProblem::HomeOrAbove:
      return folder +
             sj(uninstalling ? "\nはホームフォルダーかそれを含むフォルダーなので、アンインストール"
                               "できません。"
                             : "\nはホームフォルダーかそれを含むフォルダーなので、インストールでき"
                               "ません。") +
             nothing;
    case FolderProblem::Link:
      return folder +
             sj("\nはシンボリックリンクなので、アンインストールできません。リンク先のフォルダーを"
                "インストールする場所に選んでください。") +
             nothing;
    case FolderProblem::NoRecord:
      return folder + sj("\nには nvsetup がインストールした記録がありません。") + nothing;
    case FolderProblem::OtherFolder:
      return folder + sj("\nにあるインストールの記録は、別のフォルダーのものです。") + nothing;
  }
  return {};
}

}  // namespace nv::setup
