// Comparing SDL colours, as the renderer does: all four channels.
#pragma once

#include <SDL.h>

namespace sb::sdl {

inline bool SameColour(const SDL_Color& a, const SDL_Color& b) {
  return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a;
}

}  // namespace sb::sdl
