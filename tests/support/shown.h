#pragma once
// The tests' way to take a Result as the windows do: its messages go through the process-wide
// Prompt (a test's ScriptedPrompt records them, in order) and its status comes back.
#include "platform/prompt.h"
#include "platform/result.h"

namespace nvtest {

inline bool shown(const nv::Result& result) { return nv::showResult(result, nv::prompt()); }

// For the operations that hand back their rows with what they have to tell (`told`).
template <class T>
T shownTold(T value) {
  nv::showResult(value.told, nv::prompt());
  return value;
}

}  // namespace nvtest
