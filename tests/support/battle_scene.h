// Battles set up by hand on the headless platform. BattleScene, for drawing
// tests: the player's "Strike" in entry 0 at (0, 100), the station in entry 1 at
// (0, 0), forty-nine "Fox" craft far away in entries 2 to 50. Every craft
// has the square the scene gives it; stars sit out of sight and planets at
// depth 0 (never drawn) until a test places them.
#pragma once

#include <string>
#include <vector>

#include "support/test_support.h"

namespace sb::test {

struct BattleScene : Game {
  BattleScene();
  Form1& f;
  headless::HeadlessPlatform& p;

  // Runs one battle frame and returns its calls.
  std::vector<headless::Call> Frame();
  // Puts star s's square (side 4) with its first corner at (x, y).
  void PlaceStar(int s, float x, float y);
};

// For simulation tests: the platform started and the catalogue filled, then
// only the craft a test spawns. Unused entries up to 50 stay empty, which
// the simulation treats as motionless craft of no size that nothing can hit.
struct Arena : Game {
  Arena();
  // Spawns design `name` at (x, y) into the next entry; returns its index.
  int16_t Spawn(const std::string& name, float x, float y);
  // Physics only, `steps` times.
  void Step(int steps = 1);
};

// The calls named `op`; the pointers point into `calls`, which must outlive
// them (so no temporaries).
std::vector<const headless::Call*> Named(const std::vector<headless::Call>& calls,
                                         const std::string& op);
std::vector<const headless::Call*> Named(std::vector<headless::Call>&& calls,
                                         const std::string& op) = delete;

}  // namespace sb::test
