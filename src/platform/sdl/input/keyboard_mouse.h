// Keyboard and mouse fed from SDL events. Events are taken in at the yield;
// the keyboard keeps the held state of every key code and a buffer of
// press/release records, the mouse a buffer of movement and button records.
#pragma once

#include <SDL.h>

#include <deque>

#include "platform/input.h"
#include "platform/sdl/video/window.h"

namespace sb::sdl {

// A bounded first-in first-out buffer of input records; records arriving
// while it is full are dropped, as a device buffer would.
class RecordBuffer {
 public:
  void SetCapacity(uint32_t records) { capacity_ = records; }
  void Push(const InputRecord& record);
  int Take(InputRecord* out, int capacity);
  size_t size() const { return records_.size(); }

 private:
  uint32_t capacity_ = 0;
  std::deque<InputRecord> records_;
  uint32_t sequence_ = 0;
};

// What holds a key: the keyboard, a game controller, or both. A key is held
// in the key table while any of them holds it.
enum class KeySource : uint8_t { kKeyboard = 1, kPad = 2 };

class SdlKeyboard : public Keyboard {
 public:
  void SetBufferSize(uint32_t records) override { buffer_.SetCapacity(records); }
  void SetEventNotification(int32_t event) override { event_ = event; }
  void Acquire() override { acquired_ = true; }
  void GetDeviceState(uint8_t (&state)[256]) override;
  int GetDeviceData(InputRecord* records, int capacity) override;

  // A key event from SDL; repeats of a held key are not new presses.
  void OnKey(const SDL_KeyboardEvent& key);
  // `source` holds or lets go of key `code`.
  void Hold(uint8_t code, KeySource source, bool down);
  // The notification handle when a notification is due (and clears it), else 0.
  int32_t TakeNotification();

 private:
  uint8_t state_[256] = {};
  // Per key code, the KeySource bits holding it.
  uint8_t holders_[256] = {};
  // Keys pressed since the state was last read. A tap shorter than a pass
  // (pressed and released between two reads) still reads as held once, and
  // its release is delivered by a notification at the next yield.
  uint8_t tapped_[256] = {};
  RecordBuffer buffer_;
  int32_t event_ = 0;
  bool acquired_ = false;
  bool changed_ = false;
};

class SdlMouse : public Mouse {
 public:
  explicit SdlMouse(Video& video) : video_(video) {}
  void SetBufferSize(uint32_t records) override { buffer_.SetCapacity(records); }
  void Acquire() override;
  int GetDeviceData(InputRecord* records, int capacity) override;

  void OnMotion(const SDL_MouseMotionEvent& motion);
  void OnButton(const SDL_MouseButtonEvent& button);
  void OnWheel(const SDL_MouseWheelEvent& wheel);
  // Cursor movement in screen pixels and the left button, from a game controller.
  void Move(int32_t dx, int32_t dy);
  void Click(bool down);

 private:
  Video& video_;
  RecordBuffer buffer_;
  bool acquired_ = false;
  double restX_ = 0, restY_ = 0;  // fractions of a picture pixel not yet reported
};

}  // namespace sb::sdl
