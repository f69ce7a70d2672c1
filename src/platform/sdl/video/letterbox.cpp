#include "platform/sdl/video/letterbox.h"

#include <cstdint>

namespace sb::sdl {

SDL_Rect LetterboxRect(int outputW, int outputH, int pictureW, int pictureH) {
  if (outputW <= 0 || outputH <= 0 || pictureW <= 0 || pictureH <= 0) return SDL_Rect{0, 0, 0, 0};
  // The axis that fits first takes the whole output; the other keeps the
  // proportions, rounded down so the picture never spills over the edge.
  const int64_t wide = int64_t{outputW} * pictureH, tall = int64_t{outputH} * pictureW;
  const int w = wide <= tall ? outputW : static_cast<int>(tall / pictureH);
  const int h = wide <= tall ? static_cast<int>(wide / pictureW) : outputH;
  return SDL_Rect{(outputW - w) / 2, (outputH - h) / 2, w, h};
}

}  // namespace sb::sdl
