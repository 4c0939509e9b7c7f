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

std::string childNameFromHost(const std::string& host) { return host.substr(0, host.find('.')); }

}  // namespace nv
