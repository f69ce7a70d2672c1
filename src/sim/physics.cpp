// The physics step, the player's controls, weapons and damage.
#include "core/form1.h"

namespace sb {

void Form1::Physics() {
  ScopedOperation op("Physics");
}

int16_t Form1::FreeShotSlot(int16_t craft) {
  ScopedOperation op("FreeShotSlot");
  (void)Crafts[craft];
  return 0;
}

void Form1::STopCraft(int16_t Which) {
  ScopedOperation op("STopCraft");
  (void)Crafts[Which];
}

}  // namespace sb
