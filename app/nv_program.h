#pragma once
// NV put together: the start screen with its two activities (the menu planner and the
// lunch-box game), the planner's services (the teacher tools among them) and the kitchen's
// windows. main() builds one and runs it; the wiring test builds it through the same
// constructor and drives its windows.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/nv_about_port.h"
#include "app/teacher_services.h"
#include "planner/planner_services.h"
#include "planner/print_search_about.h"
#include "planner/sel_main_form_form.h"

class QPrinter;

namespace nv {

class SingleInstance;
struct Planner;

// The application-wide look and identity every NV run starts with: the name, the desktop
// entry the windows belong to, the icon, Japanese Qt texts and the designed fonts' stand-ins.
void prepareApplication();

struct ProgramOptions {
  // The printer the page set-up edits and everything prints on (not owned).
  QPrinter* printer = nullptr;
  // The host name; the default child name is its first part.
  std::string hostName;
  // Answers a second start by restoring the planner (not owned; null: no hand-over).
  SingleInstance* instance = nullptr;
  // NV_STARTUP_TIME: the planner starts on an empty menu without the start dialogs, and
  // `shown` is told about the first window shown.
  bool timing = false;
  std::function<void(QWidget& shown)> shown;
};

class NvProgram : public LunchBoxLauncher, public ClassSummaryLauncher {
 public:
  explicit NvProgram(ProgramOptions options);
  ~NvProgram() override;

  TSelMainFormForm& start() { return start_; }
  // The planner while its window is open, else null.
  Planner* planner() const { return planner_; }

  // The menu planner on the menu files of the command line; returns when its window closed.
  void runMenuPlanner(const std::vector<std::string>& menuFiles);
  // The lunch-box game on a save file ("" for a new box); returns when the kitchen closed.
  void runLunchBox(const std::string& file);
  // The planner's お弁当箱 command.
  void startLunchBox(QWidget*) override { runLunchBox(std::string()); }
  // The teacher's class summary (start screen and the planner's file menu).
  void showClassSummary(QWidget* parent) override;

 private:
  ProgramOptions options_;
  TSelMainFormForm start_;
  PrintSearchAbout printSearchAbout_;
  DetailsSettingsEditor settingsEditor_;
  AddKondateEditor dishEditor_;
  KitchenAbout kitchenAbout_;
  Planner* planner_ = nullptr;
};

}  // namespace nv
