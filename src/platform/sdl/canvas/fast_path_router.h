// Sends each quad through the fast paths that are on: leaves it out when it
// lies outside the viewport, swaps in a picture stretched ahead, or draws it
// straight into the screen when it is a turned quad. With a path off, the
// quad goes to SDL as it came.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <memory>

#include "platform/sdl/canvas/fast_paths.h"
#include "platform/sdl/canvas/stretch_cache.h"

namespace sb::sdl {

class GpuImage;

class FastPathRouter {
 public:
  // `picture`: the surface the software renderer draws into (null on a
  // hardware renderer); `paths`: those to use, as ChooseFastPaths decided.
  void Attach(SDL_Renderer* renderer, SDL_Surface* picture, const FastPaths& paths);
  void Detach();
  const FastPaths& paths() const { return paths_; }

  // True when the quad (corners relative to a viewport of `width` x
  // `height`) can be left out: it would draw nothing.
  bool LeavesOut(const SDL_Vertex corners[4], int width, int height) const;
  // The picture to draw the quad with (see StretchCache::Pick), which may
  // rewrite `corners`.
  std::shared_ptr<GpuImage> Pick(const std::shared_ptr<GpuImage>& image, SDL_Vertex corners[4],
                                 SDL_ScaleMode scale);
  // True when the quad (corners relative to `viewport`, the renderer's) is
  // a turned quad drawn here rather than by the renderer.
  bool TakesTurnedQuad(const SDL_Vertex corners[4], SDL_BlendMode blend, const GpuImage* image,
                       const SDL_Rect& viewport) const;
  // Draws such a quad straight into the screen. Whatever the renderer has
  // queued must be drawn first.
  void DrawTurnedQuad(const SDL_Vertex corners[4], const GpuImage& image, const SDL_Rect& viewport);
  // Called once a frame.
  void NextFrame() { stretch_.NextFrame(); }

  // Turned quads drawn here since the start, and a switch that leaves them
  // all to the renderer, for tests that compare the two.
  uint64_t turnedQuadsDrawn() const { return turnedQuadsDrawn_; }
  void DrawTurnedQuadsHere(bool on) { turnedQuadsHere_ = on; }

 private:
  FastPaths paths_;
  SDL_Surface* picture_ = nullptr;
  StretchCache stretch_;
  bool turnedQuadsHere_ = true;
  uint64_t turnedQuadsDrawn_ = 0;
};

}  // namespace sb::sdl
