#include "platform/result.h"

#include <utility>

namespace nv {

Message messageBox(std::string text, std::string caption, Icon icon, Buttons buttons) {
  return Message{Message::Kind::Box, std::move(text), std::move(caption), icon, buttons};
}

Message plainMessage(std::string text) {
  return Message{Message::Kind::Plain, std::move(text), {}, Icon::None, Buttons::Ok};
}

Result Result::failure(Message message, std::string detail) {
  Result r;
  r.fail(std::move(message), std::move(detail));
  return r;
}

Result Result::failure(std::string detail) {
  Result r;
  r.fail(std::move(detail));
  return r;
}

Result& Result::tell(Message message) {
  messages_.push_back(std::move(message));
  return *this;
}

Result& Result::fail(Message message, std::string detail) {
  tell(std::move(message));
  return fail(std::move(detail));
}

Result& Result::fail(std::string detail) {
  ok_ = false;
  if (detail_.empty()) detail_ = std::move(detail);
  return *this;
}

Result& Result::then(Result later) {
  for (Message& m : later.messages_) messages_.push_back(std::move(m));
  if (!later.ok_) fail(std::move(later.detail_));
  return *this;
}

void showMessage(const Message& message, Prompt& prompt) {
  if (message.kind == Message::Kind::Plain)
    prompt.message(message.text);
  else
    prompt.messageBox(message.text, message.caption, message.icon, message.buttons);
}

bool showResult(const Result& result, Prompt& prompt) {
  for (const Message& m : result.messages()) showMessage(m, prompt);
  return result.ok();
}

Answer askQuestion(const Ask& ask, const Message& question) {
  return ask ? ask(question) : Answer::Yes;
}

Ask askThrough(Prompt& prompt) {
  return [&prompt](const Message& q) {
    return prompt.messageBox(q.text, q.caption, q.icon, q.buttons);
  };
}

}  // namespace nv
