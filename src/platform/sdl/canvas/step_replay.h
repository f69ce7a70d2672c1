// Hands a gathered frame's steps to an SDL renderer: viewport changes,
// clears, and each run of quads in one SDL_RenderGeometry call; quads the
// fast-path router draws itself go in their place, in order.
#pragma once

#include <SDL.h>

#include <vector>

#include "platform/sdl/canvas/frame_record.h"

namespace sb::sdl {

class FastPathRouter;

class StepReplay {
 public:
  StepReplay();

  // Replays onto `renderer`, which draws a picture of `width` x `height`.
  void Attach(SDL_Renderer* renderer, int width, int height, FastPathRouter& router);
  void Detach();

  void Replay(const FrameRecord& frame, const DrawStep& step);
  // Sets the last viewport replayed on the renderer again (after it drew
  // elsewhere).
  void ReapplyViewport();

 private:
  void ApplyViewport(const SDL_Rect& viewport);
  void ReplayClear(SDL_Color colour);
  void ReplayQuads(const FrameRecord& frame, const DrawStep& step);
  void Draw(SDL_Texture* texture, const SDL_Vertex* vertices, size_t quads);

  SDL_Renderer* renderer_ = nullptr;
  FastPathRouter* router_ = nullptr;
  int width_ = 0, height_ = 0;
  SDL_Rect viewport_{0, 0, 0, 0};  // the renderer's, as last replayed
  std::vector<int> quadIndices_;   // (0,1,2),(0,2,3) for every quad of a step
};

}  // namespace sb::sdl
