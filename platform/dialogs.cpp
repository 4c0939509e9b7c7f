#include "platform/dialogs.h"

namespace nv {
namespace {

// Headless runs have nobody to ask: every dialog is cancelled.
class CancellingDialogs : public Dialogs {
 public:
  bool openFiles(const FileRequest&, std::vector<std::string>&) override { return false; }
  bool saveFile(const FileRequest&, std::string&) override { return false; }
  bool chooseColor(int32_t, int32_t&) override { return false; }
  bool printerSetup(PageOrientation) override { return false; }
};

CancellingDialogs cancelling;
Dialogs* current = &cancelling;

}  // namespace

bool Dialogs::openFile(const FileRequest& request, std::string& path) {
  FileRequest single = request;
  single.allowMultiple = false;
  std::vector<std::string> paths;
  if (!openFiles(single, paths) || paths.empty()) return false;
  path = paths.front();
  return true;
}

Dialogs& dialogs() { return *current; }

Dialogs* setDialogs(Dialogs* d) {
  Dialogs* previous = current;
  current = d ? d : &cancelling;
  return previous;
}

}  // namespace nv
