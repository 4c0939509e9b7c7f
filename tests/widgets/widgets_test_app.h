#pragma once
// The one QApplication of the widget tests.
#include "offscreen_app.h"

namespace nvtest {

inline QApplication& widgetsApp() { return offscreenApp("test_widgets"); }

}  // namespace nvtest
