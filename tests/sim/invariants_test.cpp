// The invariants the soak checks after every pass: they hold through
// battles with every player design, and each check catches its fault.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "battle/battle_harness.h"

namespace sb {
namespace {

TEST(Invariants, HoldForEveryPlayerDesignThroughAShortBattle) {
  for (int16_t design = 0; design <= 29; ++design) {
    harness::BattleRun run(1000 + design, design);
    for (int pass = 1; pass <= 400; ++pass) {
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
  ASSERT_EQ(harness::CheckInvariants(*run.form), "");
  const float nan = std::numeric_limits<float>::quiet_NaN();

  struct Fault {
    const char* expected;
    std::function<void()> apply, undo;
  };
  Craft& c = Crafts[17];
  const Craft saved = c;
  const Fault faults[] = {
      {"NaN", [&] { c.Shots[4].Life = nan; }, nullptr},
      {"NaN", [&] { c.Trail[40].X = std::numeric_limits<float>::infinity(); }, nullptr},
      {"NaN", [&] { c.TurretAngle = std::numeric_limits<double>::quiet_NaN(); }, nullptr},
      {"outside the world", [&] { c.Y = -10000.5f; }, nullptr},
      {"Target 51", [&] { c.Target = 51; }, nullptr},
      {"Energy -1", [&] { c.Energy = -1; }, nullptr},
      {"Energy 101", [&] { c.Energy = 101; }, nullptr},
      {"Shield", [&] { c.Shield = c.MaxShield + 0.02f; }, nullptr},
      {"entry 51 was written", nullptr, [] { Crafts[51].Shots[10].Life = -1; }},
      {"entry 200 was written", nullptr, [] { Crafts[200].Combat = true; }},
  };
  for (const Fault& f : faults) {
    if (f.apply) f.apply();
    if (f.undo) f.undo();
    const std::string problem = harness::CheckInvariants(*run.form);
    EXPECT_NE(problem.find(f.expected), std::string::npos) << f.expected << " / " << problem;
    c = saved;
    Crafts[51] = Craft{};
    Crafts[200] = Craft{};
  }
  EXPECT_EQ(harness::CheckInvariants(*run.form), "");
}

}  // namespace
}  // namespace sb
