// The invariants the soak checks after every pass: they hold through
// battles with every player design, and each check catches its fault.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <utility>

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

TEST(Invariants, EachCheckCatchesItsFault) {
  harness::BattleRun run(5);
  for (int pass = 0; pass < 50; ++pass) {
    run.NextKeys();
    run.Pass();
  }
  Craft& c = Crafts[17];
  const Craft saved = c;
  const std::pair<const char*, std::function<void()>> faults[] = {
      {"NaN", [&] { c.Shots[4].Life = std::numeric_limits<float>::quiet_NaN(); }},
      {"outside the world", [&] { c.Y = -10000.5f; }},
      {"Target 51", [&] { c.Target = 51; }},
      {"Shield", [&] { c.Shield = c.MaxShield + 0.02f; }},
      {"entry 200 was written", [] { Crafts[200].Combat = true; }},
  };
  for (const auto& [expected, apply] : faults) {
    apply();
    const std::string problem = harness::CheckInvariants(*run.form);
    EXPECT_NE(problem.find(expected), std::string::npos) << expected << " / " << problem;
    c = saved;
    Crafts[200] = Craft{};
  }
  EXPECT_EQ(harness::CheckInvariants(*run.form), "");
}

}  // namespace
}  // namespace sb
