// Scales the finished picture into the window's surface by the nearest
// pixel, quickly: the source column of every window column is worked out
// once per size, and a window row that repeats the row above (at any scale
// over 1, some do) is copied rather than scaled again.
#pragma once

#include <SDL.h>

#include <vector>

namespace sb::sdl {

class PictureScaler {
 public:
  // Scales all of `from` into `to`'s rectangle `place` (within `to`). Both
  // surfaces must hold 32-bit pixels of one format. False (nothing drawn)
  // when they do not, or when `place` does not lie within `to`.
  bool Scale(const SDL_Surface* from, SDL_Surface* to, const SDL_Rect& place);

 private:
  std::vector<int> columns_;  // source column of each window column
  int fromW_ = 0;
};

}  // namespace sb::sdl
