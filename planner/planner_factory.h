#pragma once
// makePlanner: the menu planner put together, for main() and the tests alike. NV.ini is
// read once here; the main window writes it once when it closes.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "planner/menu_windows.h"
#include "planner/planner_services.h"

namespace nv {

class GraphPort;
class MenuDocument;
class PlannerConfig;
class SelKondatePort;
class TGunName;
class TKojinData;
class TMainForm;

struct PlannerParts {
  std::reference_wrapper<TKojinData> profile;  // the start screen's; outlives the planner
  std::reference_wrapper<TGunName> gunName;    // likewise
  std::string defaultName{};                   // the default person name (CP932)
  std::vector<std::string> menuFiles{};        // from the command line, for the start menu choice
  // The commands' windows; null start dialogs fall back as planner_services.h says.
  PlannerServices services;
  // Stand-ins for the chosen-menu and graph windows (tests); null: the real windows.
  SelKondatePort* sel = nullptr;
  GraphPort* graph = nullptr;
};

struct Planner {
  ~Planner();
  std::unique_ptr<PlannerConfig> config;
  std::unique_ptr<MenuDocument> document;
  std::unique_ptr<TMainForm> mainForm;
  MenuWindows windows;  // empty when stand-ins were given
  // The built-in name entry and re-open dialog, used when the parts bring none.
  std::unique_ptr<ProfileEditor> profileEditor;
  std::unique_ptr<ReOpenChooser> reOpenChooser;
};

// The settings are read from programFolder()/NV.ini.
std::unique_ptr<Planner> makePlanner(const PlannerParts& parts);

}  // namespace nv
