// The sound output as a whole, effects and music together: holding every
// sound where it is, and the player's master volume.
#pragma once

namespace sb {

class SoundControl {
 public:
  virtual ~SoundControl() = default;
  // True: every effect and the tune stop where they are, and a tune held
  // does not count towards its end. False: they go on from there. Asking
  // for the state already in force does nothing.
  virtual void PauseAll(bool paused) = 0;
  // The loudness of everything heard, as a factor of the game's own level:
  // 1 leaves the output as it is, 0 silences it. A factor outside 0..1 is a
  // failed platform call.
  virtual void SetMasterGain(float gain) = 0;
};

}  // namespace sb
