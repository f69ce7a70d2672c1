// Pause and master volume of the whole sound output on SDL_mixer.
#pragma once

#include "platform/sdl/audio/mixer.h"
#include "platform/sound_control.h"

namespace sb::sdl {

class SdlSoundControl : public SoundControl {
 public:
  explicit SdlSoundControl(Mixer& audio) : audio_(audio) {}
  void PauseAll(bool paused) override;
  void SetMasterGain(float gain) override;

 private:
  Mixer& audio_;
};

}  // namespace sb::sdl
