// The drawing of one frame as the canvas hands it to SDL: viewport changes,
// clears and runs of textured triangles, in order. Kept so that a frame can
// be compared with the one on screen, and not drawn again when it is the
// same. Pictures are compared by identity, which holds because a texture's
// pixels never change once it is made (gpu_image.h).
#pragma once

#include <SDL.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace sb::sdl {

class GpuImage;

// Vertices are compared as bytes: a vertex is its two points and its colour
// with no padding between, so equal bytes mean equal vertices (floats bit
// for bit).
static_assert(sizeof(SDL_Vertex) == 2 * sizeof(SDL_FPoint) + sizeof(SDL_Color) &&
                  offsetof(SDL_Vertex, color) == sizeof(SDL_FPoint) &&
                  offsetof(SDL_Vertex, tex_coord) == sizeof(SDL_FPoint) + sizeof(SDL_Color),
              "SDL_Vertex has padding: compare its fields one by one");
static_assert(sizeof(SDL_FPoint) == 2 * sizeof(float) && sizeof(SDL_Color) == 4);

struct DrawStep {
  enum class Kind : uint8_t { Viewport, Clear, Triangles };
  Kind kind = Kind::Viewport;
  SDL_Rect viewport{0, 0, 0, 0};   // Viewport: the logical rectangle
  SDL_Color colour{0, 0, 0, 255};  // Clear
  // Triangles: quads of vertices [first, first + count) of the frame, each
  // drawn as the triangles (0,1,2) and (0,2,3); a null image draws the
  // vertex colours alone.
  std::shared_ptr<GpuImage> image;
  SDL_BlendMode blend = SDL_BLENDMODE_NONE;
  SDL_ScaleMode scale = SDL_ScaleModeNearest;
  size_t first = 0, count = 0;
};

class FrameRecord {
 public:
  const std::vector<DrawStep>& steps() const { return steps_; }
  const SDL_Vertex* vertices(const DrawStep& step) const { return vertices_.data() + step.first; }
  bool empty() const { return steps_.empty(); }

  void AddViewport(const SDL_Rect& viewport);
  void AddClear(SDL_Color colour);
  // Adds a quad to the last step when it draws the same way and has room,
  // which may not be a step already handed to SDL (before `sealed`).
  void AddQuad(const std::shared_ptr<GpuImage>& image, const SDL_Vertex corners[4],
               SDL_BlendMode blend, SDL_ScaleMode scale, size_t sealed);

  // The same steps with the same pictures and bit-identical vertices.
  bool SameAs(const FrameRecord& other) const;

  // Empties it, keeping its memory for the next frame.
  void Clear();

  // Vertices in one step at most.
  static constexpr size_t kMaxStepVertices = 16384;

 private:
  std::vector<DrawStep> steps_;
  std::vector<SDL_Vertex> vertices_;
};

}  // namespace sb::sdl
