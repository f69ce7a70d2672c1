// The canvas's optional speed-ups, which of them are on, and a hook for
// tests to spoil what they draw.
//
// Each path promises the pixels SDL itself would draw, only sooner:
// culling leaves out quads that would draw nothing (quad_culling.h), the
// stretch cache blends pictures stretched ahead of time (stretch_cache.h),
// turned quads are drawn with the software renderer's own arithmetic
// (turned_quads.h). ChooseFastPaths (fast_path_check.h) decides which are
// on; nothing else does.
#pragma once

#include <SDL.h>

namespace sb::sdl {

enum class FastPath { Culling, StretchCache, TurnedQuads };

struct FastPaths {
  bool culling = false;
  bool stretchCache = false;
  bool turnedQuads = false;
  // Pictures keep their pixels beside their textures, for the paths that
  // read them.
  bool keepPixels() const { return stretchCache || turnedQuads; }
};

// For tests: called with the pixels a path has just made (`area` of the
// screen after a turned quad, the whole of a stretched copy), which it may
// change to force a difference from SDL. Null (the default): not called.
using FastPathSpoiler = void (*)(FastPath path, SDL_Surface* pixels, const SDL_Rect& area);
void SetFastPathSpoiler(FastPathSpoiler spoiler);
// Calls the spoiler, when one is set.
void SpoilFastPath(FastPath path, SDL_Surface* pixels, const SDL_Rect& area);

}  // namespace sb::sdl
