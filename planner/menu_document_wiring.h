#pragma once
// Puts the document commands behind the main window's file commands: the main window's
// hooks run the MenuDocument, whose hooks reach the chosen-menu window, the name-entry
// dialog, the re-open dialog and the window title.
#include <functional>
#include <string>
#include <vector>

namespace nv {

class MenuDocument;
class SelKondatePort;
class TMainForm;

struct MenuDocumentParts {
  TMainForm* form = nullptr;
  SelKondatePort* sel = nullptr;
  // The chosen-menu window's changed mark (the port only reads it).
  std::function<void(bool)> setModified;
  // The name-entry dialog on the profile; true when accepted.
  std::function<bool()> profileDialog;
  // The menu files of the command line (CP932); the last existing one is opened.
  std::vector<std::string> arguments;
};

// The document must use form->recentFiles() and the form's profile; all objects must live
// as long as the window.
void wireMenuDocument(MenuDocument& doc, const MenuDocumentParts& parts);

}  // namespace nv
