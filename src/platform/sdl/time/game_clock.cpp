#include "platform/sdl/time/game_clock.h"

#include <SDL.h>

#include <chrono>

namespace sb::sdl {

int32_t TickCountOf(uint64_t milliseconds) {
  return static_cast<int32_t>(static_cast<uint32_t>(milliseconds));
}

int32_t SdlClock::GetTickCount() {
  // The steady clock counts from boot on this system, like the tick count.
  const auto since = std::chrono::steady_clock::now().time_since_epoch();
  return TickCountOf(
      static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count()));
}

uint64_t SdlClock::SeedFromClock() {
  const auto wall = std::chrono::system_clock::now().time_since_epoch();
  const auto nanos =
      static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(wall).count());
  return SDL_GetPerformanceCounter() ^ (nanos * 0x9E3779B97F4A7C15ull);
}

}  // namespace sb::sdl
