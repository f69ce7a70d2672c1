#include "platform/sdl/input/gamepad.h"

#include <algorithm>
#include <cmath>

namespace sb::sdl {

namespace {

// A longer gap between two yields (loading, a stalled window) moves the
// cursor no further than this.
constexpr double kLongestStep = 0.1;

// Whole pixels due from `carry` plus `velocity` x `seconds`; the fraction
// stays in `carry`. A cursor at rest or turning back keeps none.
int32_t PixelsDue(double& carry, double velocity, double seconds) {
  if (velocity * carry < 0) carry = 0;
  if (velocity == 0) {
    carry = 0;
    return 0;
  }
  carry += velocity * seconds;
  const double whole = std::trunc(carry);
  carry -= whole;
  return static_cast<int32_t>(whole);
}

}  // namespace

Gamepads::~Gamepads() {
  for (Pad& pad : pads_) SDL_GameControllerClose(pad.controller);
  if (available_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void Gamepads::Start() {
  if (started_) return;
  started_ = true;
  // The A button is the bottom face button on every pad, whatever its label.
  SDL_SetHint(SDL_HINT_GAMECONTROLLER_USE_BUTTON_LABELS, "0");
  if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return;
  available_ = true;
  lastCounter_ = SDL_GetPerformanceCounter();
  for (int i = 0; i < SDL_NumJoysticks(); ++i) Open(i);
}

bool Gamepads::Handle(const SDL_Event& event) {
  switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
      Open(event.cdevice.which);
      return true;
    case SDL_CONTROLLERDEVICEREMOVED:
      Close(event.cdevice.which);
      return true;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP: {
      Pad* pad = Find(event.cbutton.which);
      if (pad == nullptr) return true;
      const bool down = event.cbutton.state == SDL_PRESSED;
      const int button = event.cbutton.button;
      // A clicks the cursor, once per press and once per release, as the
      // mouse's left button does.
      if (button == SDL_CONTROLLER_BUTTON_A && pad->state.Button(SDL_CONTROLLER_BUTTON_A) != down) {
        mouse_.Click(down);
      }
      const int tap = pad->state.TapOf(button, down);
      pad->state.SetButton(button, down);
      UpdateKeys();
      // Held and let go at once: the game sees the key held for one pass.
      if (tap != 0) {
        keyboard_.Hold(static_cast<uint8_t>(tap), KeySource::kPad, true);
        keyboard_.Hold(static_cast<uint8_t>(tap), KeySource::kPad, false);
      }
      return true;
    }
    case SDL_CONTROLLERAXISMOTION:
      if (Pad* pad = Find(event.caxis.which)) {
        pad->state.SetAxis(event.caxis.axis, event.caxis.value);
        UpdateKeys();
      }
      return true;
    default:
      return false;
  }
}

void Gamepads::Advance() {
  if (!available_) return;
  const uint64_t now = SDL_GetPerformanceCounter();
  const double seconds =
      static_cast<double>(now - lastCounter_) / static_cast<double>(SDL_GetPerformanceFrequency());
  lastCounter_ = now;
  Advance(std::min(seconds, kLongestStep));
}

void Gamepads::Advance(double seconds) {
  CursorVelocity v;
  for (const Pad& pad : pads_) {
    const CursorVelocity one = CursorVelocityOf(pad.state);
    v.x += one.x;
    v.y += one.y;
  }
  v.x = std::clamp(v.x, -kCursorSpeed, kCursorSpeed);
  v.y = std::clamp(v.y, -kCursorSpeed, kCursorSpeed);
  const int32_t dx = PixelsDue(carryX_, v.x, seconds);
  const int32_t dy = PixelsDue(carryY_, v.y, seconds);
  mouse_.Move(dx, dy);
}

void Gamepads::Open(int deviceIndex) {
  if (!SDL_IsGameController(deviceIndex)) return;
  const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
  if (id < 0 || Find(id) != nullptr) return;
  // A pad that cannot be opened is left out, as if it were not there.
  SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
  if (controller == nullptr) return;
  Pad pad{id, controller, {}};
  // Controls already held when the pad is opened count at once.
  for (int b = 0; b < SDL_CONTROLLER_BUTTON_MAX; ++b) {
    pad.state.SetButton(
        b, SDL_GameControllerGetButton(controller, static_cast<SDL_GameControllerButton>(b)) != 0);
  }
  for (int a = 0; a < SDL_CONTROLLER_AXIS_MAX; ++a) {
    pad.state.SetAxis(
        a, SDL_GameControllerGetAxis(controller, static_cast<SDL_GameControllerAxis>(a)));
  }
  pads_.push_back(pad);
  UpdateKeys();
}

void Gamepads::Close(SDL_JoystickID id) {
  const auto it =
      std::find_if(pads_.begin(), pads_.end(), [id](const Pad& p) { return p.id == id; });
  if (it == pads_.end()) return;
  SDL_GameControllerClose(it->controller);
  pads_.erase(it);
  UpdateKeys();
}

Gamepads::Pad* Gamepads::Find(SDL_JoystickID id) {
  for (Pad& pad : pads_) {
    if (pad.id == id) return &pad;
  }
  return nullptr;
}

void Gamepads::UpdateKeys() {
  PadKeys now;
  for (const Pad& pad : pads_) {
    const PadKeys one = KeysHeldBy(pad.state);
    for (int k = PadKeys::kLow; k <= PadKeys::kHigh; ++k) now[k] = now[k] || one[k];
  }
  for (int k = PadKeys::kLow; k <= PadKeys::kHigh; ++k) {
    if (now[k] == held_[k]) continue;
    keyboard_.Hold(static_cast<uint8_t>(k), KeySource::kPad, now[k]);
  }
  held_ = now;
}

}  // namespace sb::sdl
