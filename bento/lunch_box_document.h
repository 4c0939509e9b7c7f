#pragma once
// LunchBoxDocument: the one owner of the lunch box a child is making. It holds the dishes
// placed in the box (in stacking order, window pixels), the child whose box it is, the file
// the box came from or goes to and the changed mark; it reads and writes save files and starts
// a new box. The kitchen window is a view over it; tests use it without a window.
#include <QObject>
#include <functional>
#include <set>
#include <string>

#include "bento/model/bento_save.h"
#include "bento/model/placed_dishes.h"
#include "platform/result.h"

namespace nv {

class TKojinData;

class LunchBoxDocument : public QObject {
  Q_OBJECT
 public:
  // Where a dish read from a file is placed, and how a placed dish is stored: the kitchen's
  // layout decides both. Empty: the rectangle as it is.
  using PlaceStored = std::function<KRect(const PlacedDishRecord& stored)>;
  using StorePlace = std::function<KRect(const PlacedDish& dish)>;
  // The child-profile dialog; true when the child confirmed it.
  using ChildDialog = std::function<bool(TKojinData& child)>;

  // The child's profile belongs to the caller and outlives the document. defaultName: the
  // name a new box gives the child (CP932).
  LunchBoxDocument(TKojinData& child, std::string defaultName, QObject* parent = nullptr);
  ~LunchBoxDocument() override;

  // --- State ---
  const PlacedDishes& dishes() const { return dishes_; }
  NameList dishNames() const { return dishes_.names(); }
  TKojinData& child() { return child_; }
  const TKojinData& child() const { return child_; }
  const std::string& defaultName() const { return defaultName_; }
  void setDefaultName(std::string name) { defaultName_ = std::move(name); }
  // Until the box is named or saved: defaultBentoSaveName().
  const std::string& fileName() const { return fileName_; }
  void setFileName(const std::string& path);
  bool isModified() const { return modified_; }
  void setModified(bool modified);
  // The file may be written without asking: this document read or wrote it, a dialog that
  // asked before replacing it chose it (adoptFile), or it does not exist yet.
  bool mayOverwrite(const std::string& path) const;
  void adoptFile(const std::string& path) { ownFiles_.insert(path); }
  // Asks for the child's profile; once confirmed, the box's file takes the child's name
  // (see bentoSaveNameForChild; saveDir: the kitchen's BentouDataSaveDir). False, and the
  // file name kept, when the dialog was cancelled.
  bool confirmChild(const ChildDialog& ask, const std::string& saveDir);

  // --- Edits (each marks the box changed) ---
  // Appends the dish on top and returns its serial.
  int32_t addDish(std::string name, const KRect& rect);
  void moveDish(int32_t serial, const KRect& rect);
  void bringToFront(int32_t serial);
  void removeDish(int32_t serial);
  void removeAllDishes();
  // Empties the box without marking it changed (the box is about to be replaced).
  void clearDishes();

  // --- Files ---
  // Reads a save file: on success the child and the dishes are replaced, the file becomes
  // the box's and the changed mark is cleared; on failure nothing changes.
  Result load(const std::string& path, double scale, const PlaceStored& place = {});
  // Writes the box to fileName(); success clears the changed mark, failure keeps it.
  Result save(double scale, const StorePlace& store = {});
  // A new box: no dishes, the child's profile reset and named defaultName(), the default
  // file name, nothing changed.
  void newBox();

 signals:
  void modifiedChanged(bool modified);
  void fileNameChanged();
  // Dishes were added, moved, restacked or removed.
  void dishesChanged();
  // The whole box was replaced (a file read, a new box): the child may have changed too.
  void boxReset();

 private:
  TKojinData& child_;
  std::string defaultName_;
  std::string fileName_;
  bool modified_ = false;
  PlacedDishes dishes_;
  std::set<std::string> ownFiles_;
};

}  // namespace nv
