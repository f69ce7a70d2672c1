// How long a Standard MIDI File plays: the time at which its last note ends,
// through the file's tempo map. The synthesizer keeps a finished tune alive
// for its silent tail; this length lets the music player end it on time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace sb::sdl {

struct MidiLength {
  bool ok = false;
  double seconds = 0;  // when the last note stops sounding
  std::string error;   // why the file could not be read, when !ok
};

MidiLength MeasureMidi(const std::vector<uint8_t>& file);

}  // namespace sb::sdl
