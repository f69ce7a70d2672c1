#include "platform/minimal_window.h"

#include <SDL.h>

#include <cstdio>

#include "platform/game_screen.h"

namespace sb::sdl {

bool ShowMinimalWindow(void (*shown)()) {
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "SDL_Init: %s\n", SDL_GetError());
    return false;
  }
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  SDL_Window* window = SDL_CreateWindow(kGameTitle, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                        kScreenWidth, kScreenHeight, SDL_WINDOW_FULLSCREEN_DESKTOP);
  SDL_Renderer* renderer =
      window != nullptr ? SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE) : nullptr;
  const bool ok =
      renderer != nullptr && SDL_RenderSetLogicalSize(renderer, kScreenWidth, kScreenHeight) == 0;
  if (ok) {
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    SDL_RenderPresent(renderer);
    shown();
  } else {
    std::fprintf(stderr, "cannot open the window: %s\n", SDL_GetError());
  }
  if (renderer != nullptr) SDL_DestroyRenderer(renderer);
  if (window != nullptr) SDL_DestroyWindow(window);
  SDL_Quit();
  return ok;
}

}  // namespace sb::sdl
