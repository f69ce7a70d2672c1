#include "platform/sdl/canvas/canvas.h"

#include <string>
#include <utility>

#include "core/runtime_error.h"
#include "platform/sdl/canvas/quad_culling.h"
#include "platform/sdl/canvas/turned_quads.h"

namespace sb::sdl {

namespace {

[[noreturn]] void DrawFailed(const char* what) {
  Fail(ErrorKind::PlatformCall, std::string(what) + ": " + SDL_GetError());
}

}  // namespace

Canvas::Canvas() {
  const int quads = static_cast<int>(FrameRecord::kMaxStepVertices / 4);
  quadIndices_.reserve(static_cast<size_t>(quads) * 6);
  for (int q = 0; q < quads; ++q) {
    for (int corner : {0, 1, 2, 0, 2, 3}) quadIndices_.push_back(4 * q + corner);
  }
}

void Canvas::Attach(SDL_Renderer* renderer, SDL_Surface* picture, int width, int height) {
  renderer_ = renderer;
  picture_ = picture;
  width_ = width;
  height_ = height;
  viewport_ = SDL_Rect{0, 0, width, height};
  rendererViewport_ = viewport_;
  life_ = std::make_shared<RendererLife>();
  life_->renderer = renderer;
  stretch_.Attach(renderer);
  ForgetFrames();
}

void Canvas::Detach() {
  ForgetFrames();
  stretch_.Detach();
  life_->renderer = nullptr;
  renderer_ = nullptr;
  picture_ = nullptr;
}

void Canvas::ForgetFrames() {
  frame_.Clear();
  shown_.Clear();
  handedOver_ = 0;
  drawnThisFrame_ = false;
  clearsScreenFirst_ = false;
  shownKnown_ = false;
  repeats_ = 0;
}

void Canvas::SetViewport(const SDL_Rect& viewport) {
  viewport_ = viewport;
  frame_.AddViewport(viewport);
}

void Canvas::ReapplyViewport() {
  if (renderer_ == nullptr) return;
  ApplyViewport(rendererViewport_);
}

void Canvas::ApplyViewport(const SDL_Rect& viewport) {
  rendererViewport_ = viewport;
  if (SDL_RenderSetViewport(renderer_, &rendererViewport_) != 0) {
    DrawFailed("cannot set the viewport");
  }
}

void Canvas::AddQuad(const GpuImageRef& picture, const SDL_Vertex given[4], SDL_BlendMode blend,
                     SDL_ScaleMode scale) {
  if (LiesOutsideViewport(given, viewport_.w, viewport_.h)) return;
  SDL_Vertex corners[4] = {given[0], given[1], given[2], given[3]};
  const GpuImageRef image = stretch_.Pick(picture, corners, scale);
  frame_.AddQuad(image, corners, blend, scale, handedOver_);
  drawnThisFrame_ = true;
}

void Canvas::Clear(uint8_t r, uint8_t g, uint8_t b) {
  if (!drawnThisFrame_) {
    clearsScreenFirst_ =
        viewport_.x == 0 && viewport_.y == 0 && viewport_.w == width_ && viewport_.h == height_;
  }
  drawnThisFrame_ = true;
  frame_.AddClear(SDL_Color{r, g, b, 255});
}

void Canvas::Flush() {
  if (renderer_ == nullptr) {
    frame_.Clear();
    handedOver_ = 0;
    return;
  }
  const std::vector<DrawStep>& steps = frame_.steps();
  if (handedOver_ == steps.size()) return;
  screen_ = turnedQuadsHere_ ? picture_ : nullptr;
  for (; handedOver_ < steps.size(); ++handedOver_) Replay(steps[handedOver_]);
}

void Canvas::Replay(const DrawStep& step) {
  switch (step.kind) {
    case DrawStep::Kind::Viewport:
      ApplyViewport(step.viewport);
      return;
    case DrawStep::Kind::Clear: {
      const SDL_Rect& v = rendererViewport_;
      SDL_SetRenderDrawColor(renderer_, step.colour.r, step.colour.g, step.colour.b, 255);
      int rc;
      if (v.x == 0 && v.y == 0 && v.w == width_ && v.h == height_) {
        rc = SDL_RenderClear(renderer_);
      } else {
        SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_NONE);
        const SDL_Rect whole{0, 0, v.w, v.h};
        rc = SDL_RenderFillRect(renderer_, &whole);
      }
      if (rc != 0) DrawFailed("cannot clear the screen");
      return;
    }
    case DrawStep::Kind::Triangles:
      break;
  }
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
  // Runs of quads go to the renderer; turned quads it would draw through its
  // general triangle path are drawn here instead, in their place.
  const SDL_Vertex* vertices = frame_.vertices(step);
  const SDL_Surface* picture = step.image ? step.image->pixels() : nullptr;
  const TurnedQuadTarget target{screen_, rendererViewport_};
  const size_t quads = step.count / 4;
  size_t run = 0;
  for (size_t q = 0; q <= quads; ++q) {
    const bool turned = q < quads && screen_ != nullptr &&
                        IsTurnedQuad(vertices + 4 * q, step.blend, picture, target);
    if (q < quads && !turned) continue;
    if (q > run) Draw(texture, vertices + 4 * run, q - run);
    if (turned) {
      if (SDL_RenderFlush(renderer_) != 0) DrawFailed("drawing failed");
      DrawTurnedQuad(picture, vertices + 4 * q, target);
      ++turnedQuadsDrawn_;
    }
    run = q + 1;
  }
}

void Canvas::Draw(SDL_Texture* texture, const SDL_Vertex* vertices, size_t quads) {
  const int count = static_cast<int>(quads * 4);
  if (SDL_RenderGeometry(renderer_, texture, vertices, count, quadIndices_.data(), count / 4 * 6) !=
      0) {
    DrawFailed("drawing failed");
  }
}

bool Canvas::RepeatsShownFrame() const {
  return shownKnown_ && handedOver_ == 0 && clearsScreenFirst_ && repeats_ < kMaxRepeats &&
         frame_.SameAs(shown_);
}

void Canvas::EndFrame(bool repeated) {
  stretch_.NextFrame();
  if (repeated) {
    ++repeats_;
    ++repeatedFrames_;
  } else {
    std::swap(frame_, shown_);
    shownKnown_ = clearsScreenFirst_ && renderer_ != nullptr;
    repeats_ = 0;
  }
  frame_.Clear();
  handedOver_ = 0;
  clearsScreenFirst_ = false;
  drawnThisFrame_ = false;
}

}  // namespace sb::sdl
