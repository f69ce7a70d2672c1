// Deadline arithmetic for presenting at a fixed rate, on any counter
// (SDL_GetPerformanceCounter in the game, a fake clock in tests).
//
// Deadlines are absolute: frame k of a run is due at start + k * period,
// computed without accumulating rounding. A caller that falls more than one
// period behind starts a new run from "now" rather than bursting frames to
// catch up.
#pragma once

#include <cstdint>

namespace sb::sdl {

class FramePacer {
 public:
  FramePacer(uint64_t ticksPerSecond, uint32_t framesPerSecond);

  // The counter value the next frame should be shown at, given the reading
  // `now`. The first call (and a call after falling behind) returns `now`.
  uint64_t NextDeadline(uint64_t now);

  // Whole milliseconds that can be slept from `now` while still waking about
  // a millisecond before `deadline`; 0 means spin for the rest.
  uint32_t SleepMillis(uint64_t now, uint64_t deadline) const;

  uint64_t period() const { return ticksPerSecond_ / framesPerSecond_; }

 private:
  uint64_t DueTime(uint64_t frame) const;

  uint64_t ticksPerSecond_;
  uint64_t framesPerSecond_;
  bool started_ = false;
  uint64_t start_ = 0;
  uint64_t frame_ = 0;
};

}  // namespace sb::sdl
