// The game's executable: the SDL platform running the game.
#include <iostream>

#include "core/entry.h"
#include "platform/sdl/sdl_platform.h"

int main() {
  auto platform = sb::CreateSdlPlatform();
  return sb::RunGame(*platform, std::cerr);
}
