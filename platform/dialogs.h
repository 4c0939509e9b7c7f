#pragma once
// How logic asks the user for a file, a colour or the printer: the common dialogs. Windows
// and data classes call dialogs(); the program installs the Qt implementation, tests a
// scripted one. Without one every dialog counts as cancelled.
#include <cstdint>
#include <string>
#include <vector>

namespace nv {

struct FileRequest {
  std::string title;  // CP932; empty: the dialog's own title
  // Pairs of description and patterns, all separated by '|', patterns by ';':
  // "お弁当のデータ|*.nvub|全てのファイル(*.*)|*.*". CP932.
  std::string filter;
  int filterIndex = 1;          // 1-based pair shown first
  std::string defaultExt;       // added to a name typed without one ("nvu" or ".nvu")
  std::string initialDir;       // CP932 path; empty: the dialog's choice
  std::string fileName;         // proposed name, or a full path
  bool overwritePrompt = true;  // save: ask before replacing an existing file
  bool allowMultiple = false;   // open: several files may be chosen
  // open: only an existing file may be chosen. False for a file still to be made and for the
  // folder choosers, whose preset name "default" names no file.
  bool mustExist = true;
};

enum class PageOrientation { Keep, Portrait, Landscape };

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // True with at least one chosen path (CP932) when the user chose; false when cancelled.
  virtual bool openFiles(const FileRequest& request, std::vector<std::string>& paths) = 0;
  virtual bool saveFile(const FileRequest& request, std::string& path) = 0;
  // Colours are Windows colour integers (red in the low byte).
  virtual bool chooseColor(int32_t initial, int32_t& chosen) = 0;
  // The printer set-up of the program's one printer; the orientation is set before the
  // dialog opens ("set the printer to landscape, then set it up"). False when cancelled.
  virtual bool printerSetup(PageOrientation orientation) = 0;

  // One file from openFiles.
  bool openFile(const FileRequest& request, std::string& path);
};

// The process-wide Dialogs.
Dialogs& dialogs();
// Installs d (not owned; nullptr restores the one that cancels everything). Returns the
// previous one.
Dialogs* setDialogs(Dialogs* d);

class ScopedDialogs {
 public:
  explicit ScopedDialogs(Dialogs& d) : previous_(setDialogs(&d)) {}
  ~ScopedDialogs() { setDialogs(previous_); }
  ScopedDialogs(const ScopedDialogs&) = delete;
  ScopedDialogs& operator=(const ScopedDialogs&) = delete;

 private:
  Dialogs* previous_;
};

}  // namespace nv
