#include "platform/qt/prompt_texts.h"

#include "platform/qt/qtext.h"

namespace nv {

Answer ask(const QString& text, const QString& caption, Icon icon, Buttons buttons) {
  return prompt().messageBox(fromQ(text), fromQ(caption), icon, buttons);
}

Answer ask(const std::string& cp932Text, const QString& caption, Icon icon, Buttons buttons) {
  return prompt().messageBox(cp932Text, fromQ(caption), icon, buttons);
}

void tell(const QString& text) { prompt().message(fromQ(text)); }

std::unique_ptr<Progress> openProgress(const QString& caption, int64_t minimum, int64_t maximum) {
  return prompt().progress(fromQ(caption), minimum, maximum);
}

FileRequest fileRequest(const QString& filter, const QString& title) {
  FileRequest r;
  r.filter = fromQ(filter);
  r.title = fromQ(title);
  return r;
}

}  // namespace nv
