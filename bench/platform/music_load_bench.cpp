// Start-up cost of the music: opening the sound output, then loading the
// battle and death tunes as the game does, and starting the first. Prints
// the game thread's processor time and the wall time of each step. Run it
// with the dummy sound driver, e.g.
//   SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy build/release/bench/platform/bench_music_load
#include <time.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "core/runtime_error.h"
#include "platform/music.h"
#include "platform/sdl/sdl_platform.h"

namespace {

struct Stamp {
  double cpuMs, wallMs;
};

Stamp Now() {
  timespec cpu{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpu);
  const auto wall = std::chrono::steady_clock::now().time_since_epoch();
  return {cpu.tv_sec * 1e3 + cpu.tv_nsec / 1e6,
          std::chrono::duration<double, std::milli>(wall).count()};
}

void Report(const char* step, const Stamp& from, const Stamp& to) {
  std::printf("%-28s cpu %7.2f ms   wall %7.2f ms\n", step, to.cpuMs - from.cpuMs,
              to.wallMs - from.wallMs);
}

}  // namespace

int main() {
  try {
    auto platform = sb::CreateSdlPlatform({.programFolder = SB_BENCH_DATA_DIR,
                                           .dataFolder = SB_BENCH_DATA_DIR,
                                           .pacePresents = false});
    sb::Music& music = platform->music();
    const std::string folder = SB_BENCH_DATA_DIR;
    const Stamp t0 = Now();
    music.InitAudio(sb::kAudioFlagsAll, sb::kAudioPathDynamicMono, 128);
    const Stamp t1 = Now();
    const sb::SegmentRef battle = music.LoadSegment(folder + "\\Einswei.mid");
    const sb::SegmentRef death = music.LoadSegment(folder + "\\Frozenbuffalo.mid");
    const Stamp t2 = Now();
    music.PlaySegmentEx(battle, sb::kSegfDefault, 0);
    const Stamp t3 = Now();
    Report("open the sound output", t0, t1);
    Report("load the two tunes", t1, t2);
    Report("start the battle tune", t2, t3);
    Report("music start-up in all", t0, t3);
  } catch (const sb::GameError& e) {
    std::fprintf(stderr, "bench_music_load: %s\n", e.detail.c_str());
    return 1;
  }
  return 0;
}
