// The one place that chooses how the tunes are played. On Linux a FluidSynth
// synthesizer plays the MIDI files with the game's General MIDI sound font.
// Windows has no FluidSynth for the game to carry; there the same two tunes,
// rendered at build time by the same synthesizer with the same sound font
// and settings (tools/tunerender), are played as sample data.
//
// Both players offer the same calls: Prepare, Load, StartOpening,
// FinishOpening, Play, Stop, Sounding, StartFrame and SetGain.
#pragma once

#if defined(_WIN32)
#include "platform/sdl/audio/rendered_tunes.h"
namespace sb::sdl {
using TunePlayer = RenderedTunePlayer;
}  // namespace sb::sdl
#else
#include "platform/sdl/audio/midi_synth.h"
namespace sb::sdl {
using TunePlayer = MidiSynth;
}  // namespace sb::sdl
#endif
