#pragma once
// A Prompt that keeps the readers' first message instead of showing it: a class of forty files
// must not open forty boxes, and the message becomes the reason a list gives.
#include <string>

#include "platform/prompt.h"

namespace nv {

class RecordingPrompt : public Prompt {
 public:
  // `path`: the file being read; a box whose text is the path says what went wrong in its
  // caption.
  explicit RecordingPrompt(std::string path) : path_(std::move(path)) {}
  Answer messageBox(const std::string& text, const std::string& caption, Icon icon,
                    Buttons buttons) override;
  void message(const std::string& text) override;
  std::unique_ptr<Progress> progress(const std::string& caption, int64_t minimum,
                                     int64_t maximum) override;
  // The first message (CP932); empty when none came.
  const std::string& first() const { return first_; }

 private:
  void keep(const std::string& text);
  std::string path_, first_;
  QuietPrompt quiet_;
};

}  // namespace nv
