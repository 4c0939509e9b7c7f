#pragma once
// Shows the installer window and runs until it closes. Needs a QApplication.
namespace nv::setup {
int runSetupWindow();
}  // namespace nv::setup
