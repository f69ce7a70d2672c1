#include "platform/sdl/video/window_fit.h"

#include <SDL_loadso.h>
#include <SDL_syswm.h>

#include <algorithm>
#include <cmath>

namespace sb::sdl {

#if defined(SDL_VIDEO_DRIVER_X11)
namespace {

// The few X calls needed, from the X library SDL has loaded already, so
// that the game itself does not link against it.
struct XCalls {
  void* library = SDL_LoadObject("libX11.so.6");
  decltype(&XGetGeometry) getGeometry = nullptr;
  decltype(&XMoveResizeWindow) moveResize = nullptr;
  decltype(&XResizeWindow) resize = nullptr;
  decltype(&XSync) sync = nullptr;

  XCalls() {
    if (library == nullptr) return;
    getGeometry =
        reinterpret_cast<decltype(getGeometry)>(SDL_LoadFunction(library, "XGetGeometry"));
    moveResize =
        reinterpret_cast<decltype(moveResize)>(SDL_LoadFunction(library, "XMoveResizeWindow"));
    resize = reinterpret_cast<decltype(resize)>(SDL_LoadFunction(library, "XResizeWindow"));
    sync = reinterpret_cast<decltype(sync)>(SDL_LoadFunction(library, "XSync"));
  }
  ~XCalls() {
    if (library != nullptr) SDL_UnloadObject(library);
  }
  XCalls(const XCalls&) = delete;
  XCalls& operator=(const XCalls&) = delete;
  bool ok() const {
    return getGeometry != nullptr && moveResize != nullptr && resize != nullptr && sync != nullptr;
  }
};

}  // namespace
#endif

void FitWindowToDrawnSize(SDL_Window* window) {
#if defined(SDL_VIDEO_DRIVER_X11)
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (window == nullptr || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) {
    return;
  }
  const XCalls x11;
  if (!x11.ok()) return;
  Display* display = info.info.x11.display;
  const ::Window xwindow = info.info.x11.window;
  int w = 0, h = 0;
  SDL_GetWindowSize(window, &w, &h);
  ::Window root = 0;
  int x = 0, y = 0;
  unsigned int realW = 0, realH = 0, border = 0, depth = 0;
  if (x11.getGeometry(display, xwindow, &root, &x, &y, &realW, &realH, &border, &depth) == 0) {
    return;
  }
  if (static_cast<int>(realW) == w && static_cast<int>(realH) == h) return;
  SDL_Rect bounds{};
  const bool full = (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) != 0;
  if (full && SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(window), &bounds) == 0) {
    x11.moveResize(display, xwindow, bounds.x, bounds.y, static_cast<unsigned int>(w),
                   static_cast<unsigned int>(h));
  } else {
    x11.resize(display, xwindow, static_cast<unsigned int>(w), static_cast<unsigned int>(h));
  }
  x11.sync(display, False);
#else
  (void)window;
#endif
}

SDL_Point WindowedSize(int width, int height, const SDL_Rect& usable) {
  if (usable.w <= 0 || usable.h <= 0 || (width <= usable.w && height <= usable.h)) {
    return {width, height};
  }
  const double scale = std::min(double(usable.w) / width, double(usable.h) / height);
  return {std::max(1, static_cast<int>(std::floor(width * scale))),
          std::max(1, static_cast<int>(std::floor(height * scale)))};
}

}  // namespace sb::sdl
