// Game controllers through SDL's game-controller layer (its mapping database,
// plus any mappings given in SDL_GAMECONTROLLERCONFIG). Every pad present at
// start and every one plugged in later is opened; their controls hold
// key-table entries beside the keyboard and move the selection cursor as
// the mouse does. The game itself sees only its keyboard and mouse.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <vector>

#include "platform/sdl/input/keyboard_mouse.h"
#include "platform/sdl/input/pad_controls.h"

namespace sb::sdl {

class Gamepads {
 public:
  Gamepads(SdlKeyboard& keyboard, SdlMouse& mouse) : keyboard_(keyboard), mouse_(mouse) {}
  ~Gamepads();
  Gamepads(const Gamepads&) = delete;
  Gamepads& operator=(const Gamepads&) = delete;

  // Starts SDL's game-controller system once and opens the pads present.
  // Without it (or without pads) the game runs on keyboard and mouse alone.
  void Start();
  // Takes a controller event; false for any other event.
  bool Handle(const SDL_Event& event);
  // Moves the cursor for the time since the previous call.
  void Advance();
  // Moves the cursor for `seconds` of the pads' present deflection.
  void Advance(double seconds);
  size_t count() const { return pads_.size(); }

 private:
  struct Pad {
    SDL_JoystickID id;
    SDL_GameController* controller;
    PadState state;
  };

  void Open(int deviceIndex);
  void Close(SDL_JoystickID id);
  Pad* Find(SDL_JoystickID id);
  // Brings the keyboard's pad-held keys in line with every open pad.
  void UpdateKeys();

  SdlKeyboard& keyboard_;
  SdlMouse& mouse_;
  bool started_ = false;
  bool available_ = false;
  std::vector<Pad> pads_;
  PadKeys held_;
  // Fractions of a pixel not yet sent to the mouse.
  double carryX_ = 0, carryY_ = 0;
  uint64_t lastCounter_ = 0;
};

}  // namespace sb::sdl
