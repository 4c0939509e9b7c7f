#pragma once
// MenuDocument: the one owner of the chosen menu. It holds the day's chosen dishes, the file
// they came from or go to, the changed mark and the recent-files list, reads and writes menu
// files, and runs the menu-file commands (new, open, save, save as, the save question, the
// menu to start with). Windows change the menu only through it and observe its signals; the
// name entry and the re-open dialog are reached through the interfaces of planner_services.h.
#include <QObject>
#include <string>
#include <vector>

#include "core/kojin_data.h"
#include "planner/model/recent_files.h"
#include "planner/model/selected_menu.h"

class QWidget;

namespace nv {

class ProfileEditor;
class ReOpenChooser;
class TKondateData;

class MenuDocument : public QObject {
  Q_OBJECT
 public:
  static constexpr const char* kUnnamed = "default";

  // The profile belongs to the caller and outlives the document. defaultName: the default
  // person name (CP932).
  MenuDocument(TKojinData& profile, std::string defaultName, QObject* parent = nullptr);
  ~MenuDocument() override;

  // --- Collaborators (set by makePlanner) ---
  // The dish database menu files are read against (names and standard weights by number).
  void setDishes(const TKondateData* dishes) { dishes_ = dishes; }
  void setProfileEditor(ProfileEditor* editor) { profileEditor_ = editor; }
  void setReOpenChooser(ReOpenChooser* chooser) { reOpen_ = chooser; }
  // The window the document's dialogs belong to.
  void setDialogParent(QWidget* parent) { dialogParent_ = parent; }

  // --- State ---
  const SelectedMenu& menu() const { return menu_; }
  TKojinData& profile() { return profile_; }
  const TKojinData& profile() const { return profile_; }
  const std::string& defaultName() const { return defaultName_; }
  const std::string& fileName() const { return fileName_; }
  // "Nuvelta:" followed by the path, or nothing after the colon while unnamed.
  static std::string titleFor(const std::string& fileName);
  std::string title() const { return titleFor(fileName_); }
  RecentFiles& recentFiles() { return recent_; }
  bool isModified() const { return menu_.modified(); }
  void setModified(bool modified);
  // The window settings stored with the menu (graph basis, active meal tab); the main window
  // keeps them current. After a read, the ones the file held.
  const KojinViewState& viewState() const { return view_; }
  void setViewState(const KojinViewState& view) { view_ = view; }

  // --- Edits (the chosen-menu window) ---
  int32_t nextSerial() { return menu_.nextSerial(); }
  // Appends the dish to meal 0..2 and its copy to the day; marks the menu changed.
  bool addDish(int meal, SelDish dish);
  bool setAmounts(int32_t serialNo, const TUsedFoodList& foods);
  void removeDishes(const std::vector<int32_t>& serialNos);
  // Empties every meal and clears the changed mark.
  void clearAll();

  // --- Files ---
  // Writes the menu to path (clears the changed mark); failures are reported.
  bool writeFile(const std::string& path);
  // Reads the menu and the profile from path; failures are reported and change nothing.
  bool readFile(const std::string& path);

  // --- Commands ---
  // True when the caller may go on: nothing changed, saved, or the changes discarded.
  bool AskToSave();
  bool NewMenu();
  bool OpenMenu(const std::string& path);
  bool SaveMenu();
  bool SaveMenuAs();
  // A recent-files menu item: the save question, then the path that follows the caption's
  // first three characters.
  bool OpenRecent(const std::string& caption);
  // The name entry; an accepted one marks the menu changed. True when accepted.
  bool ProfileDialog();
  // The name entry, then the display refreshed (GetNameAction).
  bool GetName();
  // NewAction: a new menu, then the name entry. OpenAction: the open dialog, a new menu and
  // the chosen file.
  bool NewAction();
  bool OpenAction();
  // The menu to start with: the last existing file of args; without args the recent list
  // and the auto-open flag decide (the re-open dialog when neither does).
  void ChooseStartMenu(const std::vector<std::string>& args, bool autoOpen);

 signals:
  void modifiedChanged(bool modified);
  // The file name (and so the window title) changed.
  void fileNameChanged();
  // Dishes were added, edited or removed.
  void dishesChanged();
  // The whole menu was replaced (cleared or read from a file).
  void menuReset();
  // A file was read: its window settings are in viewState().
  void viewStateLoaded(const nv::KojinViewState& view);
  // The profile changed (name entry, new menu, file read): the charts are retitled and every
  // percentage recomputed.
  void profileChanged();

 private:
  void setFileName(const std::string& path);
  void emitModifiedIf(bool before);

  TKojinData& profile_;
  std::string defaultName_;
  std::string fileName_ = kUnnamed;
  SelectedMenu menu_;
  RecentFiles recent_;
  KojinViewState view_;
  const TKondateData* dishes_ = nullptr;
  ProfileEditor* profileEditor_ = nullptr;
  ReOpenChooser* reOpen_ = nullptr;
  QWidget* dialogParent_ = nullptr;
};

}  // namespace nv
