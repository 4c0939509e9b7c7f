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
#include "platform/qt/prompt_texts.h"
#include "platform/qt/qtext.h"
#include "platform/result.h"
#include "platform/text.h"

using namespace Qt::StringLiterals;

namespace nv {
namespace {

FileRequest saveFileRequest(const std::string& current) {
  FileRequest r = fileRequest(u"お弁当のデータ|*.nvub|全てのファイル(*.*)|*.*"_s);
  r.defaultExt = "nvub";
  r.fileName = current;
  r.initialDir = saveStartFolder();
  return r;
}

}  // namespace

bool TBentoubakoForm::NameSetting() {
  return document_.confirmChild(
      [this](TKojinData& child) { return profileDialog && profileDialog(child, this); },
      settings_.saveDir);
}

void TBentoubakoForm::switchToWorkingView() {
  overview_ = false;
  setKeyFocus(kitchenFocusRing(false, {}).front());
  recomputeGraph();
  redraw();
}

void TBentoubakoForm::New() {
  if (ports_.riceBall) ports_.riceBall->close();
  if (!closeQuery()) return;
  clearItems();
  document_.clearDishes();
  rebuildBringToFrontMenu();
  showGraph_ = false;
  overview_ = true;
  setKeyFocus(KitchenFocus::of(KitchenArea::SmallBox));
  closeAppliance();
  recomputeGraph();
  redraw();
  document_.newBox();
}

void TBentoubakoForm::Open() {
  // Opening replaces the box: unsaved dishes are offered for saving first.
  if (!closeQuery()) return;
  std::string path;
  if (!dialogs().openFile(saveFileRequest(document_.fileName()), path)) return;
  loadFile(path);
}

bool TBentoubakoForm::loadFile(const std::string& path) {
  const auto place = [this](const PlacedDishRecord& r) { return scene_.placeStored(r); };
  // A file that cannot be read leaves the box as it was.
  if (!nv::showResult(document_.load(path, scale(), place), prompt())) return false;
  clearItems();
  for (const PlacedDish& d : document_.dishes().dishes()) createItem(d);
  rebuildBringToFrontMenu();
  overview_ = false;
  showGraph_ = false;
  closeAppliance();
  recomputeGraph();
  redraw();
  BoxFront->raise();
  computeGrade();
  return true;
}

bool TBentoubakoForm::writeSaveFile() {
  const auto store = [this](const PlacedDish& d) { return storedPlaceOf(areas_, d.rect); };
  // A file that cannot be written keeps the changes marked.
  if (!nv::showResult(document_.save(scale(), store), prompt())) return false;
  showStatus(u"「"_s + toQ(fileNameOf(document_.fileName())) + u"」に保存しました"_s);
  return true;
}

bool TBentoubakoForm::Save() {
  if (document_.dishes().empty()) return emptyBoxNotSaved();
  const std::string& file = document_.fileName();
  if (file == defaultBentoSaveName()) return SaveAs();
  if (!document_.mayOverwrite(file)) {
    // Another box of the same name (a brother's, last week's) is not replaced unasked; No
    // lets the child choose another name. The name joins as its bytes: one CP932 cannot hold
    // is kept escaped and shown whole.
    const Answer a =
        ask(fromQ(u"「"_s) + fileNameOf(file) + fromQ(u"」はもうあります。上書きしますか？"_s),
            u"確認"_s, Icon::Question, Buttons::YesNoCancel);
    if (a == Answer::No) return SaveAs();
    if (a != Answer::Yes) return false;
  }
  return writeSaveFile();
}

bool TBentoubakoForm::SaveAs() {
  if (document_.dishes().empty()) return emptyBoxNotSaved();
  FileRequest r = saveFileRequest(document_.fileName());
  r.overwritePrompt = true;
  std::string path;
  if (!dialogs().saveFile(r, path)) return false;
  const std::string previous = document_.fileName();
  document_.setFileName(path);
  // The dialog asked before replacing a file of that name.
  if (writeSaveFile()) return true;
  // A failed write keeps the name the box had, so the next save stays true.
  document_.setFileName(previous);
  return false;
}

bool TBentoubakoForm::emptyBoxNotSaved() {
  // Empty boxes are never saved; the child is told rather than led to think it was.
  tell(QString::fromUtf8(kEmptyBoxNotSaved));
  document_.setModified(false);
  return true;
}

bool TBentoubakoForm::closeQuery() {
  if (!document_.isModified()) return true;
  switch (ask(u"お弁当のデータが変更されています。保存しますか？"_s, u"確認"_s, Icon::Question,
              Buttons::YesNoCancel)) {
    case Answer::Yes:
      Save();
      return !document_.isModified();
    case Answer::No:
      document_.setModified(false);
      return true;
    default:
      return false;
  }
}

void TBentoubakoForm::showSettings() {
  if (!ports_.settings) return;
  KitchenSettings copy = settings_;
  if (!ports_.settings->edit(*this, copy)) return;
  closeAppliance();
  settings_ = copy;
  Ini ini(iniPath());
  settings_.write(ini);
  ini.save();
}

void TBentoubakoForm::showAbout() {
  if (ports_.about) {
    ports_.about->showAbout(*this);
    return;
  }
  prompt().message(cformat("Nuvelta  Version %d.%d.%d  Build:%d", NV_VERSION_MAJOR,
                           NV_VERSION_MINOR, NV_VERSION_RELEASE, NV_VERSION_BUILD));
}

void TBentoubakoForm::showPreview() {
  if (ports_.result) ports_.result->showPreview(*this);
}

void TBentoubakoForm::showResult() {
  if (ports_.result) ports_.result->showResult(*this);
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
