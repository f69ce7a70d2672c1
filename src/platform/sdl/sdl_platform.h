// The game's platform on SDL2, SDL2_mixer and SDL2_ttf. No SDL type appears
// here: the rest of the program only sees the sb::Platform interfaces.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/platform.h"

namespace sb {

struct SdlPlatformOptions {
  // Folder the game's own files are read from (textures, sounds, tunes);
  // empty = the folder of the executable.
  std::string programFolder;
  // Folder holding fonts/ and soundfont/; empty = the program folder.
  std::string dataFolder;
  // Present waits for the next 1/60 s deadline.
  bool pacePresents = true;
  // Start in a window of the picture's size instead of desktop full screen.
  bool windowed = false;
  // With `windowed`, a window of this many pixels instead (0: the picture's
  // size, shrunk to fit the desktop), for measuring other screen sizes.
  int windowWidth = 0, windowHeight = 0;
  // False: no sound reaches a device (the mixer still runs, on SDL's dummy
  // driver).
  bool sound = true;
  // The player's settings file; unset = the one in the user's configuration
  // folder, "" = none (nothing read, nothing kept).
  std::optional<std::string> settingsFile;
};

std::unique_ptr<Platform> CreateSdlPlatform(const SdlPlatformOptions& options = {});

}  // namespace sb
