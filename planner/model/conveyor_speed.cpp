#include "planner/model/conveyor_speed.h"

namespace nv {

ConveyorSpeed conveyorSpeed(uint32_t buttonCount, uint32_t buttonSize, uint32_t periodSeconds) {
  ConveyorSpeed s;
  if (buttonCount <= 1) return s;
  s.moves = true;
  const uint32_t distance = (buttonCount - 1) * buttonSize;
  // Unsigned integer divisions throughout; a period of 0 would divide by zero, so a pass
  // then takes one tick per button instead.
  auto stepFor = [&](uint32_t interval) {
    uint32_t ticks = periodSeconds * 1000 / interval;
    return ticks == 0 ? distance : distance / ticks;
  };
  s.intervalMs = 30;
  s.step = stepFor(s.intervalMs);
  if (s.step == 0) {
    s.intervalMs = 500;
    s.step = stepFor(s.intervalMs);
  } else if (s.step > buttonSize) {
    s.intervalMs = 15;
    s.step = stepFor(s.intervalMs);
  }
  return s;
}

int conveyorNextPosition(int position, int step, int scrollRange, int visibleWidth) {
  if (position < scrollRange - visibleWidth) return position + step;
  return 0;
}

}  // namespace nv
