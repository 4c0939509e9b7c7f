#pragma once
// Shows the installer window and runs until it closes. Needs a QApplication.
namespace nv {
int runSetupWindow();
}
