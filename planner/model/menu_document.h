#pragma once
// The menu planner's document commands: new, open, save, save as, the save question, the
// recent-files list and the choice of the menu to start with. The windows behind them (the
// chosen-menu window that reads and writes the file, the name-entry dialog, the re-open
// dialog, the window title) are reached through hooks, so the rules run without a screen.
#include <functional>
#include <string>
#include <vector>

namespace nv {

class RecentFiles;
class TKojinData;

// What the re-open dialog ended with.
struct ReOpenChoice {
  enum Kind {
    Open,           // "選択": open `path`
    New,            // "新規作成": the profile dialog was accepted; the menu stays new
    DeleteHistory,  // "履歴の削除": the list was cleared
    Closed          // closed otherwise: nothing to open
  } kind = Closed;
  std::string path;  // CP932, for Open
};

class MenuDocument {
 public:
  static constexpr const char* kUnnamed = "default";

  struct Hooks {
    std::function<bool()> modified;                        // the changed mark
    std::function<void(bool)> setModified;                 //
    std::function<bool(const std::string&)> loadMenuFile;  // reports its own failures
    std::function<bool(const std::string&)> saveMenuFile;  // clears the changed mark
    std::function<void()> clearAll;                        // empties every meal
    std::function<bool()> profileDialog;                   // true when accepted
    // The re-open dialog over the list, with the profile dialog for its "新規作成".
    std::function<ReOpenChoice(RecentFiles&, std::function<bool()>)> reOpenDialog;
    std::function<void(const std::string&)> setTitle;       // "Nuvelta:" + path
    std::function<void(const std::string&)> retitleCharts;  // with the profile's name
    std::function<void()> refresh;                          // the chosen-menu display
  };
  Hooks hooks;

  // The profile and the list belong to the caller. defaultName: the default person name.
  MenuDocument(TKojinData& profile, RecentFiles& recent, std::string defaultName);

  const std::string& currentFileName() const { return currentFileName_; }
  const std::string& defaultName() const { return defaultName_; }
  RecentFiles& recentFiles() { return recent_; }
  static std::string titleFor(const std::string& fileName);

  // True when the caller may go on: nothing changed, saved, or the changes are discarded.
  bool AskToSave();
  // True when a new, empty menu was set up.
  bool NewMenu();
  bool OpenMenu(const std::string& path);
  // True when the file was written.
  bool SaveMenu();
  bool SaveMenuAs();
  // The recent list's path for a submenu caption, after the save question; false when the
  // question was cancelled or the file could not be opened.
  bool OpenRecent(const std::string& caption);
  // The profile dialog; an accepted one marks the menu changed. True when accepted.
  bool ProfileDialog();
  // The profile dialog, then the charts' titles and the chosen-menu display (GetNameAction).
  bool GetName();
  // The main window's new and open commands: a new menu, then the profile dialog; the open
  // dialog, then a new menu and the chosen file.
  bool NewAction();
  bool OpenAction();

  // The menu to start with. args: the menu files of the command line (the last existing one
  // wins); without any, the recent list and the auto-open flag decide.
  void ChooseStartMenu(const std::vector<std::string>& args, bool autoOpen);

 private:
  bool isModified() const { return hooks.modified && hooks.modified(); }
  void setFileName(const std::string& path);

  TKojinData& profile_;
  RecentFiles& recent_;
  std::string defaultName_;
  std::string currentFileName_ = kUnnamed;
};

}  // namespace nv
