// The kitchen's name and file commands and its close question.
#include <QToolButton>

#include "bento/bentoubako_form.h"
#include "bento/model/bento_messages.h"
#include "bento/model/bento_save.h"
#include "bento/model/kitchen_placing.h"
#include "bento/qt_geometry.h"
#include "bento/selected_bentou_item.h"
#include "core/kojin_data.h"
#include "platform/dialogs.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/qt/documents_folder.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"

namespace nv {
namespace {

FileRequest saveFileRequest(const std::string& current) {
  FileRequest r;
  r.filter = sj("お弁当のデータ|*.nvub|全てのファイル(*.*)|*.*");
  r.defaultExt = "nvub";
  r.fileName = current;
  r.initialDir = saveStartFolder();
  return r;
}

}  // namespace

bool TBentoubakoForm::NameSetting() {
  if (!profileDialog || !profileDialog(profile_, this)) return false;
  saveFile_ =
      bentoSaveNameForChild(saveFile_, profile_.name(), settings_.saveDir, documentsFolder());
  return true;
}

void TBentoubakoForm::switchToWorkingView() {
  overview_ = false;
  setKeyFocus(kitchenFocusRing(false, {}).front());
  recomputeGraph();
  redraw();
}

void TBentoubakoForm::New() {
  if (ports.riceBall) ports.riceBall->close();
  if (!closeQuery()) return;
  clearPlaced();
  rebuildBringToFrontMenu();
  showGraph_ = false;
  overview_ = true;
  setKeyFocus(KitchenFocus::of(KitchenArea::SmallBox));
  closeAppliance();
  recomputeGraph();
  redraw();
  profile_.resetToDefaults();
  profile_.setName(defaultName_);
  saveFile_ = defaultBentoSaveName();
  modified_ = false;
}

void TBentoubakoForm::Open() {
  // Opening replaces the box: unsaved dishes are offered for saving first.
  if (!closeQuery()) return;
  std::string path;
  if (!dialogs().openFile(saveFileRequest(saveFile_), path)) return;
  loadFile(path);
}

bool TBentoubakoForm::loadFile(const std::string& path) {
  TKojinData profile = profile_;
  PlacedDishRecords records;
  // A file that cannot be read leaves the box as it was (the reader has said why).
  if (!openBentoSaveFile(path, scale(), profile, records)) return false;
  saveFile_ = path;
  ownFiles_.insert(path);
  clearPlaced();
  profile_ = profile;
  // The file keeps its places relative to the kitchen's layout at the scale it was saved
  // with (the reader has brought them to this scale): on this screen they follow the layout
  // and stay in their bounds, whatever the screen they came from.
  for (const PlacedDishRecord& r : records) {
    const KRect stored{r.left, r.top, r.left + r.width, r.top + r.height};
    createPlaced(r.name, qRect(placeStoredDish(areas_, stored, insideBox(r.name))));
  }
  rebuildBringToFrontMenu();
  overview_ = false;
  showGraph_ = false;
  closeAppliance();
  recomputeGraph();
  redraw();
  BoxFront->raise();
  modified_ = false;
  computeGrade();
  return true;
}

bool TBentoubakoForm::writeSaveFile() {
  PlacedDishRecords records;
  for (const TSelectedBentouItem* item : placedItems()) {
    const KRect r = storedPlaceOf(areas_, kRect(item->geometry()));
    records.push_back({item->dishName(), r.left, r.top, r.width(), r.height()});
  }
  if (!writeBentoSaveFile(saveFile_, profile_, scale(), records)) return false;
  ownFiles_.insert(saveFile_);
  showStatus(toQ(sj("「") + fileNameOf(saveFile_) + sj("」に保存しました")));
  return true;
}

bool TBentoubakoForm::mayOverwrite(const std::string& path) const {
  return ownFiles_.count(path) > 0 || !fileExists(path);
}

bool TBentoubakoForm::Save() {
  if (placed_.empty()) return emptyBoxNotSaved();
  if (saveFile_ == defaultBentoSaveName()) return SaveAs();
  if (!mayOverwrite(saveFile_)) {
    // Another box of the same name (a brother's, last week's) is not replaced unasked; No
    // lets the child choose another name.
    const Answer a = prompt().messageBox(
        sj("「") + fileNameOf(saveFile_) + sj("」はもうあります。上書きしますか？"), sj("確認"),
        Icon::Question, Buttons::YesNoCancel);
    if (a == Answer::No) return SaveAs();
    if (a != Answer::Yes) return false;
  }
  // A file that cannot be written keeps the changes marked (the writer has said why).
  if (!writeSaveFile()) return false;
  modified_ = false;
  return true;
}

bool TBentoubakoForm::SaveAs() {
  if (placed_.empty()) return emptyBoxNotSaved();
  FileRequest r = saveFileRequest(saveFile_);
  r.overwritePrompt = true;
  std::string path;
  if (!dialogs().saveFile(r, path)) return false;
  saveFile_ = path;
  // The dialog asked before replacing a file of that name.
  ownFiles_.insert(path);
  if (!writeSaveFile()) return false;
  modified_ = false;
  return true;
}

bool TBentoubakoForm::emptyBoxNotSaved() {
  // Empty boxes are never saved; the child is told rather than led to think it was.
  prompt().message(sj(kEmptyBoxNotSaved));
  modified_ = false;
  return true;
}

bool TBentoubakoForm::closeQuery() {
  if (!modified_) return true;
  switch (prompt().messageBox(sj("お弁当のデータが変更されています。保存しますか？"), sj("確認"),
                              Icon::Question, Buttons::YesNoCancel)) {
    case Answer::Yes:
      Save();
      return !modified_;
    case Answer::No:
      modified_ = false;
      return true;
    default:
      return false;
  }
}

void TBentoubakoForm::showSettings() {
  if (!ports.settings) return;
  KitchenSettings copy = settings_;
  if (!ports.settings->edit(*this, copy)) return;
  closeAppliance();
  settings_ = copy;
  Ini ini(iniPath());
  settings_.write(ini);
  ini.save();
}

void TBentoubakoForm::showAbout() {
  if (ports.about) {
    ports.about->showAbout(*this);
    return;
  }
  prompt().message(cformat("Nuvelta  Version %d.%d.%d  Build:%d", NV_VERSION_MAJOR,
                           NV_VERSION_MINOR, NV_VERSION_RELEASE, NV_VERSION_BUILD));
}

void TBentoubakoForm::showPreview() {
  if (ports.result) ports.result->showPreview(*this);
}

void TBentoubakoForm::showResult() {
  if (ports.result) ports.result->showResult(*this);
}

void TBentoubakoForm::afterResult(int action) {
  closeAppliance();
  redraw();
  switch (action) {
    case 1:
      close();
      break;
    case 2:
      Open();
      break;
    case 3:
      Save();
      break;
    case 4:
      New();
      break;
    default:
      break;
  }
}

}  // namespace nv
