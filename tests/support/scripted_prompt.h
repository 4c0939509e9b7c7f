#pragma once
// A Prompt for tests: every box and message must have been expected, in order; each is
// checked (text, caption, icon, buttons) and answered from the script. Progress windows are
// recorded. Anything unexpected, or expected but never shown, fails the test.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/prompt.h"

namespace nvtest {

struct PromptEvent {
  enum Kind { Box, Message } kind = Box;
  std::string text;     // CP932
  std::string caption;  // CP932
  nv::Icon icon = nv::Icon::None;
  nv::Buttons buttons = nv::Buttons::Ok;
};

struct ProgressEvent {
  std::string caption;
  int64_t minimum = 0, maximum = 0;
  std::vector<int64_t> positions;
  bool closed = false;
};

class ScriptedPrompt : public nv::Prompt {
 public:
  ScriptedPrompt();
  ~ScriptedPrompt() override;  // fails for expectations left unmet; uninstalls itself

  // Texts are given as UTF-8 literals and compared as CP932.
  ScriptedPrompt& expectBox(const std::string& textUtf8, const std::string& captionUtf8,
                            nv::Icon icon, nv::Buttons buttons = nv::Buttons::Ok,
                            nv::Answer answer = nv::Answer::Ok);
  ScriptedPrompt& expectMessage(const std::string& textUtf8);

  nv::Answer messageBox(const std::string& text, const std::string& caption, nv::Icon icon,
                        nv::Buttons buttons) override;
  void message(const std::string& text) override;
  std::unique_ptr<nv::Progress> progress(const std::string& caption, int64_t minimum,
                                         int64_t maximum) override;

  const std::vector<PromptEvent>& shown() const { return shown_; }
  const std::vector<ProgressEvent>& progressWindows() const { return progress_; }
  bool allSatisfied() const { return expected_.empty(); }

 private:
  struct Expected {
    PromptEvent event;
    nv::Answer answer;
  };
  std::deque<Expected> expected_;
  std::vector<PromptEvent> shown_;
  std::vector<ProgressEvent> progress_;
  nv::Prompt* previous_;
};

}  // namespace nvtest
