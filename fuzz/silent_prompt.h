#pragma once
// The fuzz targets' Prompt: nothing is shown, questions get their first answer (Yes or OK),
// and progress windows are real objects that do nothing, as the Prompt contract promises.
#include <memory>
#include <string>

#include "platform/prompt.h"

namespace nvfuzz {

class SilentProgress : public nv::Progress {
 public:
  void setPosition(int64_t) override {}
};

class SilentPrompt : public nv::Prompt {
 public:
  nv::Answer messageBox(const std::string&, const std::string&, nv::Icon,
                        nv::Buttons buttons) override {
    return buttons == nv::Buttons::YesNo || buttons == nv::Buttons::YesNoCancel ? nv::Answer::Yes
                                                                                : nv::Answer::Ok;
  }
  void message(const std::string&) override {}
  std::unique_ptr<nv::Progress> progress(const std::string&, int64_t, int64_t) override {
    return std::make_unique<SilentProgress>();
  }
};

inline void installSilentPrompt() {
  static SilentPrompt silent;
  nv::setPrompt(&silent);
}

}  // namespace nvfuzz
