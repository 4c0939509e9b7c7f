#pragma once
// Dialogs for tests: every dialog must have been expected, in order, and is answered from
// the script; each call is recorded with its request so tests can check titles, filters and
// proposed names. A dialog nobody expected, or an expectation never met, fails the test.
#include <deque>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace nvtest {

struct DialogCall {
  enum Kind { Open, Save, Color, PrinterSetup } kind = Open;
  nv::FileRequest request;                                      // Open, Save
  int32_t initialColor = 0;                                     // Color
  nv::PageOrientation orientation = nv::PageOrientation::Keep;  // PrinterSetup
};

class ScriptedDialogs : public nv::Dialogs {
 public:
  ScriptedDialogs();            // installs itself
  ~ScriptedDialogs() override;  // fails for expectations left unmet; uninstalls itself

  // Chosen paths are given as UTF-8 and answered as CP932.
  ScriptedDialogs& expectOpen(const std::string& pathUtf8);
  ScriptedDialogs& expectOpenFiles(const std::vector<std::string>& pathsUtf8);
  ScriptedDialogs& expectSave(const std::string& pathUtf8);
  ScriptedDialogs& expectColor(int32_t chosen);
  ScriptedDialogs& expectPrinterSetup(bool accepted = true);
  // The dialog of this kind is cancelled.
  ScriptedDialogs& expectCancel(DialogCall::Kind kind);

  bool openFiles(const nv::FileRequest& request, std::vector<std::string>& paths) override;
  bool saveFile(const nv::FileRequest& request, std::string& path) override;
  bool chooseColor(int32_t initial, int32_t& chosen) override;
  bool printerSetup(nv::PageOrientation orientation) override;

  const std::vector<DialogCall>& calls() const { return calls_; }
  bool allSatisfied() const { return expected_.empty(); }

 private:
  struct Answer {
    DialogCall::Kind kind = DialogCall::Open;
    bool accepted = true;
    std::vector<std::string> paths;  // CP932
    int32_t color = 0;
  };
  // The next answer when it is of this kind; nullptr (test failed) otherwise.
  const Answer* next(const DialogCall& call);

  std::deque<Answer> expected_;
  Answer current_;
  std::vector<DialogCall> calls_;
  nv::Dialogs* previous_;
};

}  // namespace nvtest
