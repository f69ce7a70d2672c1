// The clock frame pacing runs on: the system's monotonic clock in
// nanoseconds, and a sleep to an absolute time on that same clock (no drift
// from computing a relative delay, no millisecond rounding).
#pragma once

#include <cstdint>

namespace sb::sdl {

constexpr uint64_t kPaceClockTicksPerSecond = 1000000000;

uint64_t PaceClockNow();

// Sleeps until PaceClockNow() >= `until`, or returns at once when it is
// already past.
void SleepUntil(uint64_t until);

// Sleeps to a short margin before `deadline`, then spins the rest, so that
// the wait ends as close to the deadline as the system allows at little
// processor cost.
void WaitUntil(uint64_t wakeTime, uint64_t deadline);

}  // namespace sb::sdl
