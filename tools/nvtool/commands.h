#pragma once
#include <string>
#include <vector>

namespace nvtool {

// Exit statuses: 0 success, 1 failure (message on stderr), 2 bad usage.
enum { kOk = 0, kFailed = 1, kUsage = 2 };

using Args = std::vector<std::string>;
using CommandFn = int (*)(const Args& args);
struct Command {
  std::string name;
  std::string usage;  // one line for --help: "name ARGS   what it does"
  CommandFn run;
};

// Each command lives in its own cmd_*.cpp and registers itself:
//   static nvtool::Registration reg{"foods", "foods FILE   list the foods ...", cmdFoods};
struct Registration {
  Registration(std::string name, std::string usage, CommandFn fn);
};

const std::vector<Command>& commands();
int run(int argc, char** argv);
int usageError(const std::string& message);
// Prints "nvtool: message" (message UTF-8) to stderr and returns kFailed.
int failure(const std::string& message);

}  // namespace nvtool
