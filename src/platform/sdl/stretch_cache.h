// Pictures kept stretched to the size they are drawn at, for SDL's software
// renderer.
//
// The software renderer draws an axis-aligned quad of one colour by
// stretching the whole picture (bilinear) into a temporary surface of the
// quad's whole-pixel size and blending that onto the screen, every time. A
// picture drawn at the same size frame after frame is stretched once here,
// the same way, and then blended as it is: the screen gets the same pixels
// for a fraction of the work.
#pragma once

#include <SDL.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>

namespace sb::sdl {

class GpuImage;

class StretchCache {
 public:
  // Active only on a software renderer.
  void Attach(SDL_Renderer* renderer);
  void Detach();

  // The picture to draw the quad `corners` (two triangles 0,1,2 and 0,2,3)
  // with: a copy of `image` already stretched to the quad's size when the
  // software renderer would stretch it the same way, otherwise `image`.
  // A size is stretched ahead only once it is drawn in a second frame, so
  // that pictures whose size changes every frame cost no more than before.
  std::shared_ptr<GpuImage> Pick(const std::shared_ptr<GpuImage>& image,
                                 const SDL_Vertex corners[4], SDL_ScaleMode scale);

  // Called once a frame; forgets sizes not drawn for a couple of seconds.
  void NextFrame();

  size_t size() const { return entries_.size(); }

 private:
  struct Key {
    const GpuImage* image;
    int width, height;
    bool operator==(const Key& other) const = default;
  };
  struct KeyHash {
    size_t operator()(const Key& k) const;
  };
  struct Entry {
    std::weak_ptr<GpuImage> source;
    std::shared_ptr<GpuImage> stretched;
    uint32_t lastFrame = 0;
    bool tried = false;
  };

  std::shared_ptr<GpuImage> Stretch(const GpuImage& source, int width, int height) const;

  SDL_Renderer* renderer_ = nullptr;
  uint32_t frame_ = 0;
  std::unordered_map<Key, Entry, KeyHash> entries_;
};

// The whole-pixel size SDL's software renderer draws the quad at when it
// takes it for a plain rectangle copy of the whole picture: corners in order
// top-left, top-right, bottom-right, bottom-left, one colour, texture
// coordinates from (0, 0) to (1, 1). False otherwise.
bool RectangleCopySize(const SDL_Vertex corners[4], int& width, int& height);

}  // namespace sb::sdl
