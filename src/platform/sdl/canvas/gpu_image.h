// A picture on the renderer: its texture, tied to the renderer that made it,
// and its pixels too where a fast path reads them.
//
// A texture's pixels never change after it is made: nothing locks, updates
// or draws into one. The canvas counts on it twice: a frame that draws the
// same textures with the same vertices as the one on screen looks the same
// (frame_record.h), and a stretched copy of a picture stays its copy
// (stretch_cache.h).
#pragma once

#include <SDL.h>

#include <cstdint>
#include <memory>

namespace sb::sdl {

// Shared by the renderer and every texture made on it; `renderer` becomes
// null when the renderer is destroyed (which frees its textures with it).
// `keepPixels`: pictures made on it keep their pixels (set by the canvas
// from the fast paths it uses).
struct RendererLife {
  SDL_Renderer* renderer = nullptr;
  bool keepPixels = false;
};

class GpuImage {
 public:
  GpuImage(SDL_Texture* texture, int width, int height, std::shared_ptr<RendererLife> life);
  ~GpuImage();
  GpuImage(const GpuImage&) = delete;
  GpuImage& operator=(const GpuImage&) = delete;

  // Null once the renderer it belongs to is gone.
  SDL_Texture* texture() const { return life_->renderer ? texture_ : nullptr; }
  int width() const { return width_; }
  int height() const { return height_; }
  const std::shared_ptr<RendererLife>& life() const { return life_; }
  // The picture's pixels, kept where the renderer's fast paths read them
  // (RendererLife::keepPixels); null elsewhere. KeepPixels takes the
  // surface the texture was made from and frees it when it is not kept.
  void KeepPixels(SDL_Surface* pixels);
  SDL_Surface* pixels() const { return pixels_; }
  // A number no other picture made in this run has, to tell pictures apart
  // after one is freed and another made at its address.
  uint64_t serial() const { return serial_; }

 private:
  SDL_Texture* texture_;
  int width_, height_;
  std::shared_ptr<RendererLife> life_;
  SDL_Surface* pixels_ = nullptr;
  uint64_t serial_;
};
using GpuImageRef = std::shared_ptr<GpuImage>;

// Makes a texture from an ARGB8888 surface, linear filtering, alpha blending.
GpuImageRef MakeGpuImage(SDL_Renderer* renderer, const std::shared_ptr<RendererLife>& life,
                         SDL_Surface* surface, const char* what);

}  // namespace sb::sdl
