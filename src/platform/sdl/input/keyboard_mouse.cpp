#include "platform/sdl/input/keyboard_mouse.h"

#include <cmath>

#include "core/runtime_error.h"
#include "platform/sdl/input/scan_codes.h"

namespace sb::sdl {

namespace {

constexpr uint32_t kPressed = 0x80;
constexpr uint32_t kMouseOffsetWheel = 8;
constexpr uint32_t kMouseOffsetButton1 = 13;
constexpr uint32_t kMouseOffsetButton2 = 14;
constexpr int32_t kWheelStep = 120;

}  // namespace

void RecordBuffer::Push(const InputRecord& record) {
  if (records_.size() >= capacity_) return;
  InputRecord r = record;
  r.TimeStamp = SDL_GetTicks();
  r.Sequence = ++sequence_;
  records_.push_back(r);
}

int RecordBuffer::Take(InputRecord* out, int capacity) {
  int n = 0;
  while (n < capacity && !records_.empty()) {
    out[n++] = records_.front();
    records_.pop_front();
  }
  return n;
}

void SdlKeyboard::GetDeviceState(uint8_t (&state)[256]) {
  if (!acquired_) Fail(ErrorKind::PlatformCall, "keyboard read before it was acquired");
  bool releaseOwed = false;
  for (int k = 0; k < 256; ++k) {
    state[k] = state_[k] | tapped_[k];
    if (tapped_[k] != 0 && state_[k] == 0) releaseOwed = true;
    tapped_[k] = 0;
  }
  if (releaseOwed) changed_ = true;
}

int SdlKeyboard::GetDeviceData(InputRecord* records, int capacity) {
  if (!acquired_) Fail(ErrorKind::PlatformCall, "keyboard read before it was acquired");
  return buffer_.Take(records, capacity);
}

void SdlKeyboard::OnKey(const SDL_KeyboardEvent& key) {
  const uint8_t code = KeyCodeOf(key.keysym.scancode);
  if (code == 0) return;
  const bool down = key.state == SDL_PRESSED;
  if (down && key.repeat != 0) return;
  Hold(code, KeySource::kKeyboard, down);
}

void SdlKeyboard::Hold(uint8_t code, KeySource source, bool down) {
  const auto bit = static_cast<uint8_t>(source);
  const auto holders = static_cast<uint8_t>(down ? holders_[code] | bit : holders_[code] & ~bit);
  const bool wasHeld = holders_[code] != 0;
  holders_[code] = holders;
  if ((holders != 0) == wasHeld) return;
  state_[code] = down ? kPressed : 0;
  if (down) tapped_[code] = kPressed;
  buffer_.Push(InputRecord{code, down ? kPressed : 0u, 0, 0, 0});
  changed_ = true;
}

int32_t SdlKeyboard::TakeNotification() {
  if (!changed_ || event_ == 0) return 0;
  changed_ = false;
  return event_;
}

void SdlMouse::Acquire() {
  acquired_ = true;
  video_.SetMouseCaptured(true);
}

int SdlMouse::GetDeviceData(InputRecord* records, int capacity) {
  if (!acquired_) Fail(ErrorKind::PlatformCall, "mouse read before it was acquired");
  return buffer_.Take(records, capacity);
}

void SdlMouse::OnMotion(const SDL_MouseMotionEvent& motion) {
  if (!acquired_) return;
  // Window pixels to picture pixels; what is left over of a pixel counts
  // towards the next movement, so that slow movement is not lost.
  const double scale = video_.pictureScale();
  const double x = motion.xrel / scale + restX_, y = motion.yrel / scale + restY_;
  const double whole_x = std::trunc(x), whole_y = std::trunc(y);
  restX_ = x - whole_x;
  restY_ = y - whole_y;
  Move(static_cast<int32_t>(whole_x), static_cast<int32_t>(whole_y));
}

void SdlMouse::Move(int32_t dx, int32_t dy) {
  if (!acquired_) return;
  if (dx != 0) buffer_.Push(InputRecord{kMouseOffsetX, static_cast<uint32_t>(dx), 0, 0, 0});
  if (dy != 0) buffer_.Push(InputRecord{kMouseOffsetY, static_cast<uint32_t>(dy), 0, 0, 0});
}

void SdlMouse::Click(bool down) {
  if (!acquired_) return;
  buffer_.Push(InputRecord{kMouseOffsetButton0, down ? kPressed : 0u, 0, 0, 0});
}

void SdlMouse::OnButton(const SDL_MouseButtonEvent& button) {
  if (!acquired_) return;
  uint32_t offset;
  switch (button.button) {
    case SDL_BUTTON_LEFT:
      offset = kMouseOffsetButton0;
      break;
    case SDL_BUTTON_RIGHT:
      offset = kMouseOffsetButton1;
      break;
    case SDL_BUTTON_MIDDLE:
      offset = kMouseOffsetButton2;
      break;
    default:
      return;
  }
  buffer_.Push(InputRecord{offset, button.state == SDL_PRESSED ? kPressed : 0u, 0, 0, 0});
}

void SdlMouse::OnWheel(const SDL_MouseWheelEvent& wheel) {
  if (!acquired_ || wheel.y == 0) return;
  int32_t steps = wheel.y;
  if (wheel.direction == SDL_MOUSEWHEEL_FLIPPED) steps = -steps;
  buffer_.Push(InputRecord{kMouseOffsetWheel, static_cast<uint32_t>(steps * kWheelStep), 0, 0, 0});
}

}  // namespace sb::sdl
