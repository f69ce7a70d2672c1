#include "platform/sdl/canvas/fast_paths.h"

namespace sb::sdl {

namespace {

FastPathSpoiler spoiler = nullptr;

}  // namespace

void SetFastPathSpoiler(FastPathSpoiler s) {
  spoiler = s;
}

void SpoilFastPath(FastPath path, SDL_Surface* pixels, const SDL_Rect& area) {
  if (spoiler != nullptr) spoiler(path, pixels, area);
}

}  // namespace sb::sdl
