// Everything the game needs of its platform, behind narrow interfaces. The
// SDL implementation and the headless (recording) one both provide this.
#pragma once

#include "platform/clock.h"
#include "platform/device.h"
#include "platform/input.h"
#include "platform/music.h"
#include "platform/settings_store.h"
#include "platform/sound.h"
#include "platform/sound_control.h"
#include "platform/sprite.h"
#include "platform/text.h"
#include "platform/textures.h"
#include "platform/types.h"
#include "platform/window.h"

namespace sb {

class Platform {
 public:
  virtual ~Platform() = default;
  virtual Window& window() = 0;
  // Opens the screen; a failure is a failed platform call.
  virtual Device& CreateDevice(const PresentParameters& params) = 0;
  virtual SpriteDrawer& sprite() = 0;
  virtual TextDrawer& text() = 0;
  virtual TextureLoader& textures() = 0;
  virtual Keyboard& keyboard() = 0;
  virtual Mouse& mouse() = 0;
  virtual SoundOutput& sound() = 0;
  virtual Music& music() = 0;
  virtual Clock& clock() = 0;
  // Pause and master volume over effects and music alike.
  virtual SoundControl& soundControl() = 0;
  virtual SettingsStore& settings() = 0;
};

}  // namespace sb
