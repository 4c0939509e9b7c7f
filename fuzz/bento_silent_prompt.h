#pragma once
// The lunch-box fuzz targets answer every box and message silently.
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
  nv::Answer messageBox(const std::string&, const std::string&, nv::Icon, nv::Buttons) override {
    return nv::Answer::Ok;
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
