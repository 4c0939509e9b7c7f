#include "memory_limit.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

namespace nvtest {
namespace {

bool underAddressSanitizer() {
#if defined(__SANITIZE_ADDRESS__)
  return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
  return true;
#else
  return false;
#endif
#else
  return false;
#endif
}

}  // namespace

size_t addressSpaceBytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmSize:", 0) != 0) continue;
    std::istringstream in(line.substr(7));
    size_t kb = 0;
    in >> kb;
    return kb * 1024;
  }
  return 0;
}

int runWithMemoryLimit(size_t extraMegabytes, const std::function<int()>& run) {
  const pid_t child = ::fork();
  if (child == 0) {
    if (!underAddressSanitizer()) {
      const rlim_t limit = rlim_t(addressSpaceBytes() + (extraMegabytes << 20));
      const rlimit r{limit, limit};
      ::setrlimit(RLIMIT_AS, &r);
      const rlimit noCore{0, 0};
      ::setrlimit(RLIMIT_CORE, &noCore);
    }
    ::_exit(run());
  }
  int status = 0;
  if (::waitpid(child, &status, 0) != child) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::string memoryLimitPrefix(size_t megabytes) {
  if (underAddressSanitizer()) return {};
  return "ulimit -v " + std::to_string(megabytes * 1024) + "; ";
}

}  // namespace nvtest
