// Drawing the game's picture at its own size on an SDL renderer: what the
// device and the drawers talk to. It keeps the current viewport and puts
// three parts together: the frame is gathered (frame_gatherer.h) and handed
// to SDL at present time (step_replay.h), each quad through the fast paths
// that are on (fast_path_router.h), which ChooseFastPaths picks when the
// canvas attaches (fast_path_check.h). Showing the finished picture in the
// window is the video side's job.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/sdl/canvas/fast_path_router.h"
#include "platform/sdl/canvas/frame_gatherer.h"
#include "platform/sdl/canvas/gpu_image.h"
#include "platform/sdl/canvas/step_replay.h"
#include "platform/sdl/canvas/tile_signatures.h"

namespace sb::sdl {

class Canvas {
 public:
  // Draws with `renderer` on a picture of `width` x `height`. `picture` is
  // the surface a software renderer draws into, when the platform owns it;
  // null on a hardware renderer.
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
  // The fast paths in use on this renderer.
  const FastPaths& fastPaths() const { return router_.paths(); }

  // Later drawing is relative to and clipped by this rectangle of the
  // picture.
  void SetViewport(const SDL_Rect& viewport);
  const SDL_Rect& viewport() const { return viewport_; }
  // Sets the viewport on the renderer again (after it drew elsewhere).
  void ReapplyViewport() { replay_.ReapplyViewport(); }

  // Two triangles (0,1,2) and (0,2,3); positions relative to the viewport.
  // A null image draws the vertex colours alone.
  void AddQuad(const GpuImageRef& image, const SDL_Vertex corners[4], SDL_BlendMode blend,
               SDL_ScaleMode scale);
  // Fills the viewport with an opaque colour.
  void Clear(uint8_t r, uint8_t g, uint8_t b);

  // The frame is gathered here and handed to SDL at present time, or
  // earlier by Flush, which hands over what is gathered so far.
  void Flush();
  // Called before anything of a frame is handed to SDL: the owner may move
  // the picture's pixels (see Video::ChooseWhereToDraw).
  void SetBeforeDrawing(std::function<void()> before) { beforeDrawing_ = std::move(before); }
  // True when the frame gathered so far repeats the one on screen, so that
  // presenting it can be left out (FrameGatherer::RepeatsShownFrame).
  bool RepeatsShownFrame() const { return frames_.RepeatsShownFrame(); }
  // Called once a frame, at present time; `repeated` when the frame was
  // left out because it repeats the one shown.
  void EndFrame(bool repeated);
  // The picture may no longer be the last frame drawn (its renderer lost its
  // contents), or the window must be shown in full again.
  void ForgetShownFrame() {
    frames_.ForgetShownFrame();
    tiles_.Forget();
  }
  // Signs the frame drawn so far, at present time, and tells which tiles
  // of the picture it may have changed since the frame signed before it.
  const TileSignatures& SignFrame() {
    tiles_.Sign(frames_.frame(), width_, height_, frames_.WholeFrameFromAClear());
    return tiles_;
  }
  // True while the picture holds the last frame presented, known step by
  // step, so that it can be shown again without drawing.
  bool showsLastFrame() const { return frames_.showsLastFrame(); }
  // Frames left out since the start, for tests.
  uint64_t repeatedFrames() const { return frames_.repeatedFrames(); }
  // Turned quads drawn here rather than by the renderer since the start,
  // and a switch to leave them all to it, for tests that compare the two.
  uint64_t turnedQuadsDrawn() const { return router_.turnedQuadsDrawn(); }
  void DrawTurnedQuadsHere(bool on) { router_.DrawTurnedQuadsHere(on); }

  static constexpr int kMaxRepeats = FrameGatherer::kMaxRepeats;

 private:
  SDL_Renderer* renderer_ = nullptr;
  std::shared_ptr<RendererLife> life_ = std::make_shared<RendererLife>();
  int width_ = 0, height_ = 0;
  SDL_Rect viewport_{0, 0, 0, 0};
  FrameGatherer frames_;
  FastPathRouter router_;
  StepReplay replay_;
  TileSignatures tiles_;
  std::function<void()> beforeDrawing_;
};

}  // namespace sb::sdl
