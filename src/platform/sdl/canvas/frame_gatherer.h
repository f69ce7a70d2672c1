// The frame being drawn, gathered until it is handed to SDL, and the frame
// on screen beside it, to tell when the new one repeats it: a frame that
// clears the whole screen first and is, step by step and vertex by vertex,
// the one on screen need not be drawn or presented again.
#pragma once

#include <SDL.h>

#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/sdl/canvas/frame_record.h"

namespace sb::sdl {

class FrameGatherer {
 public:
  void AddViewport(const SDL_Rect& viewport) { frame_.AddViewport(viewport); }
  // `wholeScreen`: the clear covers the whole screen (its viewport is).
  void AddClear(SDL_Color colour, bool wholeScreen);
  void AddQuad(const std::shared_ptr<GpuImage>& image, const SDL_Vertex corners[4],
               SDL_BlendMode blend, SDL_ScaleMode scale);

  // The frame so far; its steps from handedOver() on are not with SDL yet.
  const FrameRecord& frame() const { return frame_; }
  size_t handedOver() const { return handedOver_; }
  void AllHandedOver() { handedOver_ = frame_.steps().size(); }
  // Drops what is gathered and not handed over (nowhere to draw it).
  void DropUnhanded();
  // True when the frame so far began by clearing the whole screen and
  // holds every step drawn since.
  bool WholeFrameFromAClear() const { return clearsScreenFirst_ && !dropped_; }

  // True when the frame gathered so far is the one on screen drawn again:
  // nothing of it handed over yet, it starts by clearing the whole screen,
  // and every step and vertex is the same. Presenting it can be left out.
  bool RepeatsShownFrame() const;
  // Called once a frame, at present time; `repeated` when the frame was
  // left out because it repeats the one shown, `shown` when it reached a
  // screen.
  void EndFrame(bool repeated, bool shown);
  // The screen may no longer show the last frame drawn.
  void ForgetShownFrame() { shownKnown_ = false; }
  bool showsLastFrame() const { return shownKnown_; }
  // Forgets both frames (a new renderer).
  void Forget();

  // Frames left out since the start.
  uint64_t repeatedFrames() const { return repeatedFrames_; }

  // A frame is drawn again at least this often however many repeat it, in
  // case the screen lost it without a word.
  static constexpr int kMaxRepeats = 30;

 private:
  FrameRecord frame_, shown_;
  size_t handedOver_ = 0;  // steps of frame_ already given to SDL
  bool drawnThisFrame_ = false;
  bool clearsScreenFirst_ = false;  // frame_ starts with a whole-screen clear
  bool dropped_ = false;            // steps of this frame were dropped
  bool shownKnown_ = false;         // the screen shows shown_, which cleared it first
  int repeats_ = 0;
  uint64_t repeatedFrames_ = 0;
};

}  // namespace sb::sdl
