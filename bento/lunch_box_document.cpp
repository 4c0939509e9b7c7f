#include "bento/lunch_box_document.h"

#include "core/kojin_data.h"
#include "platform/paths.h"
#include "platform/qt/documents_folder.h"

namespace nv {

LunchBoxDocument::LunchBoxDocument(TKojinData& child, std::string defaultName, QObject* parent)
    : QObject(parent),
      child_(child),
      defaultName_(std::move(defaultName)),
      fileName_(defaultBentoSaveName()) {}

LunchBoxDocument::~LunchBoxDocument() = default;

void LunchBoxDocument::setFileName(const std::string& path) {
  if (path == fileName_) return;
  fileName_ = path;
  emit fileNameChanged();
}

void LunchBoxDocument::setModified(bool modified) {
  if (modified == modified_) return;
  modified_ = modified;
  emit modifiedChanged(modified);
}

bool LunchBoxDocument::mayOverwrite(const std::string& path) const {
  return ownFiles_.count(path) > 0 || !fileExists(path);
}

bool LunchBoxDocument::confirmChild(const ChildDialog& ask, const std::string& saveDir) {
  if (!ask || !ask(child_)) return false;
  setFileName(bentoSaveNameForChild(fileName_, child_.name(), saveDir, documentsFolder()));
  return true;
}

int32_t LunchBoxDocument::addDish(std::string name, const KRect& rect) {
  const int32_t serial = dishes_.append(std::move(name), rect);
  setModified(true);
  emit dishesChanged();
  return serial;
}

void LunchBoxDocument::moveDish(int32_t serial, const KRect& rect) {
  if (PlacedDish* d = dishes_.find(serial)) d->rect = rect;
  setModified(true);
  emit dishesChanged();
}

void LunchBoxDocument::bringToFront(int32_t serial) {
  setModified(true);
  if (dishes_.bringToFront(serial)) emit dishesChanged();
}

void LunchBoxDocument::removeDish(int32_t serial) {
  if (!dishes_.remove(serial)) return;
  setModified(true);
  emit dishesChanged();
}

void LunchBoxDocument::removeAllDishes() {
  if (dishes_.empty()) return;
  dishes_.clear();
  setModified(true);
  emit dishesChanged();
}

void LunchBoxDocument::clearDishes() {
  if (dishes_.empty()) return;
  dishes_.clear();
  emit dishesChanged();
}

Result LunchBoxDocument::load(const std::string& path, double scale, const PlaceStored& place) {
  TKojinData child = child_;
  PlacedDishRecords records;
  Result result = openBentoSaveFile(path, scale, child, records);
  if (!result.ok()) return result;
  child_ = child;
  dishes_.clear();
  for (const PlacedDishRecord& r : records) {
    const KRect stored{r.left, r.top, r.left + r.width, r.top + r.height};
    dishes_.append(r.name, place ? place(r) : stored);
  }
  ownFiles_.insert(path);
  setFileName(path);
  setModified(false);
  emit boxReset();
  return result;
}

Result LunchBoxDocument::save(double scale, const StorePlace& store) {
  PlacedDishRecords records;
  for (const PlacedDish& d : dishes_.dishes()) {
    const KRect r = store ? store(d) : d.rect;
    records.push_back({d.name, r.left, r.top, r.width(), r.height()});
  }
  Result result = writeBentoSaveFile(fileName_, child_, scale, records);
  if (!result.ok()) return result;
  ownFiles_.insert(fileName_);
  setModified(false);
  return result;
}

void LunchBoxDocument::newBox() {
  dishes_.clear();
  child_.resetToDefaults();
  child_.setName(defaultName_);
  setFileName(defaultBentoSaveName());
  setModified(false);
  emit boxReset();
}

}  // namespace nv
