// Textures from BMP files: opaque black becomes fully transparent, nothing
// else is keyed.
#pragma once

#include <SDL.h>

#include <string>

#include "platform/sdl/canvas/canvas.h"
#include "platform/sdl/pictures/shared_images.h"
#include "platform/textures.h"

namespace sb::sdl {

class SdlTexture : public Texture {
 public:
  // Takes the (ARGB8888, keyed) surface; it becomes a texture on the
  // renderer at once when there is one, otherwise when first drawn.
  SdlTexture(std::string path, SDL_Surface* surface);
  // Shares a picture already on the renderer.
  SdlTexture(std::string path, GpuImageRef image);
  ~SdlTexture() override;
  const std::string& Path() const override { return path_; }

  // The image to draw with; a failed platform call when it cannot be made.
  const GpuImageRef& Image(Canvas& canvas);
  int width() const { return width_; }
  int height() const { return height_; }

 private:
  std::string path_;
  SDL_Surface* surface_;
  GpuImageRef image_;
  int width_, height_;
};

// Reads a BMP into ARGB8888 with every opaque black pixel made transparent;
// a failed platform call naming the path when the file cannot be read.
SDL_Surface* LoadKeyedBitmap(const std::string& path);

class SdlTextureLoader : public TextureLoader {
 public:
  explicit SdlTextureLoader(Canvas& canvas) : canvas_(canvas) {}
  TextureRef LoadTexture(const std::string& path) override;

 private:
  Canvas& canvas_;
  SharedImages shared_;
};

}  // namespace sb::sdl
