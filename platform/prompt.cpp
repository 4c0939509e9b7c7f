#include "platform/prompt.h"

#include <cstdio>

#include "platform/text.h"

namespace nv {
namespace {
ConsolePrompt& consolePrompt() {
  static ConsolePrompt p;
  return p;
}
Prompt*& currentPrompt() {
  static Prompt* p = nullptr;
  return p;
}

class SilentProgress : public Progress {
 public:
  void setPosition(int64_t) override {}
};

Answer defaultAnswer(Buttons buttons) {
  switch (buttons) {
    case Buttons::YesNo:
    case Buttons::YesNoCancel:
      return Answer::Yes;
    case Buttons::RetryCancel:
      return Answer::Cancel;
    case Buttons::AbortRetryIgnore:
      return Answer::Abort;
    default:
      return Answer::Ok;
  }
}
}  // namespace

std::unique_ptr<Progress> openProgress(ProgressOpener* opener, const std::string& caption,
                                       int64_t minimum, int64_t maximum) {
  return opener ? opener->progress(caption, minimum, maximum) : nullptr;
}

Prompt& prompt() {
  Prompt* p = currentPrompt();
  return p ? *p : consolePrompt();
}

Prompt* setPrompt(Prompt* p) {
  Prompt* previous = currentPrompt();
  currentPrompt() = p;
  return previous;
}

Answer ConsolePrompt::messageBox(const std::string& text, const std::string& caption, Icon,
                                 Buttons buttons) {
  if (caption.empty())  // the archiver's boxes have none: no stray ": " before the text
    std::fprintf(stderr, "%s\n", cp932ToUtf8(text).c_str());
  else
    std::fprintf(stderr, "%s: %s\n", cp932ToUtf8(caption).c_str(), cp932ToUtf8(text).c_str());
  return defaultAnswer(buttons);
}

void ConsolePrompt::message(const std::string& text) {
  std::fprintf(stderr, "%s\n", cp932ToUtf8(text).c_str());
}

std::unique_ptr<Progress> ConsolePrompt::progress(const std::string&, int64_t, int64_t) {
  return std::make_unique<SilentProgress>();
}

Answer QuietPrompt::messageBox(const std::string&, const std::string&, Icon, Buttons buttons) {
  return defaultAnswer(buttons);
}

void QuietPrompt::message(const std::string&) {}

std::unique_ptr<Progress> QuietPrompt::progress(const std::string&, int64_t, int64_t) {
  return std::make_unique<SilentProgress>();
}

}  // namespace nv
