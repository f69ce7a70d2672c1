#include <windows.h>

#include "platform/sdl/time/pace_clock.h"

// Windows 10 1803 and later; older systems refuse the flag.
#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace sb::sdl {

namespace {

uint64_t CounterFrequency() {
  LARGE_INTEGER frequency{};
  QueryPerformanceFrequency(&frequency);
  return frequency.QuadPart > 0 ? static_cast<uint64_t>(frequency.QuadPart) : 1;
}

// A waitable timer for the calling thread: the high-resolution kind, which
// wakes within a fraction of a millisecond, where the system has it; else an
// ordinary one, as fine as the timer period (1 ms once SDL has started).
class SleepTimer {
 public:
  SleepTimer() {
    timer_ = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                    TIMER_ALL_ACCESS);
    if (timer_ == nullptr) timer_ = CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
  }
  ~SleepTimer() {
    if (timer_ != nullptr) CloseHandle(timer_);
  }
  SleepTimer(const SleepTimer&) = delete;
  SleepTimer& operator=(const SleepTimer&) = delete;

  // Sleeps about `nanoseconds`, at most a little longer.
  void Sleep(uint64_t nanoseconds) {
    // Due times are in 100 ns units; negative means relative to now.
    LARGE_INTEGER due{};
    due.QuadPart = -static_cast<LONGLONG>(nanoseconds / 100 == 0 ? 1 : nanoseconds / 100);
    if (timer_ == nullptr || !SetWaitableTimer(timer_, &due, 0, nullptr, nullptr, FALSE)) {
      ::Sleep(static_cast<DWORD>(nanoseconds / 1000000));
      return;
    }
    WaitForSingleObject(timer_, INFINITE);
  }

 private:
  HANDLE timer_ = nullptr;
};

}  // namespace

uint64_t PaceClockNow() {
  static const uint64_t frequency = CounterFrequency();
  LARGE_INTEGER counter{};
  QueryPerformanceCounter(&counter);
  const auto ticks = static_cast<uint64_t>(counter.QuadPart);
  // ticks * 1e9 / frequency, split so the product cannot overflow.
  return ticks / frequency * kPaceClockTicksPerSecond +
         ticks % frequency * kPaceClockTicksPerSecond / frequency;
}

void SleepUntil(uint64_t until) {
  thread_local SleepTimer timer;
  // The timer takes a relative time; a wake-up that comes early sleeps again.
  for (uint64_t now = PaceClockNow(); now < until; now = PaceClockNow()) timer.Sleep(until - now);
}

void WaitUntil(uint64_t wakeTime, uint64_t deadline) {
  if (PaceClockNow() < wakeTime) SleepUntil(wakeTime);
  while (PaceClockNow() < deadline) {
  }
}

}  // namespace sb::sdl
