// Drawing on the SDL renderer: textures tied to the renderer that made them,
// the current viewport, and the frame's drawing, gathered so that consecutive
// textured triangles with the same texture and modes go to SDL in one
// SDL_RenderGeometry call, and a frame that repeats the one on screen is not
// drawn and presented again.
#pragma once

#include <SDL.h>

#include <memory>
#include <vector>

#include "platform/sdl/frame_record.h"
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
  Canvas();

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
  // Fills the viewport (the whole target, letterbox included, when the
  // viewport is the whole screen) with an opaque colour.
  void Clear(uint8_t r, uint8_t g, uint8_t b);

  // The frame is gathered here and handed to SDL at present time, or
  // earlier by Flush, which hands over what is gathered so far.
  void Flush();
  // True when the frame gathered so far is the one on screen, drawn again:
  // nothing of it handed over yet, it starts by clearing the whole screen,
  // and every step and vertex is the same. Presenting it can be left out.
  bool RepeatsShownFrame() const;
  // Called once a frame, at present time; `repeated` when the frame was
  // left out because it repeats the one shown.
  void EndFrame(bool repeated);
  // What is on screen may no longer be the last frame presented (the
  // window was uncovered, resized, or its renderer lost its contents).
  void ForgetShownFrame() { shownKnown_ = false; }
  // Frames left out since the start, for tests.
  uint64_t repeatedFrames() const { return repeatedFrames_; }
  // Turned quads drawn here rather than by the renderer since the start,
  // and a switch to leave them all to it, for tests that compare the two.
  uint64_t turnedQuadsDrawn() const { return turnedQuadsDrawn_; }
  void DrawTurnedQuadsHere(bool on) { turnedQuadsHere_ = on; }

  // A frame is drawn again at least this often however many repeat it, in
  // case the screen lost it without a word.
  static constexpr int kMaxRepeats = 30;

 private:
  void Replay(const DrawStep& step);
  void Draw(SDL_Texture* texture, const SDL_Vertex* vertices, size_t quads);
  // The screen surface when turned quads can be drawn straight into it (the
  // software renderer at scale 1), else null.
  SDL_Surface* ScreenForTurnedQuads() const;
  void ForgetFrames();
  void ApplyViewport(const SDL_Rect& viewport);

  SDL_Renderer* renderer_ = nullptr;
  int width_ = 0, height_ = 0;
  SDL_Rect viewport_{0, 0, 0, 0};
  // The viewport the renderer was last given (of the steps handed over).
  SDL_Rect rendererViewport_{0, 0, 0, 0};
  SDL_Rect placedViewport_{0, 0, 0, 0};  // the same, letterbox included
  bool software_ = false;
  SDL_Surface* screen_ = nullptr;
  bool turnedQuadsHere_ = true;
  uint64_t turnedQuadsDrawn_ = 0;
  FrameRecord frame_, shown_;
  size_t handedOver_ = 0;  // steps of frame_ already given to SDL
  bool drawnThisFrame_ = false;
  bool clearsScreenFirst_ = false;  // frame_ starts with a whole-screen clear
  bool shownKnown_ = false;         // the screen shows shown_, which cleared it first
  int repeats_ = 0;
  uint64_t repeatedFrames_ = 0;
  std::vector<int> quadIndices_;  // (0,1,2),(0,2,3) for every quad of a step
  StretchCache stretch_;
};

}  // namespace sb::sdl
