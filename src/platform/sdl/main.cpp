// The game's executable: the command line, then the SDL platform running the
// game, with a demo recorder or player when asked for.
// On Windows SDL's entry point runs main() with the command line in UTF-8.
#include <SDL_main.h>

#include <clocale>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "core/command_line.h"
#include "core/entry.h"
#include "core/runtime_error.h"
#include "demo/demo_file.h"
#include "demo/demo_player.h"
#include "demo/demo_recorder.h"
#include "platform/sdl/sdl_platform.h"
#include "platform/sdl/system/standard_descriptors.h"

namespace {

int Play(const sb::CommandLine& options, sb::BattleHooks* hooks) {
  sb::SdlPlatformOptions platformOptions;
  platformOptions.windowed = options.window;
  // A timed demo runs as fast as it can, without sound.
  platformOptions.pacePresents = options.timedemo.empty();
  platformOptions.sound = options.timedemo.empty();
  try {
    auto platform = sb::CreateSdlPlatform(platformOptions);
    return sb::RunGame(*platform, std::cerr, sb::GameSetup{hooks, options.seed});
  } catch (const sb::GameError& e) {
    std::cerr << e.Line() << '\n';
    return 1;
  }
}

}  // namespace

int main(int argc, char** argv) {
  // Before any library opens a file or a connection.
  sb::sdl::OpenClosedStandardDescriptors();
  // The design description shows its figures with the user's decimal
  // separator; everything else the game writes is locale-independent.
  std::setlocale(LC_NUMERIC, "");
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  const sb::ParsedCommandLine parsed = sb::ParseCommandLine(args);
  if (!parsed.error.empty()) {
    std::cerr << parsed.error << '\n';
    return sb::kUsageExitStatus;
  }
  const sb::CommandLine& options = parsed.options;
  if (options.help || options.version) {
    const std::string problem =
        sb::PrintText(stdout, options.help ? sb::HelpText() : sb::VersionText());
    if (problem.empty()) return 0;
    std::cerr << problem << '\n';
    return 1;
  }

  // A demo to show is read whole before any window opens.
  const std::string& show = options.playdemo.empty() ? options.timedemo : options.playdemo;
  if (!show.empty()) {
    sb::demo::DecodeResult read = sb::demo::ReadDemoFile(show);
    if (!read.error.empty()) {
      std::cerr << read.error << '\n';
      return sb::kUsageExitStatus;
    }
    sb::demo::DemoPlayer player(show, std::move(read.demo), std::cout, std::cerr,
                                !options.timedemo.empty());
    return Play(options, &player);
  }
  if (!options.record.empty()) {
    const std::string problem = sb::demo::CheckWritable(options.record);
    if (!problem.empty()) {
      std::cerr << problem << '\n';
      return sb::kUsageExitStatus;
    }
    sb::demo::DemoRecorder recorder(options.record);
    return Play(options, &recorder);
  }
  return Play(options, nullptr);
}
