#pragma once
// Runs a piece of a test in a child process whose address space may grow by only so much, as
// a school computer's memory would stop a program: an allocation past it fails there instead
// of taking the machine. Under AddressSanitizer (which reserves terabytes of address space)
// the limit is left off and the child runs as it is.
#include <functional>
#include <string>

namespace nvtest {

// The child's exit status (run's result), or 128 + the signal that ended it.
int runWithMemoryLimit(size_t extraMegabytes, const std::function<int()>& run);

// The process's current address-space size in bytes (VmSize), 0 when unknown.
size_t addressSpaceBytes();

// The shell prefix that limits a command the same way ("ulimit -v N; "), empty under
// AddressSanitizer.
std::string memoryLimitPrefix(size_t megabytes);

}  // namespace nvtest
