#include "planner/model/menu_document.h"

#include "core/kojin_data.h"
#include "planner/model/recent_files.h"
#include "platform/dialogs.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/text.h"
#include "platform/user_folders.h"

namespace nv {

MenuDocument::MenuDocument(TKojinData& profile, RecentFiles& recent, std::string defaultName)
    : profile_(profile), recent_(recent), defaultName_(std::move(defaultName)) {}

std::string MenuDocument::titleFor(const std::string& fileName) {
  return "Nuvelta:" + (fileName == kUnnamed ? std::string() : fileName);
}

void MenuDocument::setFileName(const std::string& path) {
  currentFileName_ = path;
  if (hooks.setTitle) hooks.setTitle(titleFor(path));
}

bool MenuDocument::AskToSave() {
  if (!isModified()) return true;
  switch (prompt().messageBox(currentFileName_, sj("内容が変更されています。保存しますか？"),
                              Icon::Question, Buttons::YesNoCancel)) {
    case Answer::Yes:
      SaveMenu();
      // A cancelled or failed save leaves the mark: the caller must not go on.
      return !isModified();
    case Answer::No:
      if (hooks.setModified) hooks.setModified(false);
      return true;
    default:
      return false;
  }
}

bool MenuDocument::NewMenu() {
  if (!AskToSave()) return false;
  if (hooks.clearAll) hooks.clearAll();
  setFileName(kUnnamed);
  profile_.resetToDefaults();
  profile_.setName(defaultName_);
  if (hooks.retitleCharts) hooks.retitleCharts(profile_.name());
  if (hooks.refresh) hooks.refresh();
  return true;
}

bool MenuDocument::OpenMenu(const std::string& path) {
  if (!fileExists(path)) {
    prompt().messageBox(path, sj("ファイルが見つかりません"), Icon::Stop, Buttons::Ok);
    return false;
  }
  if (!hooks.loadMenuFile || !hooks.loadMenuFile(path)) return false;
  setFileName(path);
  recent_.add(path);
  if (hooks.retitleCharts) hooks.retitleCharts(profile_.name());
  return true;
}

bool MenuDocument::SaveMenu() {
  const std::string path = currentFileName_;
  if (folderOf(path).empty() || path == kUnnamed || path == profile_.name()) return SaveMenuAs();
  // A file that could not be written is not offered again as a recent file.
  if (!hooks.saveMenuFile || !hooks.saveMenuFile(path)) return false;
  recent_.add(path);
  setFileName(path);
  return true;
}

bool MenuDocument::SaveMenuAs() {
  if (profile_.name() == defaultName_) ProfileDialog();
  FileRequest request;
  request.defaultExt = "nvu";
  request.filter = sj("NVデータファイル(*.nvu)|*.nvu|全てのファイル(*.*)|*.*");
  request.fileName = fileNameOf(currentFileName_);
  if (currentFileName_ == kUnnamed && profile_.name() != defaultName_)
    request.fileName = profile_.name();
  request.initialDir = folderOf(currentFileName_);
  if (request.initialDir.empty()) request.initialDir = saveStartFolder();
  std::string chosen;
  if (!dialogs().saveFile(request, chosen)) return false;
  const std::string previous = currentFileName_;
  currentFileName_ = chosen;
  if (SaveMenu()) return true;
  // A failed write keeps the name the menu had, so the title and the next save stay true.
  currentFileName_ = previous;
  return false;
}

bool MenuDocument::OpenRecent(const std::string& caption) {
  if (!AskToSave()) return false;
  return OpenMenu(RecentFiles::pathOfCaption(caption));
}

bool MenuDocument::ProfileDialog() {
  if (!hooks.profileDialog || !hooks.profileDialog()) return false;
  if (hooks.setModified) hooks.setModified(true);
  // Every accepted name shows on the charts, also the one asked for before saving.
  if (hooks.retitleCharts) hooks.retitleCharts(profile_.name());
  return true;
}

bool MenuDocument::GetName() {
  const bool accepted = ProfileDialog();
  if (hooks.refresh) hooks.refresh();
  return accepted;
}

bool MenuDocument::NewAction() {
  if (!NewMenu()) return false;
  GetName();
  return true;
}

bool MenuDocument::OpenAction() {
  FileRequest request;
  request.defaultExt = "nvu";
  request.filter = sj("NVデータファイル(*.nvu)|*.nvu");
  std::string path;
  if (!dialogs().openFile(request, path)) return false;
  return NewMenu() && OpenMenu(path);
}

void MenuDocument::ChooseStartMenu(const std::vector<std::string>& args, bool autoOpen) {
  std::string chosen;
  if (args.empty()) {
    if (recent_.empty()) {
      GetName();
    } else if (autoOpen) {
      chosen = recent_.paths().front();
    } else if (hooks.reOpenDialog) {
      const ReOpenChoice choice = hooks.reOpenDialog(recent_, [this] { return ProfileDialog(); });
      if (choice.kind == ReOpenChoice::Open) chosen = choice.path;
      // The history is gone: start as on a first run, with the child's name.
      if (choice.kind == ReOpenChoice::DeleteHistory) GetName();
    }
  } else {
    for (const std::string& arg : args)
      if (fileExists(arg)) chosen = arg;
  }
  if (!chosen.empty()) OpenMenu(chosen);
}

}  // namespace nv
