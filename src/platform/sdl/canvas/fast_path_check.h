// The one place that decides which fast paths the canvas uses.
//
// On a hardware renderer only culling is used. On SDL's software renderer
// each path must first earn its place: a fixed set of quads (turned,
// stretched, tinted, half transparent, across the edges of the viewport and
// of the screen, in each blend the game uses) is drawn on a scratch surface
// of the picture's format, once by SDL and once through the path, and the
// path is used only when every pixel is the same. A path that differs is
// left out without a word and SDL draws everything it would have drawn:
// slower, never different.
#pragma once

#include <SDL.h>

#include "platform/sdl/canvas/fast_paths.h"

namespace sb::sdl {

// `picture`: the surface the software renderer draws into; null for a
// hardware renderer.
FastPaths ChooseFastPaths(const SDL_Surface* picture);

}  // namespace sb::sdl
