// Timing figures: battle set-up, then passes of AI, Physics and Renderme
// with seeded random keys and recording off.
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "battle/battle_harness.h"
#include "modes.h"

namespace sb::bench {
namespace {

using Clock = std::chrono::steady_clock;

double Microseconds(Clock::duration d) {
  return std::chrono::duration<double, std::micro>(d).count();
}

struct Figures {
  double median, p99, mean;
};

Figures Summarise(std::vector<double>& us) {
  std::sort(us.begin(), us.end());
  double total = 0;
  for (double v : us) total += v;
  const size_t n = us.size();
  return {us[n / 2], us[std::min(n - 1, n * 99 / 100)], total / static_cast<double>(n)};
}

}  // namespace

int RunBenchmark(const Options& given) {
  Options options = given;
  if (options.passes < 0) options.passes = 200000;
  if (options.passes < 1) {
    std::fprintf(stderr, "battle_bench: --passes must be at least 1\n");
    return 2;
  }
  try {
    // Everything before the battle loop; the battle set-up proper
    // (BUILDSTUFF, Buildit, 251 texture loads) is timed inside it.
    const auto startUp = Clock::now();
    harness::BattleRun run(options.seed, static_cast<int16_t>(options.design));
    const double startUpMs = Microseconds(Clock::now() - startUp) / 1000;

    // The same set-up once more, alone, on the game object just built.
    ResetCrafts();
    run.form->CraftCount = 0;
    SpawnPlayer(*run.form, static_cast<int16_t>(options.design));
    const auto setUp = Clock::now();
    run.form->BattleSetUp();
    const double setUpMs = Microseconds(Clock::now() - setUp) / 1000;

    const size_t n = static_cast<size_t>(options.passes);
    std::vector<double> ai, physics, render;
    ai.reserve(n), physics.reserve(n), render.reserve(n);
    const auto loop = Clock::now();
    for (size_t pass = 0; pass < n; ++pass) {
      run.NextKeys();
      const auto t0 = Clock::now();
      run.form->AI();
      const auto t1 = Clock::now();
      run.form->Physics();
      const auto t2 = Clock::now();
      run.form->Renderme();
      const auto t3 = Clock::now();
      ai.push_back(Microseconds(t1 - t0));
      physics.push_back(Microseconds(t2 - t1));
      render.push_back(Microseconds(t3 - t2));
    }
    const double loopSeconds = Microseconds(Clock::now() - loop) / 1e6;

    std::vector<double> both(n);
    for (size_t k = 0; k < n; ++k) both[k] = ai[k] + physics[k];
    const Figures fa = Summarise(ai), fp = Summarise(physics), fr = Summarise(render),
                  fb = Summarise(both);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);

    std::printf("battle benchmark: seed %llu, design %d, %zu passes (headless, recording off)\n",
                static_cast<unsigned long long>(options.seed), options.design, n);
    std::printf("  start-up to first pass      %9.2f ms\n", startUpMs);
    std::printf("  battle set-up               %9.2f ms  (BUILDSTUFF + Buildit, 251 textures)\n",
                setUpMs);
    std::printf("  passes per second           %9.0f     (keys, AI, Physics, Renderme)\n",
                static_cast<double>(n) / loopSeconds);
    std::printf("  per pass, microseconds         median      p99     mean\n");
    std::printf("    AI                         %8.2f %8.2f %8.2f\n", fa.median, fa.p99, fa.mean);
    std::printf("    Physics                    %8.2f %8.2f %8.2f\n", fp.median, fp.p99, fp.mean);
    std::printf("    AI + Physics               %8.2f %8.2f %8.2f\n", fb.median, fb.p99, fb.mean);
    std::printf("    Renderme                   %8.2f %8.2f %8.2f\n", fr.median, fr.p99, fr.mean);
    std::printf("  peak memory (ru_maxrss)     %9ld KiB\n", usage.ru_maxrss);
  } catch (const GameError& e) {
    std::fprintf(stderr, "%s\n", e.Line().c_str());
    return 1;
  }
  return 0;
}

}  // namespace sb::bench
