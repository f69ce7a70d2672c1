// Pictures kept stretched to the size they are drawn at, for SDL's software
// renderer.
//
// The software renderer draws an axis-aligned quad of one colour by
// stretching the whole picture (bilinear) into a temporary surface of the
// quad's whole-pixel size and blending that onto the screen, every time. A
// picture drawn at the same size frame after frame is stretched once here,
// the same way, and then blended as it is: the screen gets the same pixels
// for a fraction of the work.
//
// A quad showing the picture turned by half a turn goes through the
// renderer's rotate-and-copy path instead, which builds temporary surfaces on
// every draw. Such a quad is drawn from a copy stretched and turned once, as
// an upright quad of the same corners.
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
  // Makes its copies on `renderer`, which must be SDL's software renderer
  // drawing at scale 1 (the canvas turns the cache on only there).
  void Attach(SDL_Renderer* renderer);
  void Detach();

  // The picture to draw the quad `corners` (two triangles 0,1,2 and 0,2,3)
  // with: a copy of `image` already stretched (and turned) to the quad's
  // size when the software renderer would stretch it the same way, otherwise
  // `image`. When a turned copy is picked, `corners` are rewritten to the
  // upright quad that shows it (same positions, whole-picture coordinates).
  // A size is stretched ahead only once it is drawn in a second frame, so
  // that pictures whose size changes every frame cost no more than before.
  std::shared_ptr<GpuImage> Pick(const std::shared_ptr<GpuImage>& image, SDL_Vertex corners[4],
                                 SDL_ScaleMode scale);

  // Called once a frame; forgets sizes not drawn for a couple of seconds.
  void NextFrame();

  size_t size() const { return entries_.size(); }

 private:
  struct Key {
    const GpuImage* image;
    int width, height;
    bool turned;
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

  std::shared_ptr<GpuImage> Stretch(const GpuImage& source, const Key& key) const;

  SDL_Renderer* renderer_ = nullptr;
  uint32_t frame_ = 0;
  std::unordered_map<Key, Entry, KeyHash> entries_;
};

// How SDL's software renderer draws a quad it takes for a copy of the whole
// picture: at a whole-pixel size, upright or turned by half a turn (mirrored
// across both axes).
struct RectangleCopy {
  int width = 0, height = 0;
  bool turned = false;  // by half a turn
  // Which corner is the top-left one: 0, or 2 for corners listed from the
  // bottom-right (the diagonal 0-2 stays the one the triangles share).
  int topLeft = 0;
};

// True for a quad of one colour whose corners, from `topLeft` on, are the
// top-left, top-right, bottom-right and bottom-left of a rectangle, with
// texture coordinates at the picture's corners, upright or turned.
bool FindRectangleCopy(const SDL_Vertex corners[4], RectangleCopy& copy);

}  // namespace sb::sdl
