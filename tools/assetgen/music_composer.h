// The two tunes as Standard MIDI Files for a General MIDI synthesiser.
#pragma once

#include "byte_buffer.h"

namespace assetgen {

// "Einswei": the battle tune, about 70 seconds in A minor at 144 beats a minute,
// with drums, bass, rhythm guitar, strings, brass and a lead line. The game
// starts it again when it ends, so it ends on a full bar.
Bytes ComposeBattleTune();

// "Frozenbuffalo": about 18 seconds in D minor, slow and sad, played once
// when the player's craft is destroyed.
Bytes ComposeDeathTune();

}  // namespace assetgen
