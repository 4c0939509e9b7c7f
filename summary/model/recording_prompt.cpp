#include "summary/model/recording_prompt.h"

#include "platform/text.h"

namespace nv {

Answer RecordingPrompt::messageBox(const std::string& text, const std::string& caption, Icon icon,
                                   Buttons buttons) {
  keep(text == path_ || caption.empty() ? caption : text);
  return quiet_.messageBox(text, caption, icon, buttons);
}

void RecordingPrompt::message(const std::string& text) {
  keep(text);
  quiet_.message(text);
}

std::unique_ptr<Progress> RecordingPrompt::progress(const std::string& caption, int64_t minimum,
                                                    int64_t maximum) {
  return quiet_.progress(caption, minimum, maximum);
}

void RecordingPrompt::keep(const std::string& text) {
  if (first_.empty()) first_ = text.empty() ? sj("読み込めません") : text;
}

}  // namespace nv
