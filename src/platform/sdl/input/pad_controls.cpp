#include "platform/sdl/input/pad_controls.h"

#include <algorithm>
#include <cstdlib>

#include "core/key_codes.h"

namespace sb::sdl {

namespace {

// How far an axis is pushed past the release point, 0 to 1, while it counts
// as pushed; squared, so small deflections give fine control.
double Deflection(int value, int8_t direction) {
  if (direction == 0) return 0;
  const double past = (std::abs(value) - kAxisRelease) / double(kAxisFull - kAxisRelease);
  const double f = std::clamp(past, 0.0, 1.0);
  return direction * f * f;
}

double CursorAxis(const PadState& pad, SDL_GameControllerAxis stick, SDL_GameControllerButton minus,
                  SDL_GameControllerButton plus) {
  double v = Deflection(pad.axes[stick], pad.directions[stick]);
  if (pad.Button(minus)) v -= 1;
  if (pad.Button(plus)) v += 1;
  return std::clamp(v, -1.0, 1.0) * kCursorSpeed;
}

}  // namespace

int8_t AxisDirection(int8_t before, int value) {
  if (value >= kAxisEngage) return 1;
  if (value <= -kAxisEngage) return -1;
  if (before > 0 && value >= kAxisRelease) return 1;
  if (before < 0 && value <= -kAxisRelease) return -1;
  return 0;
}

void PadState::SetButton(int button, bool down) {
  if (button < 0 || button >= SDL_CONTROLLER_BUTTON_MAX) return;
  buttons[button] = down;
}

void PadState::SetAxis(int axis, int value) {
  if (axis < 0 || axis >= SDL_CONTROLLER_AXIS_MAX) return;
  axes[axis] = static_cast<int16_t>(std::clamp(value, -32768, 32767));
  directions[axis] = AxisDirection(directions[axis], value);
}

int PadState::TapOf(int button, bool down) {
  const bool start = button == SDL_CONTROLLER_BUTTON_START;
  const bool back = button == SDL_CONTROLLER_BUTTON_BACK;
  if (!start && !back) return 0;
  const bool before =
      start ? Button(SDL_CONTROLLER_BUTTON_START) : Button(SDL_CONTROLLER_BUTTON_BACK);
  if (down == before) return 0;
  bool& alone = start ? startAlone : backAlone;
  bool& other = start ? backAlone : startAlone;
  if (down) {
    const bool otherDown =
        start ? Button(SDL_CONTROLLER_BUTTON_BACK) : Button(SDL_CONTROLLER_BUTTON_START);
    alone = !otherDown;
    other = false;
    return 0;
  }
  const bool tapped = alone;
  alone = false;
  if (!tapped) return 0;
  return start ? keys::kPause : keys::kControllerBack;
}

PadKeys KeysHeldBy(const PadState& pad) {
  const int8_t leftX = pad.Direction(SDL_CONTROLLER_AXIS_LEFTX);
  const int8_t rightX = pad.Direction(SDL_CONTROLLER_AXIS_RIGHTX);
  PadKeys held;
  const auto hold = [&held](int key, bool down) { held[key] = held[key] || down; };
  hold(keys::kA, leftX < 0 || pad.Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT));
  hold(keys::kD, leftX > 0 || pad.Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT));
  hold(keys::kW, pad.Direction(SDL_CONTROLLER_AXIS_TRIGGERRIGHT) > 0 ||
                     pad.Button(SDL_CONTROLLER_BUTTON_DPAD_UP));
  hold(keys::kLShift, pad.Direction(SDL_CONTROLLER_AXIS_TRIGGERLEFT) > 0);
  hold(keys::kSpace, pad.Button(SDL_CONTROLLER_BUTTON_A));
  hold(keys::kLeft, rightX < 0 || pad.Button(SDL_CONTROLLER_BUTTON_X));
  hold(keys::kRight, rightX > 0 || pad.Button(SDL_CONTROLLER_BUTTON_B));
  hold(keys::kN, pad.Button(SDL_CONTROLLER_BUTTON_Y));
  hold(keys::kComma, pad.Button(SDL_CONTROLLER_BUTTON_LEFTSHOULDER));
  hold(keys::kPeriod, pad.Button(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER));
  hold(keys::kC, pad.Button(SDL_CONTROLLER_BUTTON_RIGHTSTICK));
  hold(keys::kEscape,
       pad.Button(SDL_CONTROLLER_BUTTON_BACK) && pad.Button(SDL_CONTROLLER_BUTTON_START));
  return held;
}

CursorVelocity CursorVelocityOf(const PadState& pad) {
  return {CursorAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, SDL_CONTROLLER_BUTTON_DPAD_LEFT,
                     SDL_CONTROLLER_BUTTON_DPAD_RIGHT),
          CursorAxis(pad, SDL_CONTROLLER_AXIS_LEFTY, SDL_CONTROLLER_BUTTON_DPAD_UP,
                     SDL_CONTROLLER_BUTTON_DPAD_DOWN)};
}

}  // namespace sb::sdl
