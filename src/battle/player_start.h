// Where the player's craft enters the battle.
#pragma once

#include <cstdint>

#include "core/form1.h"

namespace sb {

// Spawns design `design` as the next craft at the player's start: (0, 100)
// for a Human design, (10000, 10000) otherwise.
void SpawnPlayer(Form1& game, int16_t design);

}  // namespace sb
