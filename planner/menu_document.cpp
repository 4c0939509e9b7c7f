#include "planner/menu_document.h"

#include "core/kondate_data.h"
#include "planner/model/menu_file.h"
#include "planner/planner_services.h"
#include "platform/dialogs.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/qt/documents_folder.h"
#include "platform/qt/prompt_texts.h"
#include "platform/result.h"
#include "platform/text.h"

using namespace Qt::StringLiterals;

namespace nv {

MenuDocument::MenuDocument(TKojinData& profile, std::string defaultName, QObject* parent)
    : QObject(parent), profile_(profile), defaultName_(std::move(defaultName)) {}

MenuDocument::~MenuDocument() = default;

std::string MenuDocument::titleFor(const std::string& fileName) {
  return "Nuvelta:" + (fileName == kUnnamed ? std::string() : fileName);
}

void MenuDocument::setFileName(const std::string& path) {
  fileName_ = path;
  emit fileNameChanged();
}

void MenuDocument::emitModifiedIf(bool before) {
  if (menu_.modified() != before) emit modifiedChanged(menu_.modified());
}

void MenuDocument::setModified(bool modified) {
  const bool before = menu_.modified();
  menu_.setModified(modified);
  emitModifiedIf(before);
}

// ---------------------------------------------------------------- edits

bool MenuDocument::addDish(int meal, SelDish dish) {
  const bool before = menu_.modified();
  if (!menu_.add(meal, std::move(dish))) return false;
  emit dishesChanged();
  emitModifiedIf(before);
  return true;
}

bool MenuDocument::setAmounts(int32_t serialNo, const TUsedFoodList& foods) {
  const bool before = menu_.modified();
  if (!menu_.setAmounts(serialNo, foods)) return false;
  emit dishesChanged();
  emitModifiedIf(before);
  return true;
}

void MenuDocument::removeDishes(const std::vector<int32_t>& serialNos) {
  const bool before = menu_.modified();
  for (int32_t serial : serialNos) menu_.remove(serial);
  menu_.setModified(true);
  emit dishesChanged();
  emitModifiedIf(before);
}

void MenuDocument::clearAll() {
  const bool before = menu_.modified();
  menu_.clearAll();
  emit menuReset();
  emitModifiedIf(before);
}

// ---------------------------------------------------------------- files

bool MenuDocument::writeFile(const std::string& path) {
  const bool before = menu_.modified();
  const bool ok = showResult(saveMenuFile(path, menu_, profile_, view_), prompt());
  emitModifiedIf(before);
  return ok;
}

bool MenuDocument::readFile(const std::string& path) {
  DishLookup lookup;
  const TKondateData* db = dishes_;
  lookup.nameOf = [db](int32_t n) { return db ? db->nameOf(n) : std::string(); };
  lookup.standardWeightOf = [db](int32_t n) { return db ? db->standardWeightOf(n) : 0.0; };
  const bool before = menu_.modified();
  KojinViewState view;
  if (!showResult(loadMenuFile(path, menu_, profile_, lookup, &view), prompt())) return false;
  view_ = view;
  emit menuReset();
  emitModifiedIf(before);
  emit viewStateLoaded(view_);
  return true;
}

// ---------------------------------------------------------------- commands

bool MenuDocument::AskToSave() {
  if (!isModified()) return true;
  switch (ask(fileName_, u"内容が変更されています。保存しますか？"_s, Icon::Question,
              Buttons::YesNoCancel)) {
    case Answer::Yes:
      SaveMenu();
      // A cancelled or failed save leaves the mark: the caller must not go on.
      return !isModified();
    case Answer::No:
      setModified(false);
      return true;
    default:
      return false;
  }
}

bool MenuDocument::NewMenu() {
  if (!AskToSave()) return false;
  clearAll();
  setFileName(kUnnamed);
  profile_.resetToDefaults();
  profile_.setName(defaultName_);
  emit profileChanged();
  return true;
}

bool MenuDocument::OpenMenu(const std::string& path) {
  if (!fileExists(path)) {
    ask(path, u"ファイルが見つかりません"_s, Icon::Stop, Buttons::Ok);
    return false;
  }
  if (!readFile(path)) return false;
  setFileName(path);
  recent_.add(path);
  emit profileChanged();
  return true;
}

bool MenuDocument::SaveMenu() {
  const std::string path = fileName_;
  if (folderOf(path).empty() || path == kUnnamed || path == profile_.name()) return SaveMenuAs();
  // A file that could not be written is not offered again as a recent file.
  if (!writeFile(path)) return false;
  recent_.add(path);
  setFileName(path);
  return true;
}

bool MenuDocument::SaveMenuAs() {
  if (profile_.name() == defaultName_) ProfileDialog();
  FileRequest request = fileRequest(u"NVデータファイル(*.nvu)|*.nvu|全てのファイル(*.*)|*.*"_s);
  request.defaultExt = "nvu";
  request.fileName = fileNameOf(fileName_);
  // The dialog adds ".nvu" to the proposed name.
  if (fileName_ == kUnnamed && profile_.name() != defaultName_)
    request.fileName = fileNameFromText(profile_.name(), 4);
  request.initialDir = folderOf(fileName_);
  if (request.initialDir.empty()) request.initialDir = saveStartFolder();
  std::string chosen;
  if (!dialogs().saveFile(request, chosen)) return false;
  const std::string previous = fileName_;
  fileName_ = chosen;
  if (SaveMenu()) return true;
  // A failed write keeps the name the menu had, so the title and the next save stay true.
  fileName_ = previous;
  return false;
}

bool MenuDocument::OpenRecent(const std::string& caption) {
  if (!AskToSave()) return false;
  return OpenMenu(RecentFiles::pathOfCaption(caption));
}

bool MenuDocument::ProfileDialog() {
  if (!profileEditor_ || !profileEditor_->editProfile(profile_, dialogParent_)) return false;
  setModified(true);
  // Every accepted name shows on the charts, also the one asked for before saving.
  emit profileChanged();
  return true;
}

bool MenuDocument::GetName() {
  const bool accepted = ProfileDialog();
  if (!accepted) emit profileChanged();  // the display is refreshed either way
  return accepted;
}

bool MenuDocument::NewAction() {
  if (!NewMenu()) return false;
  GetName();
  return true;
}

bool MenuDocument::OpenAction() {
  FileRequest request = fileRequest(u"NVデータファイル(*.nvu)|*.nvu"_s);
  request.defaultExt = "nvu";
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
    } else if (reOpen_ && profileEditor_) {
      const ReOpenChoice choice =
          reOpen_->choose(recent_, *profileEditor_, profile_, dialogParent_);
      if (choice.kind == ReOpenChoice::Open) chosen = choice.path;
      // The dialog's "新規作成" accepted a name: the new menu counts as changed.
      if (choice.kind == ReOpenChoice::New) {
        setModified(true);
        emit profileChanged();
      }
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
