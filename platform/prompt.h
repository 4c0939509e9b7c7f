#pragma once
// How windows talk to the user: message boxes, plain messages and progress windows. The
// Qt-free code never calls prompt(): it returns a Result (platform/result.h) that its caller
// shows, and is handed a ProgressOpener for its progress windows. The program installs the
// Qt implementation, nvtool the console one, tests a scripted one.
#include <cstdint>
#include <memory>
#include <string>

namespace nv {

enum class Icon { None, Information, Warning, Stop, Question };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class Answer { Ok, Cancel, Yes, No, Retry, Abort, Ignore };

// A progress window (caption, one gauge with minimum, maximum and position). Closed when
// the object is destroyed.
class Progress {
 public:
  virtual ~Progress() = default;
  virtual void setPosition(int64_t position) = 0;
};

// Opens progress windows: the part of a Prompt that a long read or write is handed.
class ProgressOpener {
 public:
  virtual ~ProgressOpener() = default;
  // Never null: an opener that shows nothing returns an object that does nothing.
  virtual std::unique_ptr<Progress> progress(const std::string& caption, int64_t minimum,
                                             int64_t maximum) = 0;
};

// A progress window from `opener`, or none (nullptr) when no opener was handed over.
std::unique_ptr<Progress> openProgress(ProgressOpener* opener, const std::string& caption,
                                       int64_t minimum, int64_t maximum);

class Prompt : public ProgressOpener {
 public:
  // All texts are CP932.
  virtual Answer messageBox(const std::string& text, const std::string& caption, Icon icon,
                            Buttons buttons) = 0;
  // A plain message window with an OK button and the program's title.
  virtual void message(const std::string& text) = 0;
};

// The process-wide Prompt; the console one until another is installed.
Prompt& prompt();
// Installs p (not owned; nullptr restores the console one). Returns the previous one.
Prompt* setPrompt(Prompt* p);

// Installs a Prompt for the lifetime of the object.
class ScopedPrompt {
 public:
  explicit ScopedPrompt(Prompt& p) : previous_(setPrompt(&p)) {}
  ~ScopedPrompt() { setPrompt(previous_); }
  ScopedPrompt(const ScopedPrompt&) = delete;
  ScopedPrompt& operator=(const ScopedPrompt&) = delete;

 private:
  Prompt* previous_;
};

// Prints boxes and messages to stderr as UTF-8 and answers every question with its default
// (Yes, or OK); progress is silent. For nvtool and other headless runs.
class ConsolePrompt : public Prompt {
 public:
  Answer messageBox(const std::string& text, const std::string& caption, Icon icon,
                    Buttons buttons) override;
  void message(const std::string& text) override;
  std::unique_ptr<Progress> progress(const std::string& caption, int64_t minimum,
                                     int64_t maximum) override;
};

// Shows nothing and answers as ConsolePrompt does: for runs whose messages nobody reads (a
// benchmark, a progress window nobody sees).
class QuietPrompt : public Prompt {
 public:
  Answer messageBox(const std::string& text, const std::string& caption, Icon icon,
                    Buttons buttons) override;
  void message(const std::string& text) override;
  std::unique_ptr<Progress> progress(const std::string& caption, int64_t minimum,
                                     int64_t maximum) override;
};

}  // namespace nv
