// Start-up of the game against the least an SDL program needs to show the
// same window, measured in the same run: each round starts a fresh process
// of this program for each, in turn, and takes the time from starting it to
// its first presented frame, plus the processor time the whole process used.
// The game's process also reports how long its two tunes take to load.
//
//   startup_bench [--rounds N]
//
// Without a display set, it uses the offscreen video driver and the dummy
// sound driver; run it under `xvfb-run -a` to measure with an X server.
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "core/craft.h"
#include "core/form1.h"
#include "core/runtime_error.h"
#include "platform/minimal_window.h"
#include "platform/sdl/sdl_platform.h"

namespace {

double NowMillis() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Children report on standard output, which the parent reads from a pipe.
[[noreturn]] void ReportAndExit(double shownAt, double musicMillis) {
  std::printf("%.3f %.3f\n", shownAt, musicMillis);
  std::fflush(stdout);
  _exit(0);
}

void MinimalShown() {
  ReportAndExit(NowMillis(), 0);
}

int GameChild() {
  sb::SdlPlatformOptions options;
  options.programFolder = SB_BENCH_PROGRAM_DIR;
  try {
    auto platform = sb::CreateSdlPlatform(options);
    sb::ResetCrafts();
    auto form = std::make_unique<sb::Form1>(*platform);
    form->StartUp();
    form->Do_Mouse();
    form->SelecterRender();
    const double shown = NowMillis();
    // The same two loads start-up made, timed on their own.
    const double musicStart = NowMillis();
    platform->music().LoadSegment(std::string(SB_BENCH_PROGRAM_DIR) + "\\Einswei.mid");
    platform->music().LoadSegment(std::string(SB_BENCH_PROGRAM_DIR) + "\\Frozenbuffalo.mid");
    ReportAndExit(shown, NowMillis() - musicStart);
  } catch (const sb::GameError& e) {
    std::fprintf(stderr, "%s\n", e.Line().c_str());
    return 1;
  }
}

struct Run {
  double toFirstFrame = 0, processor = 0, music = 0;
};

// Starts this program again in `mode` and waits for it.
bool RunChild(const char* self, const char* mode, Run& run) {
  int fds[2];
  if (pipe(fds) != 0) return false;
  const double start = NowMillis();
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(fds[1], STDOUT_FILENO);
    close(fds[0]);
    close(fds[1]);
    execl(self, self, mode, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(fds[1]);
  char line[128] = {};
  size_t got = 0;
  for (ssize_t n;
       got + 1 < sizeof line && (n = read(fds[0], line + got, sizeof line - 1 - got)) > 0;)
    got += static_cast<size_t>(n);
  close(fds[0]);
  int status = 0;
  rusage usage{};
  if (pid < 0 || wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0) {
    return false;
  }
  double shownAt = 0;
  if (std::sscanf(line, "%lf %lf", &shownAt, &run.music) != 2) return false;
  run.toFirstFrame = shownAt - start;
  const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
  run.processor = ms(usage.ru_utime) + ms(usage.ru_stime);
  return true;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("DISPLAY") == nullptr) setenv("SDL_VIDEODRIVER", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  if (argc == 2 && std::strcmp(argv[1], "--child-minimal") == 0) {
    return sb::sdl::ShowMinimalWindow(MinimalShown) ? 0 : 1;
  }
  if (argc == 2 && std::strcmp(argv[1], "--child-game") == 0) return GameChild();
  long rounds = 9;
  if (argc == 3 && std::strcmp(argv[1], "--rounds") == 0) {
    rounds = std::max(1L, std::strtol(argv[2], nullptr, 10));
  } else if (argc != 1) {
    std::fprintf(stderr, "usage: startup_bench [--rounds N]\n");
    return 2;
  }
  const char* self = "/proc/self/exe";
  std::vector<double> minimalWall, minimalCpu, gameWall, gameCpu, music;
  for (long r = 0; r < rounds; ++r) {
    Run minimal, game;
    if (!RunChild(self, "--child-minimal", minimal) || !RunChild(self, "--child-game", game)) {
      std::fprintf(stderr, "startup_bench: a child process failed\n");
      return 1;
    }
    minimalWall.push_back(minimal.toFirstFrame);
    minimalCpu.push_back(minimal.processor);
    gameWall.push_back(game.toFirstFrame);
    gameCpu.push_back(game.processor);
    music.push_back(game.music);
  }
  const char* driver = std::getenv("SDL_VIDEODRIVER");
  std::printf("spacebattle start-up benchmark: %ld rounds, video driver %s, medians\n", rounds,
              driver ? driver : "default (X11)");
  std::printf("                          to first frame   processor time\n");
  std::printf("  minimal SDL window        %8.1f ms      %8.1f ms\n", Median(minimalWall),
              Median(minimalCpu));
  std::printf("  game, selection screen    %8.1f ms      %8.1f ms\n", Median(gameWall),
              Median(gameCpu));
  std::printf("  game / minimal            %8.2f         %8.2f\n",
              Median(gameWall) / Median(minimalWall), Median(gameCpu) / Median(minimalCpu));
  std::printf("  of the game's start-up, loading its two tunes: %.1f ms\n", Median(music));
  return 0;
}
