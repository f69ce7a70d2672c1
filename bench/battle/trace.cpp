// The battle trace: one JSON line for the state after set-up and one after
// each pass's AI and Physics, with the keys held and the random draws.
#include <cstdio>
#include <fstream>
#include <vector>

#include "battle/battle_harness.h"
#include "battle/battle_trace.h"
#include "battle/frame_trace.h"
#include "modes.h"

namespace sb::bench {

namespace {

bool WriteFile(const std::string& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary);
  file << text;
  file.flush();
  if (!file) std::fprintf(stderr, "battle_bench: cannot write %s\n", path.c_str());
  return static_cast<bool>(file);
}

}  // namespace

int RunTrace(const Options& options) {
  std::ofstream out;
  if (!options.trace.empty()) {
    out.open(options.trace, std::ios::binary);
    if (!out) {
      std::fprintf(stderr, "battle_bench: cannot write %s\n", options.trace.c_str());
      return 2;
    }
  }
  std::vector<double> draws;
  try {
    if (!options.selectionFrameTrace.empty() &&
        !WriteFile(options.selectionFrameTrace, DefaultSelectionFrameTrace())) {
      return 1;
    }
    if (options.trace.empty() && options.frameTrace.empty()) return 0;
    harness::BattleRun run(options.seed, static_cast<int16_t>(options.design), false, &draws);
    if (out.is_open()) out << harness::TraceLine(0, *run.form, draws) << '\n';
    const int64_t passes = options.passes < 0 ? 1000 : options.passes;
    for (int64_t pass = 1; pass <= passes; ++pass) {
      run.NextKeys();
      draws.clear();
      run.Pass();
      // The last pass draws its frame with the platform recording.
      if (pass == passes && !options.frameTrace.empty()) {
        if (!WriteFile(options.frameTrace, BattleFrameTrace(*run.form, run.platform))) {
          return 1;
        }
      } else {
        run.form->Renderme();
      }
      if (out.is_open()) out << harness::TraceLine(pass, *run.form, draws) << '\n';
    }
  } catch (const GameError& e) {
    std::fprintf(stderr, "%s\n", e.Line().c_str());
    return 1;
  }
  if (out.is_open()) {
    out.flush();
    if (!out) {
      std::fprintf(stderr, "battle_bench: writing %s failed\n", options.trace.c_str());
      return 1;
    }
  }
  return 0;
}

}  // namespace sb::bench
