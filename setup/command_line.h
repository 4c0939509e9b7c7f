#pragma once
// nvsetup without a window: what the buttons do, for scripts (messages on stderr, status 0
// on success).
#include <QStringList>

namespace nv::setup {

// True when the arguments ask for a command rather than the window.
bool isSetupCommand(const QStringList& arguments);
// Runs the command; returns the exit status. Needs a QCoreApplication.
int runSetupCommand(const QStringList& arguments);

}  // namespace nv::setup
