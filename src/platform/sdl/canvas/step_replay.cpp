#include "platform/sdl/canvas/step_replay.h"

#include <string>

#include "core/runtime_error.h"
#include "platform/sdl/canvas/fast_path_router.h"
#include "platform/sdl/canvas/gpu_image.h"

namespace sb::sdl {

namespace {

[[noreturn]] void DrawFailed(const char* what) {
  Fail(ErrorKind::PlatformCall, std::string(what) + ": " + SDL_GetError());
}

}  // namespace

StepReplay::StepReplay() {
  const int quads = static_cast<int>(FrameRecord::kMaxStepVertices / 4);
  quadIndices_.reserve(static_cast<size_t>(quads) * 6);
  for (int q = 0; q < quads; ++q) {
    for (int corner : {0, 1, 2, 0, 2, 3}) quadIndices_.push_back(4 * q + corner);
  }
}

void StepReplay::Attach(SDL_Renderer* renderer, int width, int height, FastPathRouter& router) {
  renderer_ = renderer;
  router_ = &router;
  width_ = width;
  height_ = height;
  viewport_ = SDL_Rect{0, 0, width, height};
}

void StepReplay::Detach() {
  renderer_ = nullptr;
  router_ = nullptr;
}

void StepReplay::ReapplyViewport() {
  if (renderer_ != nullptr) ApplyViewport(viewport_);
}

void StepReplay::ApplyViewport(const SDL_Rect& viewport) {
  viewport_ = viewport;
  if (SDL_RenderSetViewport(renderer_, &viewport_) != 0) DrawFailed("cannot set the viewport");
}

void StepReplay::Replay(const FrameRecord& frame, const DrawStep& step) {
  switch (step.kind) {
    case DrawStep::Kind::Viewport:
      ApplyViewport(step.viewport);
      return;
    case DrawStep::Kind::Clear:
      ReplayClear(step.colour);
      return;
    case DrawStep::Kind::Triangles:
      ReplayQuads(frame, step);
      return;
  }
}

void StepReplay::ReplayClear(SDL_Color colour) {
  const SDL_Rect& v = viewport_;
  SDL_SetRenderDrawColor(renderer_, colour.r, colour.g, colour.b, 255);
  int rc;
  if (v.x == 0 && v.y == 0 && v.w == width_ && v.h == height_) {
    rc = SDL_RenderClear(renderer_);
  } else {
    SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_NONE);
    const SDL_Rect whole{0, 0, v.w, v.h};
    rc = SDL_RenderFillRect(renderer_, &whole);
  }
  if (rc != 0) DrawFailed("cannot clear the screen");
}

void StepReplay::ReplayQuads(const FrameRecord& frame, const DrawStep& step) {
  SDL_Texture* texture = nullptr;
  if (step.image) {
    texture = step.image->texture();
    if (texture == nullptr) {
      Fail(ErrorKind::PlatformCall, "a texture was drawn after its graphics device was released");
    }
    if (SDL_SetTextureBlendMode(texture, step.blend) != 0) DrawFailed("unsupported blending mode");
    SDL_SetTextureScaleMode(texture, step.scale);
  } else if (SDL_SetRenderDrawBlendMode(renderer_, step.blend) != 0) {
    DrawFailed("unsupported blending mode");
  }
  // Runs of quads go to the renderer; a turned quad the router takes is
  // drawn by it in its place, once the run before it is drawn.
  const SDL_Vertex* vertices = frame.vertices(step);
  const GpuImage* image = step.image.get();
  const size_t quads = step.count / 4;
  size_t run = 0;
  for (size_t q = 0; q <= quads; ++q) {
    const bool turned =
        q < quads && router_->TakesTurnedQuad(vertices + 4 * q, step.blend, image, viewport_);
    if (q < quads && !turned) continue;
    if (q > run) Draw(texture, vertices + 4 * run, q - run);
    if (turned) {
      if (SDL_RenderFlush(renderer_) != 0) DrawFailed("drawing failed");
      router_->DrawTurnedQuad(vertices + 4 * q, *image, viewport_);
    }
    run = q + 1;
  }
}

void StepReplay::Draw(SDL_Texture* texture, const SDL_Vertex* vertices, size_t quads) {
  const int count = static_cast<int>(quads * 4);
  if (SDL_RenderGeometry(renderer_, texture, vertices, count, quadIndices_.data(), count / 4 * 6) !=
      0) {
    DrawFailed("drawing failed");
  }
}

}  // namespace sb::sdl
