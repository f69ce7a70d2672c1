#include "platform/sdl/text/message_window.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>

namespace sb::sdl {

namespace {

constexpr int kWidth = 640;
constexpr int kMargin = 20;
constexpr int kButtonWidth = 96;
constexpr int kButtonHeight = 32;
constexpr int kFontPixels = 15;

struct Resources {
  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;
  TTF_Font* font = nullptr;
  SDL_Texture* text = nullptr;
  SDL_Texture* ok = nullptr;
  bool ttf = false;
  ~Resources() {
    if (text != nullptr) SDL_DestroyTexture(text);
    if (ok != nullptr) SDL_DestroyTexture(ok);
    if (renderer != nullptr) SDL_DestroyRenderer(renderer);
    if (window != nullptr) SDL_DestroyWindow(window);
    if (font != nullptr) TTF_CloseFont(font);
    if (ttf) TTF_Quit();
  }
};

SDL_Texture* TextTexture(SDL_Renderer* renderer, TTF_Font* font, const std::string& text, int wrap,
                         int& w, int& h) {
  if (font == nullptr || text.empty()) return nullptr;
  SDL_Surface* s =
      TTF_RenderUTF8_Blended_Wrapped(font, text.c_str(), SDL_Color{230, 230, 230, 255}, wrap);
  if (s == nullptr) return nullptr;
  SDL_Texture* t = SDL_CreateTextureFromSurface(renderer, s);
  w = s->w;
  h = s->h;
  SDL_FreeSurface(s);
  return t;
}

// The window's width: its usual width, or the screen's less a margin on a
// narrower screen, so that every line of the message shows.
int WindowWidth() {
  SDL_Rect usable{};
  if (SDL_GetDisplayUsableBounds(0, &usable) != 0 || usable.w <= 0) return kWidth;
  return std::clamp(usable.w - 2 * kMargin, kButtonWidth + 2 * kMargin, kWidth);
}

bool Dismisses(const SDL_Event& e, const SDL_Rect& button) {
  switch (e.type) {
    case SDL_QUIT:
      return true;
    case SDL_WINDOWEVENT:
      return e.window.event == SDL_WINDOWEVENT_CLOSE;
    case SDL_KEYDOWN:
      return e.key.keysym.sym == SDLK_RETURN || e.key.keysym.sym == SDLK_KP_ENTER ||
             e.key.keysym.sym == SDLK_ESCAPE || e.key.keysym.sym == SDLK_SPACE;
    case SDL_MOUSEBUTTONUP: {
      const SDL_Point at{e.button.x, e.button.y};
      return e.button.button == SDL_BUTTON_LEFT && SDL_PointInRect(&at, &button);
    }
    default:
      return false;
  }
}

}  // namespace

bool ShowMessageWindow(const std::string& title, const std::string& text,
                       const std::string& fontPath) {
  Resources r;
  if (TTF_Init() == 0) {
    r.ttf = true;
    r.font = TTF_OpenFont(fontPath.c_str(), kFontPixels);
  }
  // Measure the text first to size the window.
  const int width = WindowWidth();
  int textW = 0, textH = 0;
  if (r.font != nullptr) {
    SDL_Surface* probe = TTF_RenderUTF8_Blended_Wrapped(
        r.font, text.c_str(), SDL_Color{0, 0, 0, 255}, width - 2 * kMargin);
    if (probe != nullptr) {
      textH = probe->h;
      SDL_FreeSurface(probe);
    }
  }
  const int height = kMargin + std::max(textH, 20) + kMargin + kButtonHeight + kMargin;
  r.window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width,
                              height, SDL_WINDOW_SHOWN | SDL_WINDOW_ALWAYS_ON_TOP);
  if (r.window == nullptr) return false;
  // A still picture: the software renderer shows it at once, where an
  // OpenGL one would first load a driver.
  r.renderer = SDL_CreateRenderer(r.window, -1, SDL_RENDERER_SOFTWARE);
  if (r.renderer == nullptr) r.renderer = SDL_CreateRenderer(r.window, -1, 0);
  if (r.renderer == nullptr) return false;
  r.text = TextTexture(r.renderer, r.font, text, width - 2 * kMargin, textW, textH);
  int okW = 0, okH = 0;
  r.ok = TextTexture(r.renderer, r.font, "OK", kButtonWidth, okW, okH);
  const SDL_Rect button{(width - kButtonWidth) / 2, height - kMargin - kButtonHeight, kButtonWidth,
                        kButtonHeight};

  SDL_RaiseWindow(r.window);
  SDL_PumpEvents();
  SDL_SetWindowInputFocus(r.window);
  for (;;) {
    SDL_SetRenderDrawColor(r.renderer, 40, 20, 20, 255);
    SDL_RenderClear(r.renderer);
    if (r.text != nullptr) {
      const SDL_Rect at{kMargin, kMargin, textW, textH};
      SDL_RenderCopy(r.renderer, r.text, nullptr, &at);
    }
    SDL_SetRenderDrawColor(r.renderer, 90, 90, 110, 255);
    SDL_RenderFillRect(r.renderer, &button);
    if (r.ok != nullptr) {
      const SDL_Rect at{button.x + (button.w - okW) / 2, button.y + (button.h - okH) / 2, okW, okH};
      SDL_RenderCopy(r.renderer, r.ok, nullptr, &at);
    }
    SDL_RenderPresent(r.renderer);
    SDL_Event e;
    if (SDL_WaitEventTimeout(&e, 200) && Dismisses(e, button)) break;
  }
  return true;
}

}  // namespace sb::sdl
