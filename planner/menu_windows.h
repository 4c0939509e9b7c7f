#pragma once
// The chosen-menu and graph windows as the main window sees them.
#include <memory>

#include "planner/menu_ports.h"

namespace nv {

class PlannerHost;
class TGraphForm;
class TSelKondateForm;

struct MenuWindows {
  std::unique_ptr<GraphPort> graph;
  std::unique_ptr<SelKondatePort> sel;
  // The windows themselves; they belong to the main window's dock panels once docked.
  TGraphForm* graphForm = nullptr;
  TSelKondateForm* selForm = nullptr;
};

MenuWindows makeMenuWindows(PlannerHost& host);

}  // namespace nv
