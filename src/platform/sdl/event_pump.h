// Takes SDL's waiting events at a yield and hands each to the part it
// concerns: window changes to the video side and the canvas, keys, the
// mouse and game controllers to the input side.
#pragma once

#include <SDL.h>

#include "platform/sdl/input/gamepad.h"
#include "platform/sdl/input/keyboard_mouse.h"
#include "platform/sdl/video/window.h"

namespace sb::sdl {

class EventPump {
 public:
  EventPump(Video& video, SdlKeyboard& keyboard, SdlMouse& mouse, Gamepads& pads)
      : video_(video), keyboard_(keyboard), mouse_(mouse), pads_(pads) {}

  // Takes every waiting event; true when one asks to close the window.
  bool Pump();

 private:
  bool Handle(const SDL_Event& event);
  bool HandleWindow(const SDL_WindowEvent& event);

  Video& video_;
  SdlKeyboard& keyboard_;
  SdlMouse& mouse_;
  Gamepads& pads_;
};

}  // namespace sb::sdl
