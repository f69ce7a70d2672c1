// Drawing on the SDL renderer: textures tied to the renderer that made them,
// the current viewport, and a batch that gathers consecutive textured
// triangles with the same texture and modes into one SDL_RenderGeometry call.
#pragma once

#include <SDL.h>

#include <memory>
#include <vector>

#include "platform/sdl/stretch_cache.h"

namespace sb::sdl {

// Shared by the renderer and every texture made on it; `renderer` becomes
// null when the renderer is destroyed (which frees its textures with it).
struct RendererLife {
  SDL_Renderer* renderer = nullptr;
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
  // The picture's pixels, kept on the software renderer only (to stretch it
  // ahead of drawing); null elsewhere. KeepPixels takes the surface the
  // texture was made from and frees it when it is not kept.
  void KeepPixels(SDL_Surface* pixels);
  SDL_Surface* pixels() const { return pixels_; }

 private:
  SDL_Texture* texture_;
  int width_, height_;
  std::shared_ptr<RendererLife> life_;
  SDL_Surface* pixels_ = nullptr;
};
using GpuImageRef = std::shared_ptr<GpuImage>;

// Makes a texture from an ARGB8888 surface, linear filtering, alpha blending.
GpuImageRef MakeGpuImage(SDL_Renderer* renderer, const std::shared_ptr<RendererLife>& life,
                         SDL_Surface* surface, const char* what);

class Canvas {
 public:
  void Attach(SDL_Renderer* renderer, int width, int height);
  void Detach();
  bool attached() const { return renderer_ != nullptr; }
  SDL_Renderer* renderer() const { return renderer_; }
  int width() const { return width_; }
  int height() const { return height_; }

  // Later drawing is relative to and clipped by this rectangle of the
  // logical screen.
  void SetViewport(const SDL_Rect& viewport);
  const SDL_Rect& viewport() const { return viewport_; }
  // Sets the viewport on the renderer again (after the window changed size).
  void ReapplyViewport();

  // Two triangles (0,1,2) and (0,2,3); positions relative to the viewport.
  // A null image draws the vertex colours alone.
  void AddQuad(const GpuImageRef& image, const SDL_Vertex corners[4], SDL_BlendMode blend,
               SDL_ScaleMode scale);
  // Hands the gathered triangles to SDL.
  void Flush();
  // Called once a frame, at present time.
  void EndFrame() { stretch_.NextFrame(); }
  // Fills the viewport (the whole target, letterbox included, when the
  // viewport is the whole screen) with an opaque colour.
  void Clear(uint8_t r, uint8_t g, uint8_t b);

 private:
  SDL_Renderer* renderer_ = nullptr;
  int width_ = 0, height_ = 0;
  SDL_Rect viewport_{0, 0, 0, 0};
  GpuImageRef image_;
  SDL_BlendMode blend_ = SDL_BLENDMODE_BLEND;
  SDL_ScaleMode scale_ = SDL_ScaleModeLinear;
  std::vector<SDL_Vertex> vertices_;
  std::vector<int> indices_;
  StretchCache stretch_;
};

}  // namespace sb::sdl
