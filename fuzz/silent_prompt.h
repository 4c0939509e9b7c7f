#pragma once
// A Prompt for fuzzing: every box answers Yes, nothing is shown.
#include "platform/prompt.h"

namespace nvfuzz {
class SilentPrompt : public nv::Prompt {
 public:
  nv::Answer messageBox(const std::string&, const std::string&, nv::Icon, nv::Buttons) override {
    return nv::Answer::Yes;
  }
  void message(const std::string&) override {}
  std::unique_ptr<nv::Progress> progress(const std::string&, int64_t, int64_t) override {
    return nullptr;
  }
};
inline void installSilentPrompt() {
  static SilentPrompt silent;
  nv::setPrompt(&silent);
}
}  // namespace nvfuzz
