#include "platform/sdl/canvas.h"

#include <string>

#include "core/runtime_error.h"
#include "platform/sdl/letterbox.h"
#include "platform/sdl/quad_culling.h"

namespace sb::sdl {

namespace {

constexpr size_t kMaxBatchVertices = 16384;

[[noreturn]] void DrawFailed(const char* what) {
  Fail(ErrorKind::PlatformCall, std::string(what) + ": " + SDL_GetError());
}

}  // namespace

GpuImage::GpuImage(SDL_Texture* texture, int width, int height, std::shared_ptr<RendererLife> life)
    : texture_(texture), width_(width), height_(height), life_(std::move(life)) {}

GpuImage::~GpuImage() {
  if (life_->renderer != nullptr) SDL_DestroyTexture(texture_);
  if (pixels_ != nullptr) SDL_FreeSurface(pixels_);
}

void GpuImage::KeepPixels(SDL_Surface* pixels) {
  SDL_RendererInfo info;
  if (pixels_ == nullptr && life_->renderer != nullptr &&
      SDL_GetRendererInfo(life_->renderer, &info) == 0 &&
      (info.flags & SDL_RENDERER_SOFTWARE) != 0) {
    pixels_ = pixels;
  } else {
    SDL_FreeSurface(pixels);
  }
}

GpuImageRef MakeGpuImage(SDL_Renderer* renderer, const std::shared_ptr<RendererLife>& life,
                         SDL_Surface* surface, const char* what) {
  SDL_Texture* texture = SDL_CreateTextureFromSurface(renderer, surface);
  if (texture == nullptr) {
    Fail(ErrorKind::PlatformCall,
         std::string("cannot make a texture of ") + what + ": " + SDL_GetError());
  }
  SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
  SDL_SetTextureScaleMode(texture, SDL_ScaleModeLinear);
  return std::make_shared<GpuImage>(texture, surface->w, surface->h, life);
}

void Canvas::Attach(SDL_Renderer* renderer, int width, int height) {
  renderer_ = renderer;
  width_ = width;
  height_ = height;
  viewport_ = SDL_Rect{0, 0, width, height};
  stretch_.Attach(renderer);
}

void Canvas::Detach() {
  vertices_.clear();
  indices_.clear();
  image_.reset();
  stretch_.Detach();
  renderer_ = nullptr;
}

void Canvas::SetViewport(const SDL_Rect& viewport) {
  Flush();
  viewport_ = viewport;
  ReapplyViewport();
}

void Canvas::ReapplyViewport() {
  if (renderer_ == nullptr) return;
  const SDL_Point offset = LetterboxOffset(renderer_);
  const SDL_Rect placed{viewport_.x + offset.x, viewport_.y + offset.y, viewport_.w, viewport_.h};
  if (SDL_RenderSetViewport(renderer_, &placed) != 0) DrawFailed("cannot set the viewport");
}

void Canvas::AddQuad(const GpuImageRef& picture, const SDL_Vertex given[4], SDL_BlendMode blend,
                     SDL_ScaleMode scale) {
  if (LiesOutsideViewport(given, viewport_.w, viewport_.h)) return;
  SDL_Vertex corners[4] = {given[0], given[1], given[2], given[3]};
  const GpuImageRef image = stretch_.Pick(picture, corners, scale);
  if (!vertices_.empty() && (image != image_ || blend != blend_ || scale != scale_ ||
                             vertices_.size() >= kMaxBatchVertices)) {
    Flush();
  }
  if (vertices_.empty()) {
    image_ = image;
    blend_ = blend;
    scale_ = scale;
  }
  const int base = static_cast<int>(vertices_.size());
  vertices_.insert(vertices_.end(), corners, corners + 4);
  const int fan[6] = {0, 1, 2, 0, 2, 3};
  for (int i : fan) indices_.push_back(base + i);
}

void Canvas::Flush() {
  if (vertices_.empty()) return;
  if (renderer_ == nullptr) {
    vertices_.clear();
    indices_.clear();
    image_.reset();
    return;
  }
  SDL_Texture* texture = nullptr;
  if (image_) {
    texture = image_->texture();
    if (texture == nullptr) {
      Fail(ErrorKind::PlatformCall, "a texture was drawn after its graphics device was released");
    }
    if (SDL_SetTextureBlendMode(texture, blend_) != 0) DrawFailed("unsupported blending mode");
    SDL_SetTextureScaleMode(texture, scale_);
  } else if (SDL_SetRenderDrawBlendMode(renderer_, blend_) != 0) {
    DrawFailed("unsupported blending mode");
  }
  const int rc =
      SDL_RenderGeometry(renderer_, texture, vertices_.data(), static_cast<int>(vertices_.size()),
                         indices_.data(), static_cast<int>(indices_.size()));
  vertices_.clear();
  indices_.clear();
  image_.reset();
  if (rc != 0) DrawFailed("drawing failed");
}

void Canvas::Clear(uint8_t r, uint8_t g, uint8_t b) {
  Flush();
  if (renderer_ == nullptr) return;
  SDL_SetRenderDrawColor(renderer_, r, g, b, 255);
  int rc;
  if (viewport_.x == 0 && viewport_.y == 0 && viewport_.w == width_ && viewport_.h == height_) {
    rc = SDL_RenderClear(renderer_);
  } else {
    SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_NONE);
    const SDL_Rect whole{0, 0, viewport_.w, viewport_.h};
    rc = SDL_RenderFillRect(renderer_, &whole);
  }
  if (rc != 0) DrawFailed("cannot clear the screen");
}

}  // namespace sb::sdl
