#include <algorithm>
#include <cstdio>

#include "tools/nvtool/commands.h"

namespace nvtool {
namespace {
std::vector<Command>& table() {
  static std::vector<Command> t;
  return t;
}
}  // namespace

Registration::Registration(std::string name, std::string usage, CommandFn fn) {
  table().push_back({std::move(name), std::move(usage), fn});
}

const std::vector<Command>& commands() {
  std::sort(table().begin(), table().end(),
            [](const Command& a, const Command& b) { return a.name < b.name; });
  return table();
}

int usageError(const std::string& message) {
  std::fprintf(stderr, "nvtool: %s\nTry 'nvtool --help'.\n", message.c_str());
  return kUsage;
}

int failure(const std::string& message) {
  std::fprintf(stderr, "nvtool: %s\n", message.c_str());
  return kFailed;
}

static void printHelp() {
  std::printf(
      "Usage: nvtool COMMAND [ARGS]\n"
      "  or:  nvtool --help | --version\n\n"
      "A command-line companion to NV for teachers' scripts and automation.\n"
      "Text output is UTF-8, one record a line, tab-separated. Errors go to stderr with\n"
      "exit status 1; bad usage exits with status 2.\n\nCommands:\n");
  for (const Command& c : commands()) std::printf("  %s\n", c.usage.c_str());
}

int run(int argc, char** argv) {
  if (argc < 2) return usageError("no command given");
  std::string name = argv[1];
  if (name == "--help" || name == "-h" || name == "help") {
    printHelp();
    return kOk;
  }
  if (name == "--version") {
    std::printf("nvtool (Nuvelta) %d.%d.%d.%d\n", NV_VERSION_MAJOR, NV_VERSION_MINOR,
                NV_VERSION_RELEASE, NV_VERSION_BUILD);
    return kOk;
  }
  Args args(argv + 2, argv + argc);
  for (const Command& c : commands())
    if (name == c.name) return c.run(args);
  return usageError("unknown command '" + name + "'");
}

}  // namespace nvtool
