#include "platform/sdl/canvas/gpu_image.h"

#include <atomic>
#include <string>
#include <utility>

#include "core/runtime_error.h"

namespace sb::sdl {

GpuImage::GpuImage(SDL_Texture* texture, int width, int height, std::shared_ptr<RendererLife> life)
    : texture_(texture), width_(width), height_(height), life_(std::move(life)) {
  static std::atomic<uint64_t> made{0};
  serial_ = ++made;
}

GpuImage::~GpuImage() {
  if (life_->renderer != nullptr) SDL_DestroyTexture(texture_);
  if (pixels_ != nullptr) SDL_FreeSurface(pixels_);
}

void GpuImage::KeepPixels(SDL_Surface* pixels) {
  if (pixels_ == nullptr && life_->renderer != nullptr && life_->keepPixels) {
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

}  // namespace sb::sdl
