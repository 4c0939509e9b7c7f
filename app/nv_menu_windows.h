#pragma once
// The chosen-menu and graph windows as the main window sees them. Until the real windows
// are in, plain stand-ins with one tab per meal are docked instead.
#include <memory>

#include "planner/menu_ports.h"

namespace nv {

class PlannerHost;

std::unique_ptr<SelKondatePort> makeSelKondateWindow(PlannerHost& host);
std::unique_ptr<GraphPort> makeGraphWindow(PlannerHost& host);

}  // namespace nv
