// Where the game's picture goes in a window of another size: scaled by the
// same factor on both axes to the largest size that fits, and centred
// between black bars.
#pragma once

#include <SDL.h>

namespace sb::sdl {

// The picture's rectangle, in output pixels, in an output of `outputW` x
// `outputH` pixels for a picture of `pictureW` x `pictureH`. Empty when the
// output has no area.
SDL_Rect LetterboxRect(int outputW, int outputH, int pictureW, int pictureH);

}  // namespace sb::sdl
