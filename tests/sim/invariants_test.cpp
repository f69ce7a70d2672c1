// The invariants the soak checks after every pass: they hold through
// battles with every player design.
#include <gtest/gtest.h>

#include "battle/battle_harness.h"

namespace sb {
namespace {

TEST(Invariants, HoldForEveryPlayerDesignThroughAShortBattle) {
  for (int16_t design = 0; design <= 29; ++design) {
    harness::BattleRun run(1000 + design, design);
    for (int pass = 1; pass <= 200; ++pass) {
      run.NextKeys();
      run.Pass();
      const std::string problem = harness::CheckInvariants(*run.form);
      ASSERT_EQ(problem, "") << "design " << design << ", pass " << pass;
    }
  }
}

}  // namespace
}  // namespace sb
