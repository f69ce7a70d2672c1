#include "platform/sdl/canvas/frame_gatherer.h"

#include <utility>

namespace sb::sdl {

void FrameGatherer::AddClear(SDL_Color colour, bool wholeScreen) {
  if (!drawnThisFrame_) clearsScreenFirst_ = wholeScreen;
  drawnThisFrame_ = true;
  frame_.AddClear(colour);
}

void FrameGatherer::AddQuad(const std::shared_ptr<GpuImage>& image, const SDL_Vertex corners[4],
                            SDL_BlendMode blend, SDL_ScaleMode scale) {
  frame_.AddQuad(image, corners, blend, scale, handedOver_);
  drawnThisFrame_ = true;
}

void FrameGatherer::DropUnhanded() {
  dropped_ = dropped_ || !frame_.empty();
  frame_.Clear();
  handedOver_ = 0;
}

bool FrameGatherer::RepeatsShownFrame() const {
  return shownKnown_ && handedOver_ == 0 && clearsScreenFirst_ && repeats_ < kMaxRepeats &&
         frame_.SameAs(shown_);
}

void FrameGatherer::EndFrame(bool repeated, bool shown) {
  if (repeated) {
    ++repeats_;
    ++repeatedFrames_;
  } else {
    std::swap(frame_, shown_);
    shownKnown_ = clearsScreenFirst_ && shown;
    repeats_ = 0;
  }
  frame_.Clear();
  handedOver_ = 0;
  clearsScreenFirst_ = false;
  dropped_ = false;
  drawnThisFrame_ = false;
}

void FrameGatherer::Forget() {
  frame_.Clear();
  shown_.Clear();
  handedOver_ = 0;
  drawnThisFrame_ = false;
  clearsScreenFirst_ = false;
  dropped_ = false;
  shownKnown_ = false;
  repeats_ = 0;
}

}  // namespace sb::sdl
