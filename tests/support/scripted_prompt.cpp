#include "scripted_prompt.h"

#include <gtest/gtest.h>

#include "platform/text.h"

namespace nvtest {
namespace {
class RecordingProgress : public nv::Progress {
 public:
  RecordingProgress(std::vector<ProgressEvent>& all, size_t index) : all_(all), index_(index) {}
  ~RecordingProgress() override { all_[index_].closed = true; }
  void setPosition(int64_t p) override { all_[index_].positions.push_back(p); }

 private:
  std::vector<ProgressEvent>& all_;
  size_t index_;
};

std::string describe(const PromptEvent& e) {
  return std::string(e.kind == PromptEvent::Box ? "box" : "message") + " text=\"" +
         nv::cp932ToUtf8(e.text) + "\" caption=\"" + nv::cp932ToUtf8(e.caption) + "\"";
}
}  // namespace

ScriptedPrompt::ScriptedPrompt() : previous_(nv::setPrompt(this)) {}

ScriptedPrompt::~ScriptedPrompt() {
  nv::setPrompt(previous_);
  for (const Expected& e : expected_)
    ADD_FAILURE() << "expected but never shown: " << describe(e.event);
}

ScriptedPrompt& ScriptedPrompt::expectBox(const std::string& textUtf8,
                                          const std::string& captionUtf8, nv::Icon icon,
                                          nv::Buttons buttons, nv::Answer answer) {
  PromptEvent e{PromptEvent::Box, nv::sj(textUtf8), nv::sj(captionUtf8), icon, buttons};
  expected_.push_back({e, answer});
  return *this;
}

ScriptedPrompt& ScriptedPrompt::expectMessage(const std::string& textUtf8) {
  PromptEvent e{PromptEvent::Message, nv::sj(textUtf8), {}, nv::Icon::None, nv::Buttons::Ok};
  expected_.push_back({e, nv::Answer::Ok});
  return *this;
}

nv::Answer ScriptedPrompt::messageBox(const std::string& text, const std::string& caption,
                                      nv::Icon icon, nv::Buttons buttons) {
  PromptEvent got{PromptEvent::Box, text, caption, icon, buttons};
  shown_.push_back(got);
  if (expected_.empty()) {
    ADD_FAILURE() << "unexpected " << describe(got);
    return nv::Answer::Cancel;
  }
  Expected want = expected_.front();
  expected_.pop_front();
  EXPECT_EQ(want.event.kind, PromptEvent::Box)
      << "wanted " << describe(want.event) << ", got " << describe(got);
  EXPECT_EQ(nv::cp932ToUtf8(want.event.text), nv::cp932ToUtf8(text));
  EXPECT_EQ(nv::cp932ToUtf8(want.event.caption), nv::cp932ToUtf8(caption));
  EXPECT_EQ(int(want.event.icon), int(icon)) << describe(got);
  EXPECT_EQ(int(want.event.buttons), int(buttons)) << describe(got);
  return want.answer;
}

void ScriptedPrompt::message(const std::string& text) {
  PromptEvent got{PromptEvent::Message, text, {}, nv::Icon::None, nv::Buttons::Ok};
  shown_.push_back(got);
  if (expected_.empty()) {
    ADD_FAILURE() << "unexpected " << describe(got);
    return;
  }
  Expected want = expected_.front();
  expected_.pop_front();
  EXPECT_EQ(want.event.kind, PromptEvent::Message)
      << "wanted " << describe(want.event) << ", got " << describe(got);
  EXPECT_EQ(nv::cp932ToUtf8(want.event.text), nv::cp932ToUtf8(text));
}

std::unique_ptr<nv::Progress> ScriptedPrompt::progress(const std::string& caption, int64_t minimum,
                                                       int64_t maximum) {
  progress_.push_back({caption, minimum, maximum, {}, false});
  return std::make_unique<RecordingProgress>(progress_, progress_.size() - 1);
}

}  // namespace nvtest
