// A platform with no window, screen or sound: it records every call the game
// makes, in order, with its arguments, and lets a script feed input, music
// ends, window closes, tick counts and failing files at the loops' yields.
// Tests run the real game loops on it; benchmarks run with recording off.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace sb::headless {

// One recorded platform call. Its arguments are named as in the JSON
// writer; each op sets its own (listed beside each), the rest keep their
// defaults.
struct Call {
  std::string op;    // e.g. "SetViewport", "DrawQuad", "Sprite.Draw", "DrawText"
  std::string s;     // texture, sound or music file name; text of DrawText
  std::string font;  // DrawText, CreateFont: the font face
  // ---- Device ----
  uint32_t state = 0;            // SetRenderState, SetTextureStageState
  uint32_t value = 0;            // SetRenderState, SetTextureStageState
  uint32_t stage = 0;            // SetTextureStageState
  Viewport viewport;             // SetViewport
  uint32_t colour = 0;           // Clear, Sprite.Draw, DrawText
  TransformType type{};          // SetTransform
  Matrix matrix;                 // SetTransform
  uint32_t format = 0;           // SetVertexShader, DrawText
  int32_t count = 0;             // DrawPoints
  std::vector<LitVertex> quad;   // DrawQuad: the four corners
  std::vector<Particle> points;  // DrawPoints: the particles
  Vec2f scaling, centre;         // Sprite.Draw
  float rotation = 0;            // Sprite.Draw
  Vec2f translation;             // Sprite.Draw
  Rect rect;                     // DrawText
  // ---- Start-up, input, sound and music ----
  uint32_t width = 0, height = 0;  // CreateDevice
  bool windowed = false;           // CreateDevice
  int32_t size = 0;                // CreateFont: points
  bool bold = false;               // CreateFont
  int32_t event = 0;      // CreateEvent, Keyboard.SetEventNotification, Music.SetNotificationHandle
  uint32_t records = 0;   // Keyboard.SetBufferSize, Mouse.SetBufferSize
  int32_t status = 0;     // EndProgram
  int32_t yield = 0;      // Yield: its number, from 1
  uint32_t flags = 0;     // Sound.Play, Music.InitAudio, PlaySegmentEx, StopEx
  int32_t volume = 0;     // Sound.SetVolume, Music.SetMasterVolume
  int32_t pan = 0;        // Sound.SetPan
  int32_t frequency = 0;  // Sound.SetFrequency
  int32_t level = 0;      // Sound.SetCooperativeLevel
  uint32_t pathType = 0;  // Music.InitAudio
  uint32_t channels = 0;  // Music.InitAudio
  float tempo = 0;        // Music.SetMasterTempo
  bool on = false;        // Music.SetMasterAutoDownload
  uint32_t notification = 0;  // Music.AddNotificationType
  int64_t time = 0;           // Music.PlaySegmentEx, Music.StopEx
  float gain = 0;             // Sound.SetMasterGain
  bool paused = false;        // Sound.PauseAll
};

class HeadlessPlatform : public Platform {
 public:
  HeadlessPlatform();
  ~HeadlessPlatform() override;
  HeadlessPlatform(const HeadlessPlatform&) = delete;
  HeadlessPlatform& operator=(const HeadlessPlatform&) = delete;

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
  SoundControl& soundControl() override;
  SettingsStore& settings() override;

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
  // PresentAgain finds the last frame lost (and returns false) while set.
  bool frameLost = false;
  // The settings file: none until written, unless a test puts one here.
  std::string settingsPath = "/headless/config/spacebattle/settings.ini";
  std::optional<std::string> settingsFile;
  // Reading fails with this problem, or writing does, when not empty.
  std::string settingsReadProblem;
  std::string settingsWriteProblem;

  // ---- State the tests read ----
  int32_t keyboardEvent = 0;  // as set by the game
  int32_t musicEvent = 0;
  bool deviceReleased = false;
  std::string fatalMessage;
  // Music: which segment file is playing ("" for none).
  std::string playingMusic;
  // Sound: held by PauseAll, and the master gain.
  bool soundPaused = false;
  float masterGain = 1;

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
  std::unique_ptr<Impl> impl_;
};

}  // namespace sb::headless
