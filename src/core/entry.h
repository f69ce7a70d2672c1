// The program's life on a given platform: runs the game object from start-up
// to its end and turns the end into a process exit status.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>

#include "core/battle_hooks.h"
#include "platform/platform.h"

namespace sb {

// Returns 0 after a normal shut-down. A run-time error is reported as one
// line on `err` and in the platform's message box, the graphics device is
// released, and the result is 1. Hooks, when given, record or play a demo;
// they finish their work before an error is reported.
struct GameSetup {
  BattleHooks* hooks = nullptr;
  std::optional<uint64_t> seed;  // replaces the clock's seed of the battle
};
int RunGame(Platform& platform, std::ostream& err, const GameSetup& setup = {});

}  // namespace sb
