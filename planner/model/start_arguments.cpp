#include "planner/model/start_arguments.h"

#include <algorithm>

#include "platform/text.h"

namespace nv {

namespace {
// The extension of the name part, from its last '.', in ASCII lower case ("" when none).
std::string lowerExtension(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  const size_t dot = path.rfind('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  std::string ext = path.substr(dot);
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return char(c >= 'A' && c <= 'Z' ? c + 32 : c); });
  return ext;
}
}  // namespace

std::vector<StartStep> planStartSteps(const std::vector<std::string>& args) {
  std::vector<StartStep> steps;
  int planner = -1;
  for (const std::string& arg : args) {
    const std::string ext = lowerExtension(arg);
    if (ext == ".nvub") {
      steps.push_back({StartStep::LunchBox, {arg}});
    } else if (ext == ".nvu") {
      // One planner run: its start-up picks the last existing file of all it is given.
      if (planner < 0) {
        planner = int(steps.size());
        steps.push_back({StartStep::MenuPlanner, {}});
      }
      steps[size_t(planner)].files.push_back(arg);
    }
  }
  return steps;
}

std::string versionText(int major, int minor, int release, int build) {
  return cformat("Version %d.%d.%d  Build:%d", major, minor, release, build);
}

std::string programVersionText() {
  return versionText(NV_VERSION_MAJOR, NV_VERSION_MINOR, NV_VERSION_RELEASE, NV_VERSION_BUILD);
}

InfoRequest infoRequest(const std::vector<std::string>& args) {
  for (const std::string& arg : args) {
    if (arg == "--") break;
    if (arg == "--help" || arg == "-h") return InfoRequest::Help;
    if (arg == "--version") return InfoRequest::Version;
  }
  return InfoRequest::None;
}

std::string usageText() {
  return "Usage: nv [FILE]...\n"
         "Plan a day's menu or pack a lunch box and see how the dishes meet a school child's\n"
         "daily nutrient needs.\n"
         "\n"
         "Without a FILE the start screen opens, where the child chooses the menu planner or\n"
         "the lunch-box game. A FILE ending in .nvu (a saved menu) opens in the menu planner;\n"
         "a FILE ending in .nvub (a saved lunch box) opens in the lunch-box game. A second\n"
         "start without a FILE brings the running program to the front.\n"
         "\n"
         "Options:\n"
         "  -h, --help     display this help and exit\n"
         "      --version  output version information and exit\n"
         "\n"
         "Files:\n"
         "  NV.ini and NV_ADD.nv (the settings and the dishes a teacher added) live beside the\n"
         "  program when its folder can be written, else in ~/.config/Nuvelta/\n"
         "  ($XDG_CONFIG_HOME/Nuvelta/). Menus (.nvu) and lunch boxes (.nvub) are saved where\n"
         "  the child chooses, the documents folder by default. The program folder holds the\n"
         "  food and dish data (NV.nv, NV.nvb), the pictures and the usage pages (HTML/).\n"
         "\n"
         "Exit status: 0 when the program ended normally.\n";
}

std::string versionLine() {
  return cformat("nv (Nuvelta) %d.%d.%d.%d", NV_VERSION_MAJOR, NV_VERSION_MINOR, NV_VERSION_RELEASE,
                 NV_VERSION_BUILD);
}

std::string childNameFromHost(const std::string& host) { return host.substr(0, host.find('.')); }

}  // namespace nv
