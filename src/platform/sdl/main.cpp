// The game's executable: the SDL platform running the game.
#include <clocale>
#include <iostream>

#include "core/entry.h"
#include "core/runtime_error.h"
#include "platform/sdl/sdl_platform.h"
#include "platform/sdl/standard_descriptors.h"

int main() {
  // Before any library opens a file or a connection.
  sb::sdl::OpenClosedStandardDescriptors();
  // The design description shows its figures with the user's decimal
  // separator; everything else the game writes is locale-independent.
  std::setlocale(LC_NUMERIC, "");
  try {
    auto platform = sb::CreateSdlPlatform();
    return sb::RunGame(*platform, std::cerr);
  } catch (const sb::GameError& e) {
    std::cerr << e.Line() << '\n';
    return 1;
  }
}
