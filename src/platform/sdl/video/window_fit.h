// Keeps the game's window the size SDL draws for. Without a window manager,
// asking an X server for desktop full screen changes only SDL's idea of the
// window's size: the window itself keeps its old size and shows a clipped
// corner of the picture.
#pragma once

#include <SDL.h>

namespace sb::sdl {

// Where the window's real size differs from the size SDL draws for, moves
// and sizes it to match (over the whole display in full screen). Does
// nothing on other video systems or when the sizes agree.
void FitWindowToDrawnSize(SDL_Window* window);

// The windowed size for a `width` x `height` screen: the same, or shrunk
// keeping its proportions to fit a smaller usable desktop area.
SDL_Point WindowedSize(int width, int height, const SDL_Rect& usable);

}  // namespace sb::sdl
