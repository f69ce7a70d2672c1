#include "platform/sdl/audio/sound_control.h"

#include <string>

#include "core/runtime_error.h"
#include "platform/sdl/system/float_status.h"

namespace sb::sdl {

void SdlSoundControl::PauseAll(bool paused) {
  FloatStatusKeeper keep;
  audio_.PauseAll(paused);
}

void SdlSoundControl::SetMasterGain(float gain) {
  if (!(gain >= 0.0f && gain <= 1.0f)) {
    Fail(ErrorKind::PlatformCall, "master gain " + std::to_string(gain) + " is outside 0..1");
  }
  audio_.SetMasterGain(gain);
}

}  // namespace sb::sdl
