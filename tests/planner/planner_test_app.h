#pragma once
// The one QApplication of the planner window tests.
#include "offscreen_app.h"

namespace nvtest {

inline QApplication& plannerApp() { return offscreenApp("test_planner"); }

}  // namespace nvtest
