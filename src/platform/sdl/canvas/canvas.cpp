#include "platform/sdl/canvas/canvas.h"

#include "platform/sdl/canvas/fast_path_check.h"

namespace sb::sdl {

void Canvas::Attach(SDL_Renderer* renderer, SDL_Surface* picture, int width, int height) {
  renderer_ = renderer;
  width_ = width;
  height_ = height;
  viewport_ = SDL_Rect{0, 0, width, height};
  const FastPaths paths = ChooseFastPaths(picture);
  life_ = std::make_shared<RendererLife>();
  life_->renderer = renderer;
  life_->keepPixels = paths.keepPixels();
  router_.Attach(renderer, picture, paths);
  replay_.Attach(renderer, width, height, router_);
  frames_.Forget();
  tiles_.Forget();
}

void Canvas::Detach() {
  frames_.Forget();
  tiles_.Forget();
  replay_.Detach();
  router_.Detach();
  life_->renderer = nullptr;
  renderer_ = nullptr;
}

void Canvas::SetViewport(const SDL_Rect& viewport) {
  viewport_ = viewport;
  frames_.AddViewport(viewport);
}

void Canvas::AddQuad(const GpuImageRef& image, const SDL_Vertex given[4], SDL_BlendMode blend,
                     SDL_ScaleMode scale) {
  if (router_.LeavesOut(given, viewport_.w, viewport_.h)) return;
  SDL_Vertex corners[4] = {given[0], given[1], given[2], given[3]};
  frames_.AddQuad(router_.Pick(image, corners, scale), corners, blend, scale);
}

void Canvas::Clear(uint8_t r, uint8_t g, uint8_t b) {
  const bool whole =
      viewport_.x == 0 && viewport_.y == 0 && viewport_.w == width_ && viewport_.h == height_;
  frames_.AddClear(SDL_Color{r, g, b, 255}, whole);
}

void Canvas::Flush() {
  if (renderer_ == nullptr) {
    frames_.DropUnhanded();
    return;
  }
  const FrameRecord& frame = frames_.frame();
  if (frames_.handedOver() < frame.steps().size() && beforeDrawing_) beforeDrawing_();
  for (size_t i = frames_.handedOver(); i < frame.steps().size(); ++i) {
    replay_.Replay(frame, frame.steps()[i]);
  }
  frames_.AllHandedOver();
}

void Canvas::EndFrame(bool repeated) {
  router_.NextFrame();
  frames_.EndFrame(repeated, renderer_ != nullptr);
}

}  // namespace sb::sdl
