#include "platform/sdl/audio/tune_render.h"

#include <fluidsynth.h>

#include <cmath>

#include "platform/sdl/audio/midi_length.h"
#include "platform/sdl/audio/music.h"
#include "platform/sdl/audio/synth_loader.h"
#include "platform/sdl/audio/tune_data.h"

namespace sb::sdl {

namespace {

// Frames per call, as the mixer asks the live synthesizer for them.
constexpr int kChunkFrames = 1024;

void PutLittleEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

RenderedTune RenderTune(const std::vector<uint8_t>& midi, const std::string& soundFont,
                        int sampleRate) {
  RenderedTune out;
  const MidiLength length = MeasureMidi(midi);
  if (!length.ok) {
    out.error = length.error;
    return out;
  }
  LoadedSynth made = MakeSynth(soundFont, sampleRate);
  if (!made.error.empty()) {
    out.error = made.error;
    return out;
  }
  fluid_synth_set_gain(made.synth, static_cast<float>(kTuneFullGain));
  fluid_player_t* player = new_fluid_player(made.synth);
  if (player == nullptr || fluid_player_add_mem(player, midi.data(), midi.size()) == FLUID_FAILED ||
      fluid_player_play(player) == FLUID_FAILED) {
    out.error = "cannot play the tune";
  } else {
    // Where the music player ends it: its last note, plus the ring allowed.
    const auto frames =
        static_cast<size_t>(std::ceil((length.seconds + SdlMusic::kReleaseSeconds) * sampleRate));
    out.samples.assign(frames * 2, 0);
    for (size_t done = 0; done < frames;) {
      const int n = static_cast<int>(std::min<size_t>(kChunkFrames, frames - done));
      int16_t* at = out.samples.data() + done * 2;
      fluid_synth_write_s16(made.synth, n, at, 0, 2, at, 1, 2);
      done += static_cast<size_t>(n);
      // The player also ends a tune whose last voice has died away.
      if (fluid_player_get_status(player) == FLUID_PLAYER_DONE &&
          fluid_synth_get_active_voice_count(made.synth) == 0) {
        out.samples.resize(done * 2);
        break;
      }
    }
  }
  if (player != nullptr) {
    fluid_player_stop(player);
    delete_fluid_player(player);
  }
  FreeSynth(made);
  return out;
}

std::vector<uint8_t> StereoWaveFile(const std::vector<int16_t>& samples, int sampleRate) {
  const auto dataBytes = static_cast<uint32_t>(samples.size() * 2);
  std::vector<uint8_t> out;
  out.reserve(44 + dataBytes);
  for (char c : std::string("RIFF")) out.push_back(static_cast<uint8_t>(c));
  PutLittleEndian(out, 36 + dataBytes, 4);
  for (char c : std::string("WAVEfmt ")) out.push_back(static_cast<uint8_t>(c));
  PutLittleEndian(out, 16, 4);  // format chunk size
  PutLittleEndian(out, 1, 2);   // PCM
  PutLittleEndian(out, 2, 2);   // channels
  PutLittleEndian(out, static_cast<uint32_t>(sampleRate), 4);
  PutLittleEndian(out, static_cast<uint32_t>(sampleRate) * 4, 4);  // bytes a second
  PutLittleEndian(out, 4, 2);                                      // bytes a frame
  PutLittleEndian(out, 16, 2);                                     // bits a sample
  for (char c : std::string("data")) out.push_back(static_cast<uint8_t>(c));
  PutLittleEndian(out, dataBytes, 4);
  for (int16_t s : samples) PutLittleEndian(out, static_cast<uint16_t>(s), 2);
  return out;
}

}  // namespace sb::sdl
