#pragma once
// What a reader, writer or operation of the Qt-free code hands back instead of showing
// anything itself: whether it succeeded, the messages the user is to see (in the order they
// are to be seen) and a detail for callers that have no user to show a message to. The
// caller shows it: a window through its Prompt (showResult), nvtool on stderr.
#include <functional>
#include <string>
#include <vector>

#include "platform/prompt.h"

namespace nv {

// One message as the user sees it: a box (text, caption, icon, buttons) or a plain message
// window (its text under the program's title). Texts are CP932.
struct Message {
  enum class Kind { Box, Plain };
  Kind kind = Kind::Box;
  std::string text;
  std::string caption;
  Icon icon = Icon::None;
  Buttons buttons = Buttons::Ok;
  bool operator==(const Message&) const = default;
};

Message messageBox(std::string text, std::string caption, Icon icon, Buttons buttons = Buttons::Ok);
Message plainMessage(std::string text);

class [[nodiscard]] Result {
 public:
  Result() = default;  // success with nothing to tell
  static Result failure(Message message, std::string detail = {});
  // A failure with nothing to show: the caller has its own words for it, or there is no one
  // to tell (a missing optional file).
  static Result failure(std::string detail);

  bool ok() const { return ok_; }
  const std::vector<Message>& messages() const { return messages_; }
  // English, for logs and headless callers; never shown in a window.
  const std::string& detail() const { return detail_; }

  // Adds a message to be shown after those already there; the status stays.
  Result& tell(Message message);
  // Adds a message and marks the result failed.
  Result& fail(Message message, std::string detail = {});
  Result& fail(std::string detail);
  // Takes the messages of a later step after ours; its failure becomes ours.
  Result& then(Result later);

 private:
  bool ok_ = true;
  std::vector<Message> messages_;
  std::string detail_;
};

// Shows each message of `result` in order through `prompt`; returns result.ok().
bool showResult(const Result& result, Prompt& prompt);
void showMessage(const Message& message, Prompt& prompt);

// How an operation that needs a decision on the way asks its question (a Message whose
// buttons offer the choices). Empty: every question is answered Yes without being shown.
using Ask = std::function<Answer(const Message& question)>;
Answer askQuestion(const Ask& ask, const Message& question);
// Asks through a Prompt's message box.
Ask askThrough(Prompt& prompt);

}  // namespace nv
