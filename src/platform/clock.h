#pragma once

#include <cstdint>

namespace sb {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since some fixed start, as a 32-bit signed count that wraps.
  virtual int32_t GetTickCount() = 0;
  // A seed for the random source: the clock's reading in any unit.
  virtual uint64_t SeedFromClock() = 0;
};

}  // namespace sb
