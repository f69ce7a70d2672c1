// The battle trace: one JSON line for the state after set-up and one after
// each pass's AI and Physics, with the keys held and the random draws.
#include <cstdio>
#include <fstream>
#include <vector>

#include "modes.h"
#include "support/battle_harness.h"
#include "support/battle_trace.h"

namespace sb::bench {

int RunTrace(const Options& options) {
  std::ofstream out(options.trace, std::ios::binary);
  if (!out) {
    std::fprintf(stderr, "battle_bench: cannot write %s\n", options.trace.c_str());
    return 2;
  }
  std::vector<double> draws;
  try {
    harness::BattleRun run(options.seed, static_cast<int16_t>(options.design), false, &draws);
    out << harness::TraceLine(0, *run.form, draws) << '\n';
    const int64_t passes = options.passes < 0 ? 1000 : options.passes;
    for (int64_t pass = 1; pass <= passes; ++pass) {
      run.NextKeys();
      draws.clear();
      run.Pass();
      out << harness::TraceLine(pass, *run.form, draws) << '\n';
    }
  } catch (const GameError& e) {
    std::fprintf(stderr, "%s\n", e.Line().c_str());
    return 1;
  }
  out.flush();
  if (!out) {
    std::fprintf(stderr, "battle_bench: writing %s failed\n", options.trace.c_str());
    return 1;
  }
  return 0;
}

}  // namespace sb::bench
