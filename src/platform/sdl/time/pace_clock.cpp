#include "platform/sdl/time/pace_clock.h"

#include <time.h>

#include <cerrno>

namespace sb::sdl {

uint64_t PaceClockNow() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<uint64_t>(now.tv_sec) * kPaceClockTicksPerSecond +
         static_cast<uint64_t>(now.tv_nsec);
}

void SleepUntil(uint64_t until) {
  timespec at{};
  at.tv_sec = static_cast<time_t>(until / kPaceClockTicksPerSecond);
  at.tv_nsec = static_cast<long>(until % kPaceClockTicksPerSecond);
  // A signal cuts the sleep short; the deadline is absolute, so sleep again.
  while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &at, nullptr) == EINTR) {
  }
}

void WaitUntil(uint64_t wakeTime, uint64_t deadline) {
  if (PaceClockNow() < wakeTime) SleepUntil(wakeTime);
  while (PaceClockNow() < deadline) {
  }
}

}  // namespace sb::sdl
