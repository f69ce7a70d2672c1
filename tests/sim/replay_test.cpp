// Deterministic replay: a fixed seed and a scripted key sequence must give
// the same battle, bit for bit, on every build.
//
// Maintainers: kExpectedHash pins the whole battle. A deliberate change that
// moves it (a rule of the simulation, the order of random draws, the set-up)
// must say in its commit message why the battle changed, and update the
// value here in the same commit.
#include <gtest/gtest.h>

#include <set>

#include "battle/battle_harness.h"

namespace sb {
namespace {

constexpr uint64_t kReplaySeed = 20240607;
constexpr int kReplayPasses = 5000;
constexpr uint64_t kExpectedHash = 0x93e1dc58decc9aebull;

struct ReplayResult {
  uint64_t hash = 0;
  std::set<int> keysUsed;
  std::string problem;
};

ReplayResult Replay(uint64_t seed, int passes) {
  ReplayResult result;
  harness::BattleRun run(seed);
  for (int pass = 1; pass <= passes && result.problem.empty(); ++pass) {
    run.NextKeys();
    for (int code : keys::kBattleKeys) {
      if (run.form->KeyDown[code]) result.keysUsed.insert(code);
    }
    run.Pass();
    result.problem = harness::CheckInvariants(*run.form);
  }
  result.hash = harness::BattleHash(*run.form);
  return result;
}

TEST(Replay, AFixedSeedAndKeyScriptGiveTheCommittedBattle) {
  const ReplayResult first = Replay(kReplaySeed, kReplayPasses);
  ASSERT_EQ(first.problem, "");
  // Thrust, turns, boost, fire, N, C, comma, period and both turret keys
  // all take part.
  EXPECT_EQ(first.keysUsed.size(), std::size(keys::kBattleKeys));
  EXPECT_EQ(first.hash, kExpectedHash) << "battle hash is now 0x" << std::hex << first.hash;

  // Nothing carries over from one run to the next in the same process.
  EXPECT_EQ(Replay(kReplaySeed, kReplayPasses).hash, first.hash);
  EXPECT_NE(Replay(kReplaySeed + 1, kReplayPasses).hash, first.hash);
}

}  // namespace
}  // namespace sb
