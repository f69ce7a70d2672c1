// Drawing the game's picture at its own size (1024 x 768) on an SDL renderer:
// the current viewport, and the frame's drawing, gathered so that consecutive
// textured triangles with the same texture and modes go to SDL in one
// SDL_RenderGeometry call, and a frame that repeats the one on screen is not
// drawn and presented again. Showing the finished picture in the window is
// the video side's job.
#pragma once

#include <SDL.h>

#include <memory>
#include <vector>

#include "platform/sdl/canvas/frame_record.h"
#include "platform/sdl/canvas/gpu_image.h"
#include "platform/sdl/canvas/stretch_cache.h"

namespace sb::sdl {

class Canvas {
 public:
  Canvas();

  // Draws with `renderer` on a picture of `width` x `height`. `picture` is
  // the surface a software renderer draws into, when the platform owns it
  // (turned quads are then drawn straight into it); null otherwise.
  void Attach(SDL_Renderer* renderer, SDL_Surface* picture, int width, int height);
  // Forgets the renderer; textures made on it stop drawing. Call before the
  // renderer is destroyed.
  void Detach();
  bool attached() const { return renderer_ != nullptr; }
  SDL_Renderer* renderer() const { return renderer_; }
  // Shared with every image made on the renderer.
  const std::shared_ptr<RendererLife>& life() const { return life_; }
  int width() const { return width_; }
  int height() const { return height_; }

  // Later drawing is relative to and clipped by this rectangle of the
  // picture.
  void SetViewport(const SDL_Rect& viewport);
  const SDL_Rect& viewport() const { return viewport_; }
  // Sets the viewport on the renderer again (after it drew elsewhere).
  void ReapplyViewport();

  // Two triangles (0,1,2) and (0,2,3); positions relative to the viewport.
  // A null image draws the vertex colours alone.
  void AddQuad(const GpuImageRef& image, const SDL_Vertex corners[4], SDL_BlendMode blend,
               SDL_ScaleMode scale);
  // Fills the viewport with an opaque colour.
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
  // The picture may no longer be the last frame drawn (its renderer lost its
  // contents), or the window must be shown in full again.
  void ForgetShownFrame() { shownKnown_ = false; }
  // True while the picture holds the last frame presented, known step by
  // step, so that it can be shown again without drawing.
  bool showsLastFrame() const { return shownKnown_; }
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
  void ForgetFrames();
  void ApplyViewport(const SDL_Rect& viewport);

  SDL_Renderer* renderer_ = nullptr;
  std::shared_ptr<RendererLife> life_ = std::make_shared<RendererLife>();
  SDL_Surface* picture_ = nullptr;
  int width_ = 0, height_ = 0;
  SDL_Rect viewport_{0, 0, 0, 0};
  // The viewport the renderer was last given (of the steps handed over).
  SDL_Rect rendererViewport_{0, 0, 0, 0};
  SDL_Surface* screen_ = nullptr;  // where turned quads go this frame, or null
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
