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
  void Hold(int key, bool held = true) { form->KeyDown[key] = held; }
};

// Key codes.
constexpr int kKeyW = 17, kKeyA = 30, kKeyD = 32, kKeyLShift = 42, kKeyC = 46, kKeyN = 49;
constexpr int kKeyComma = 51, kKeyPeriod = 52, kKeySpace = 57, kKeyLeft = 203, kKeyRight = 205;

constexpr double kPi = 3.14159265358979;

}  // namespace sb::test
