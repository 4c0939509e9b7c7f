#pragma once
// The start screen's rules that need no screen: what the command line asks for, the version
// text and the default child name.
#include <string>
#include <vector>

namespace nv {

// One activity the command line starts, with its files (CP932) in argument order.
struct StartStep {
  enum Kind { MenuPlanner, LunchBox } kind = MenuPlanner;
  std::vector<std::string> files;
};

// Files ending in ".nvu" (any case) start the menu planner once, at the place of the first
// of them, with all of them (its start-up opens the last one that exists); each ".nvub" file
// starts the lunch-box game on that file. Other arguments start nothing.
std::vector<StartStep> planStartSteps(const std::vector<std::string>& args);

// "Version %d.%d.%d  Build:%d".
std::string versionText(int major, int minor, int release, int build);
// The version the program was built as.
std::string programVersionText();

// What a command line asks of the program before any window: its usage or its version (both
// printed without a display), or nothing (the arguments are files). Arguments after "--"
// are files even when they look like options.
enum class InfoRequest { None, Help, Version };
InfoRequest infoRequest(const std::vector<std::string>& args);
// `nv --help`: the usage, the files the program reads and writes, the exit status (UTF-8).
std::string usageText();
// `nv --version`: "nv (Nuvelta) major.minor.release.build".
std::string versionLine();

// The host name up to its first "." (empty stays empty).
std::string childNameFromHost(const std::string& host);

}  // namespace nv
