#include "support/battle_fixture.h"

namespace sb::test {

Arena::Arena() {
  form->Intialize();
  form->DesignSTUFF();
}

int16_t Arena::Spawn(const std::string& name, float x, float y) {
  const int16_t index = form->CraftCount;
  form->SpawnCraft(name, x, y);
  return index;
}

void Arena::Step(int steps) {
  for (int n = 0; n < steps; ++n) form->Physics();
}

}  // namespace sb::test
