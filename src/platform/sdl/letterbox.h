// Where SDL places the logical screen inside a window of another shape: it
// scales it to fit and centres it between black bars. A viewport set by the
// game replaces SDL's own, so it must be moved by the same offset.
#pragma once

#include <SDL.h>

namespace sb::sdl {

// The logical screen's top-left corner, in logical pixels, in an output of
// `outputW` x `outputH` pixels drawn at `scale` output pixels per logical one.
SDL_Point LetterboxOffset(int outputW, int outputH, int logicalW, int logicalH, float scale);

// The same for a renderer with a logical size; {0, 0} without one.
SDL_Point LetterboxOffset(SDL_Renderer* renderer);

}  // namespace sb::sdl
