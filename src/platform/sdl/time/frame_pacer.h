// Deadline arithmetic for presenting at a fixed rate, on any counter (the
// monotonic clock in nanoseconds in the game, a fake clock in tests).
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

  // When to wake from sleeping to be ready for `deadline`: a short spin
  // margin before it, since a sleep may overshoot its wake time a little.
  uint64_t WakeTime(uint64_t deadline) const;

  uint64_t period() const { return ticksPerSecond_ / framesPerSecond_; }

 private:
  uint64_t DueTime(uint64_t frame) const;

  uint64_t ticksPerSecond_;
  uint64_t framesPerSecond_;
  uint64_t spinMargin_;
  bool started_ = false;
  uint64_t start_ = 0;
  uint64_t frame_ = 0;
};

}  // namespace sb::sdl
