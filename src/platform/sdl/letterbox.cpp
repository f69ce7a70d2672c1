#include "platform/sdl/letterbox.h"

#include <cmath>

namespace sb::sdl {

namespace {

// One axis, rounded as SDL rounds its own letterbox viewport.
int Offset(int output, int logical, float scale) {
  const int drawn = static_cast<int>(std::floor(logical * scale));
  const int bar = (output - drawn) / 2;
  return bar > 0 ? static_cast<int>(std::floor(bar / scale)) : 0;
}

}  // namespace

SDL_Point LetterboxOffset(int outputW, int outputH, int logicalW, int logicalH, float scale) {
  if (scale <= 0.0f) return {0, 0};
  return {Offset(outputW, logicalW, scale), Offset(outputH, logicalH, scale)};
}

SDL_Point LetterboxOffset(SDL_Renderer* renderer) {
  int logicalW = 0, logicalH = 0, outputW = 0, outputH = 0;
  SDL_RenderGetLogicalSize(renderer, &logicalW, &logicalH);
  if (logicalW <= 0 || logicalH <= 0 || SDL_GetRendererOutputSize(renderer, &outputW, &outputH)) {
    return {0, 0};
  }
  float scaleX = 0.0f, scaleY = 0.0f;
  SDL_RenderGetScale(renderer, &scaleX, &scaleY);
  return {LetterboxOffset(outputW, outputH, logicalW, logicalH, scaleX).x,
          LetterboxOffset(outputW, outputH, logicalW, logicalH, scaleY).y};
}

}  // namespace sb::sdl
