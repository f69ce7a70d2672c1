// Whole battle passes on the SDL platform with the game's own files: start-up
// to the first drawn selection frame, battle set-up, then passes of AI,
// Physics, Renderme and the end-of-pass yield, timed one by one.
//
//   frame_bench [--passes N] [--paced] [--seed S] [--screen WxH]
//
// Unpaced (the default) it measures what a frame costs; --paced lets Present
// wait for its 1/60 s deadlines and reports the intervals between presented
// frames, i.e. the game's speed, and the processor time the process used as a
// percentage of one core, on the idle selection screen and in battle.
// Without a display set, it uses the offscreen video driver (software
// renderer) and the dummy sound driver. --screen draws into a window of that
// size, as the game shows its picture on such a screen.
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/craft.h"
#include "core/form1.h"
#include "core/key_codes.h"
#include "core/random.h"
#include "core/runtime_error.h"
#include "platform/sdl/sdl_platform.h"

namespace {

using Clock = std::chrono::steady_clock;

double Millis(Clock::time_point a, Clock::time_point b) {
  return std::chrono::duration<double, std::milli>(b - a).count();
}

// Processor time of the calling thread alone (the game's, without the sound
// threads) in ms: steadier than wall-clock time on a busy machine.
double ThreadProcessorMillis() {
  rusage usage{};
  getrusage(RUSAGE_THREAD, &usage);
  const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
  return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Processor time of the whole process (all threads, user and system) in ms.
double ProcessorMillis() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
  return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Processor use over a stretch of wall-clock time, as a percentage of one
// core.
struct Usage {
  Clock::time_point wall = Clock::now();
  double processor = ProcessorMillis();
  double Percent() const {
    return 100.0 * (ProcessorMillis() - processor) / Millis(wall, Clock::now());
  }
};

// The selection screen left alone for `frames` frames, as its loop runs it.
void IdleSelection(sb::Form1& f, sb::Platform& platform, long frames) {
  for (long n = 0; n < frames; ++n) {
    f.Do_Mouse();
    f.SelecterRender();
    platform.window().Yield(f);
  }
}

struct Summary {
  double median = 0, p99 = 0, mean = 0, sd = 0;
};

Summary Summarise(std::vector<double> v) {
  Summary s;
  if (v.empty()) return s;
  for (double x : v) s.mean += x;
  s.mean /= v.size();
  for (double x : v) s.sd += (x - s.mean) * (x - s.mean);
  s.sd = std::sqrt(s.sd / v.size());
  std::sort(v.begin(), v.end());
  s.median = v[v.size() / 2];
  s.p99 = v[std::min(v.size() - 1, static_cast<size_t>(std::ceil(v.size() * 0.99)) - 1)];
  return s;
}

// Game keys held at random, changed every half second of passes, so the
// player flies, turns, fires and picks targets.
void RandomKeys(sb::Form1& form, sb::RandomSource& chance, long pass) {
  if (pass % 30 != 0) return;
  for (int code : sb::keys::kBattleKeys)
    form.KeyDown[code] =
        chance.Next() < (code == sb::keys::kW || code == sb::keys::kSpace ? 0.6 : 0.2);
}

}  // namespace

int main(int argc, char** argv) {
  long passes = 600;
  bool paced = false;
  uint64_t seed = 1;
  int screenW = 0, screenH = 0;
  for (int a = 1; a < argc; ++a) {
    const std::string arg = argv[a];
    if (arg == "--passes" && a + 1 < argc) {
      passes = std::strtol(argv[++a], nullptr, 10);
    } else if (arg == "--seed" && a + 1 < argc) {
      seed = std::strtoull(argv[++a], nullptr, 10);
    } else if (arg == "--paced") {
      paced = true;
    } else if (arg == "--screen" && a + 1 < argc &&
               std::sscanf(argv[a + 1], "%dx%d", &screenW, &screenH) == 2 && screenW > 0 &&
               screenH > 0) {
      ++a;
    } else {
      std::fprintf(stderr, "usage: frame_bench [--passes N] [--paced] [--seed S] [--screen WxH]\n");
      return 2;
    }
  }
  if (passes < 1) passes = 1;
  if (std::getenv("DISPLAY") == nullptr) setenv("SDL_VIDEODRIVER", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);

  sb::SdlPlatformOptions options;
  options.programFolder = SB_BENCH_PROGRAM_DIR;
  options.pacePresents = paced;
  options.windowed = screenW > 0;
  options.windowWidth = screenW;
  options.windowHeight = screenH;
  try {
    const Clock::time_point start = Clock::now();
    auto platform = sb::CreateSdlPlatform(options);
    sb::ResetCrafts();
    auto form = std::make_unique<sb::Form1>(*platform);
    sb::Form1& f = *form;
    // Start-up as the game runs it, to the first presented selection frame.
    f.StartUp();
    f.Do_Mouse();
    f.SelecterRender();
    const double startup = Millis(start, Clock::now());
    double selectionUse = 0;
    if (paced) {
      IdleSelection(f, *platform, 30);  // settle first
      const Usage use;
      IdleSelection(f, *platform, 300);
      selectionUse = use.Percent();
    }

    // The player's craft, as the Start button spawns it, then set-up.
    const Clock::time_point click = Clock::now();
    const double clickThread = ThreadProcessorMillis();
    f.StartBattle();
    f.FixedSeed = seed;
    const Clock::time_point setUpStart = Clock::now();
    const double setUpThread = ThreadProcessorMillis();
    f.BattleSetUp();
    const double setUp = Millis(setUpStart, Clock::now());
    const double setUpProcessor = ThreadProcessorMillis() - setUpThread;

    sb::RandomSource keys;
    keys.Seed(seed ^ 0x9e3779b97f4a7c15ull);
    std::vector<double> pass, render, interval;
    double toFirstFrame = 0, toFirstFrameProcessor = 0;
    Clock::time_point lastPresent = Clock::now();
    const Usage battleUse;
    const double passesThread = ThreadProcessorMillis();
    for (long n = 0; n < passes; ++n) {
      RandomKeys(f, keys, n);
      const Clock::time_point t0 = Clock::now();
      f.AI();
      f.Physics();
      const Clock::time_point t1 = Clock::now();
      f.Renderme();
      const Clock::time_point t2 = Clock::now();
      platform->window().Yield(f);
      const Clock::time_point t3 = Clock::now();
      render.push_back(Millis(t1, t2));
      pass.push_back(Millis(t0, t3));
      if (n > 0) interval.push_back(Millis(lastPresent, t2));
      if (n == 0) {
        toFirstFrame = Millis(click, t2);
        toFirstFrameProcessor = ThreadProcessorMillis() - clickThread;
      }
      lastPresent = t2;
    }
    const double battlePercent = battleUse.Percent();
    const double passProcessor =
        (ThreadProcessorMillis() - passesThread) / static_cast<double>(passes);
    // Starting the battle tune again, as set-up did: the tune's share of it.
    const Clock::time_point tuneStart = Clock::now();
    platform->music().PlaySegmentEx(f.BattleMusic, sb::kSegfDefault, 0);
    const double tune = Millis(tuneStart, Clock::now());
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);

    const char* driver = std::getenv("SDL_VIDEODRIVER");
    std::printf("spacebattle frame benchmark: %ld battle passes, %s, video driver %s, %s\n", passes,
                paced ? "paced to 60 Hz" : "unpaced", driver ? driver : "default (X11)",
                screenW > 0 ? (std::to_string(screenW) + "x" + std::to_string(screenH)).c_str()
                            : "full screen");
    std::printf("  start-up to first selection frame  %8.1f ms\n", startup);
    std::printf(
        "  battle set-up (251 textures)       %8.1f ms  (game thread's processor time %.1f ms)\n",
        setUp, setUpProcessor);
    std::printf(
        "  Start click to first battle frame  %8.1f ms  (game thread's processor time %.1f ms;"
        " starting the battle tune %.1f ms)\n",
        toFirstFrame, toFirstFrameProcessor, tune);
    const Summary p = Summarise(pass), r = Summarise(render);
    std::printf("  whole pass      median %7.3f ms  p99 %7.3f ms  mean %7.3f ms\n", p.median, p.p99,
                p.mean);
    std::printf("  Renderme        median %7.3f ms  p99 %7.3f ms  mean %7.3f ms\n", r.median, r.p99,
                r.mean);
    std::printf("  game thread's processor time a pass, mean  %7.3f ms\n", passProcessor);
    if (paced) {
      const Summary i = Summarise(interval);
      std::printf("  present interval mean %8.4f ms  sd %7.4f ms  (%.3f steps a second)\n", i.mean,
                  i.sd, 1000.0 / i.mean);
      std::printf("  processor use, idle selection screen %6.1f %% of one core\n", selectionUse);
      std::printf("  processor use, battle               %6.1f %% of one core\n", battlePercent);
    }
    std::printf("  peak memory                        %8.1f MB\n", usage.ru_maxrss / 1024.0);
    platform->window().ReleaseDevice();
  } catch (const sb::GameError& e) {
    std::fprintf(stderr, "%s\n", e.Line().c_str());
    return 1;
  }
  return 0;
}
