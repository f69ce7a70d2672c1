// Whether a quad can be left out of drawing altogether: the software renderer
// still sets up (and for rotated quads allocates for) every quad it is sent,
// even one that lies wholly outside the viewport.
#pragma once

#include <SDL.h>

namespace sb::sdl {

// True when the quad's corners (relative to the viewport) all lie beyond the
// same edge of a viewport of `width` x `height`, with a margin wide enough
// that no renderer's rounding of the corners can reach a pixel inside.
bool LiesOutsideViewport(const SDL_Vertex corners[4], int width, int height);

}  // namespace sb::sdl
