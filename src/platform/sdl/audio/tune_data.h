// A tune as the music player holds it: what its player plays (the MIDI
// file's bytes for the synthesizer, or the rendered sample data), shared
// with a tune waiting to start, and how long it plays.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/sdl/audio/mixer.h"

namespace sb::sdl {

// The synthesizer's gain at full music volume, the one it starts with: the
// tunes sit with the effects at this level, both below full scale by the
// audio's headroom. Rendered tunes are rendered at it.
inline constexpr double kTuneFullGain = 1.2 * Mixer::kHeadroom;

using TuneData = std::shared_ptr<const std::vector<uint8_t>>;

struct LoadedTune {
  TuneData data;
  double seconds = 0;  // when the last note stops sounding, from the start
};

}  // namespace sb::sdl
