// A hand-built battle for simulation tests: the platform started and the
// catalogue filled, then only the craft a test spawns, at the places it
// chooses. Unused entries up to 50 stay empty, which the simulation treats
// as motionless craft of no size that nothing can hit.
#pragma once

#include <string>

#include "support/test_support.h"

namespace sb::test {

struct Arena : Game {
  Arena();
  // Spawns design `name` at (x, y) into the next entry; returns its index.
  int16_t Spawn(const std::string& name, float x, float y);
  // Physics only, `steps` times.
  void Step(int steps = 1);
};

}  // namespace sb::test
