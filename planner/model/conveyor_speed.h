#pragma once
// The conveyor-belt ("回転寿司") row speed: one pass of a row takes about the rotation period.
#include <cstdint>

namespace nv {

struct ConveyorSpeed {
  uint32_t intervalMs = 30;  // timer interval
  uint32_t step = 5;         // pixels per tick
  bool moves = false;        // false for rows of 0 or 1 dish: position 0, step 5, timer untouched
};

// n buttons of buttonSize pixels; periodSeconds for one pass.
ConveyorSpeed conveyorSpeed(uint32_t buttonCount, uint32_t buttonSize, uint32_t periodSeconds);

// The next scroll position of a row on a timer tick.
int conveyorNextPosition(int position, int step, int scrollRange, int visibleWidth);

}  // namespace nv
