// A platform with no window, screen or sound: it records every call the game
// makes, in order, with its arguments, and lets a script feed input, music
// ends, window closes, tick counts and failing files at the loops' yields.
// Tests run the real game loops on it; benchmarks run with recording off.
#pragma once

#include <deque>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace sb::headless {

// One recorded platform call.
struct Call {
  std::string op;                // e.g. "SetViewport", "DrawQuad", "Sprite.Draw", "DrawText"
  std::vector<double> n;         // numeric arguments in order (matrices: 16, row-major)
  std::string s;                 // texture, sound or music file name; text of DrawText
  std::string font;              // font face of DrawText
  std::vector<LitVertex> quad;   // DrawQuad: the four corners
  std::vector<Particle> points;  // DrawPoints: the particles
};

class HeadlessPlatform : public Platform {
 public:
  HeadlessPlatform();
  ~HeadlessPlatform() override;

  // ---- Platform ----
  Window& window() override;
  Device& CreateDevice(const PresentParameters& params) override;
  SpriteDrawer& sprite() override;
  TextDrawer& text() override;
  TextureLoader& textures() override;
  Keyboard& keyboard() override;
  Mouse& mouse() override;
  SoundOutput& sound() override;
  Music& music() override;
  Clock& clock() override;

  // ---- Recording ----
  std::vector<Call> calls;
  bool recording = true;
  // Calls with this op, in order.
  std::vector<const Call*> CallsNamed(const std::string& op) const;
  // Calls since index `from` (for one pass's calls).
  std::vector<Call> CallsSince(size_t from) const;

  // ---- Script ----
  // Runs at the start of every yield, before notifications are delivered;
  // `yield` counts from 1.
  std::function<void(int yield, HeadlessPlatform& platform)> onYield;
  int yields = 0;
  // A guard against tests that never end: past this many yields the window
  // is closed.
  int maxYields = 1000000;

  // Key codes are the game's (PC scan codes). Each change is one buffered
  // record; the keyboard notification fires at the next yield.
  void PressKey(int code);
  void ReleaseKey(int code);
  bool KeyHeld(int code) const { return keyState_[code & 255] != 0; }
  // Mouse records, read by the game's next mouse reading.
  void MoveMouse(int dx, int dy);
  void MouseButton(bool down);
  // The window is closed at the next yield.
  void RequestClose() { closeRequested_ = true; }
  // The playing tune ends now; its notification fires at the next yield.
  void FinishMusic();
  // The tick count, and how much it advances at every yield.
  int32_t tick = 0;
  int32_t tickStepPerYield = 16;
  uint64_t clockSeed = 12345;
  // Loads of these file names (last path component) fail.
  std::set<std::string> failingFiles;
  std::string programFolder = "/headless";
  DisplayMode displayMode{1920, 1080, 60, 22};

  // ---- State the tests read ----
  int32_t keyboardEvent = 0;  // as set by the game
  int32_t musicEvent = 0;
  bool deviceReleased = false;
  std::string fatalMessage;
  // Music: which segment file is playing ("" for none).
  std::string playingMusic;

  // Internal, used by the implementation classes.
  void Record(Call call);
  void LoadCheck(const std::string& what, const std::string& path);
  void DeliverYield(NotificationSink& sink);
  uint8_t keyState_[256] = {};
  std::deque<InputRecord> keyRecords_;
  std::deque<InputRecord> mouseRecords_;
  bool keyNotificationPending_ = false;
  bool musicNotificationPending_ = false;
  bool closeRequested_ = false;

 private:
  struct Impl;
  Impl* impl_;
};

}  // namespace sb::headless
