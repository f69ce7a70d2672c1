// The system tick count and a seed for the game's random numbers.
#pragma once

#include "platform/clock.h"

namespace sb::sdl {

// Milliseconds as the game keeps them: the low 32 bits of a 64-bit count,
// read as signed. Differences taken in 32 bits stay right across the wrap.
int32_t TickCountOf(uint64_t milliseconds);

class SdlClock : public Clock {
 public:
  // Milliseconds since the system started.
  int32_t GetTickCount() override;
  uint64_t SeedFromClock() override;
};

}  // namespace sb::sdl
