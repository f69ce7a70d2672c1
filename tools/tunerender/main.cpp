// tunerender: renders a MIDI tune to a 16-bit stereo wave file with the
// game's synthesizer and sound font, for the systems whose build plays
// renderings instead of synthesizing the tunes.
//
//   tunerender SOUNDFONT RATE IN.mid OUT.wav
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/sdl/audio/tune_render.h"

int main(int argc, char** argv) {
  if (argc != 5) {
    std::cerr << "usage: tunerender SOUNDFONT RATE IN.mid OUT.wav\n";
    return 2;
  }
  const std::string soundFont = argv[1];
  const int rate = std::atoi(argv[2]);
  const std::string in = argv[3];
  const std::string out = argv[4];
  if (rate < 8000 || rate > 192000) {
    std::cerr << "tunerender: rate " << argv[2] << " is not a sample rate\n";
    return 2;
  }
  std::ifstream file(in, std::ios::binary);
  if (!file) {
    std::cerr << "tunerender: cannot read " << in << '\n';
    return 1;
  }
  const std::vector<uint8_t> midi((std::istreambuf_iterator<char>(file)),
                                  std::istreambuf_iterator<char>());
  const sb::sdl::RenderedTune tune = sb::sdl::RenderTune(midi, soundFont, rate);
  if (!tune.error.empty()) {
    std::cerr << "tunerender: " << in << ": " << tune.error << '\n';
    return 1;
  }
  const std::vector<uint8_t> wave = sb::sdl::StereoWaveFile(tune.samples, rate);
  std::ofstream output(out, std::ios::binary | std::ios::trunc);
  output.write(reinterpret_cast<const char*>(wave.data()),
               static_cast<std::streamsize>(wave.size()));
  output.close();
  if (!output) {
    std::cerr << "tunerender: cannot write " << out << '\n';
    return 1;
  }
  return 0;
}
