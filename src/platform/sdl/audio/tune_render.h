// Renders a tune ahead of time, for systems that play the renderings (see
// tune_player.h): the synthesizer the game plays MIDI files with on Linux,
// with the same sound font, settings and gain, fed the file as the game's
// player feeds it, and cut where that player ends the tune.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sb::sdl {

struct RenderedTune {
  std::vector<int16_t> samples;  // interleaved stereo
  std::string error;             // why it could not be rendered, when not empty
};

RenderedTune RenderTune(const std::vector<uint8_t>& midi, const std::string& soundFont,
                        int sampleRate);

// A 16-bit stereo wave file of `samples` at `sampleRate`.
std::vector<uint8_t> StereoWaveFile(const std::vector<int16_t>& samples, int sampleRate);

}  // namespace sb::sdl
