// The SDL platform's parts, for the platform itself and for its tests (which
// need to reach the renderer, the mixer and the event queue).
#pragma once

#include <SDL.h>

#include <memory>
#include <string>

#include "platform/platform.h"
#include "platform/sdl/audio/mixer.h"
#include "platform/sdl/audio/music.h"
#include "platform/sdl/audio/sound_control.h"
#include "platform/sdl/audio/sound_effects.h"
#include "platform/sdl/event_pump.h"
#include "platform/sdl/input/gamepad.h"
#include "platform/sdl/input/keyboard_mouse.h"
#include "platform/sdl/pictures/texture_loader.h"
#include "platform/sdl/sdl_platform.h"
#include "platform/sdl/system/settings_file.h"
#include "platform/sdl/text/text.h"
#include "platform/sdl/time/game_clock.h"
#include "platform/sdl/video/device.h"
#include "platform/sdl/video/sprite.h"
#include "platform/sdl/video/window.h"

namespace sb::sdl {

class SdlPlatform;

// The game's window as the game sees it: its folder, the desktop's mode,
// showing it, the yields (which hand the events to the EventPump), and the
// way out.
class SdlWindow : public Window {
 public:
  explicit SdlWindow(SdlPlatform& platform) : p_(platform) {}
  std::string ProgramFolder() override;
  DisplayMode GetDisplayMode() override;
  int32_t CreateEvent() override { return nextEvent_++; }
  void Show() override;
  void Yield(NotificationSink& sink) override;
  void ReleaseDevice() override;
  [[noreturn]] void EndProgram(int status) override;
  void ShowFatalMessage(const std::string& line) override;

 private:
  SdlPlatform& p_;
  int32_t nextEvent_ = 1;
};

class SdlPlatform : public Platform {
 public:
  explicit SdlPlatform(const SdlPlatformOptions& options);
  ~SdlPlatform() override;

  Window& window() override { return window_; }
  Device& CreateDevice(const PresentParameters& params) override;
  SpriteDrawer& sprite() override { return sprite_; }
  TextDrawer& text() override { return text_; }
  TextureLoader& textures() override { return textures_; }
  Keyboard& keyboard() override { return keyboard_; }
  Mouse& mouse() override { return mouse_; }
  SoundOutput& sound() override { return sound_; }
  Music& music() override { return music_; }
  Clock& clock() override { return clock_; }
  SoundControl& soundControl() override { return soundControl_; }
  SettingsStore& settings() override { return settings_; }

  // The parts, by their own types.
  const std::string& programFolder() const { return programFolder_; }
  Video& video() { return video_; }
  Mixer& audio() { return audio_; }
  SdlDevice& device() { return device_; }
  SdlMusic& sdlMusic() { return music_; }
  Gamepads& gamepads() { return pads_; }

 private:
  friend class SdlWindow;

  std::string programFolder_;
  std::string dataFolder_;
  bool windowed_;
  int windowWidth_, windowHeight_;
  Video video_;
  Mixer audio_;
  SdlWindow window_;
  SdlDevice device_;
  SdlSprite sprite_;
  SdlText text_;
  SdlTextureLoader textures_;
  SdlKeyboard keyboard_;
  SdlMouse mouse_;
  Gamepads pads_;
  EventPump events_;
  SdlSoundOutput sound_;
  SdlMusic music_;
  SdlClock clock_;
  SdlSoundControl soundControl_;
  FileSettingsStore settings_;
};

}  // namespace sb::sdl
