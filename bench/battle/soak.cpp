// A long battle with seeded random keys: after every pass, no run-time error
// and every invariant of the battle holds.
#include <cstdio>

#include "modes.h"
#include "battle/battle_harness.h"

namespace sb::bench {

int RunSoak(const Options& options) {
  int64_t pass = 0;
  try {
    harness::BattleRun run(options.seed, static_cast<int16_t>(options.design));
    std::string problem = harness::CheckInvariants(*run.form);
    for (; problem.empty() && pass < options.soak;) {
      ++pass;
      run.NextKeys();
      run.Pass();
      problem = harness::CheckInvariants(*run.form);
    }
    if (!problem.empty()) {
      std::fprintf(stderr, "soak: seed %llu, after pass %lld: %s\n",
                   static_cast<unsigned long long>(options.seed), static_cast<long long>(pass),
                   problem.c_str());
      return 1;
    }
    int destroyed = 0;
    for (int i = 0; i <= 50; ++i) destroyed += Crafts[i].Armour <= 0 ? 1 : 0;
    std::printf(
        "soak: seed %llu, %lld passes, invariants held; %d of 51 craft destroyed, "
        "state hash %016llx\n",
        static_cast<unsigned long long>(options.seed), static_cast<long long>(pass), destroyed,
        static_cast<unsigned long long>(harness::BattleHash(*run.form)));
  } catch (const GameError& e) {
    std::fprintf(stderr, "soak: seed %llu, in pass %lld: %s\n",
                 static_cast<unsigned long long>(options.seed), static_cast<long long>(pass),
                 e.Line().c_str());
    return 1;
  }
  return 0;
}

}  // namespace sb::bench
