#include "platform/sdl/event_pump.h"

namespace sb::sdl {

bool EventPump::Pump() {
  if (!video_.initialised()) return false;
  bool close = false;
  pads_.Start();
  SDL_Event event;
  while (SDL_PollEvent(&event)) close = Handle(event) || close;
  pads_.Advance();
  return close;
}

bool EventPump::HandleWindow(const SDL_WindowEvent& event) {
  // Uncovered, resized, shown again: draw the next frame in full.
  video_.canvas().ForgetShownFrame();
  video_.WindowChanged();
  switch (event.event) {
    case SDL_WINDOWEVENT_CLOSE:
      return true;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      if (video_.mouseCaptureWanted()) video_.SetMouseCaptured(true);
      return false;
    default:
      return false;
  }
}

bool EventPump::Handle(const SDL_Event& event) {
  switch (event.type) {
    case SDL_QUIT:
      return true;
    case SDL_RENDER_TARGETS_RESET:
    case SDL_RENDER_DEVICE_RESET:
      video_.canvas().ForgetShownFrame();
      return false;
    case SDL_WINDOWEVENT:
      return HandleWindow(event.window);
    case SDL_KEYDOWN:
      if (event.key.keysym.scancode == SDL_SCANCODE_RETURN && (event.key.keysym.mod & KMOD_ALT) &&
          event.key.repeat == 0) {
        video_.ToggleFullscreen();
      }
      keyboard_.OnKey(event.key);
      return false;
    case SDL_KEYUP:
      keyboard_.OnKey(event.key);
      return false;
    case SDL_MOUSEMOTION:
      mouse_.OnMotion(event.motion);
      return false;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      mouse_.OnButton(event.button);
      return false;
    case SDL_MOUSEWHEEL:
      mouse_.OnWheel(event.wheel);
      return false;
    default:
      pads_.Handle(event);
      return false;
  }
}

}  // namespace sb::sdl
