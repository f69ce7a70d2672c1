// What one game controller in SDL's standard layout means to the game: the
// key-table entries it holds and how fast it moves the selection cursor.
// Sticks and triggers count only past a dead zone, with hysteresis, so a
// resting or drifting stick holds nothing.
#pragma once

#include <SDL.h>

#include <cstdint>

#include "core/table.h"

namespace sb::sdl {

// An axis counts as pushed from this far (about a quarter of its travel) and
// stays pushed until it falls back below the release point.
inline constexpr int kAxisEngage = 8500;
inline constexpr int kAxisRelease = 6500;
inline constexpr int kAxisFull = 32767;
// Cursor speed at full deflection, in screen pixels per second.
inline constexpr double kCursorSpeed = 600.0;

// -1, 0 or +1: where an axis counts as pushed, given where it counted before.
int8_t AxisDirection(int8_t before, int value);

struct PadState {
  Table<bool, 0, SDL_CONTROLLER_BUTTON_MAX - 1> buttons;
  Table<int16_t, 0, SDL_CONTROLLER_AXIS_MAX - 1> axes;
  // Each axis's direction after the dead zone (triggers: 0 or +1).
  Table<int8_t, 0, SDL_CONTROLLER_AXIS_MAX - 1> directions;

  // Buttons and axes beyond SDL's standard layout are ignored.
  void SetButton(int button, bool down);
  void SetAxis(int axis, int value);
  bool Button(SDL_GameControllerButton b) const { return buttons[b]; }

  // Start or Back pressed and released alone (the two together quit): the
  // key code its release taps, kPause for Start and kControllerBack for
  // Back, else 0. Called with each button change, before SetButton.
  int TapOf(int button, bool down);
  // Start, Back: down with the other not pressed since.
  bool startAlone = false, backAlone = false;
  int8_t Direction(SDL_GameControllerAxis a) const { return directions[a]; }
};

// The key codes the pad holds, one flag per key code.
using PadKeys = Table<bool, 0, 255>;
PadKeys KeysHeldBy(const PadState& pad);

// Cursor velocity in screen pixels per second from the left stick and d-pad.
struct CursorVelocity {
  double x = 0, y = 0;
};
CursorVelocity CursorVelocityOf(const PadState& pad);

}  // namespace sb::sdl
