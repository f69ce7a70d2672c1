// One FluidSynth synthesizer playing the game's tunes into the mixer's music
// slot. The sound font is read once, when the synthesizer is made (in the
// background, from StartOpening on); every play starts a fresh MIDI player
// on it, so a tune always starts from its first note, and the notes of the
// tune it replaces stop.
#pragma once

#include <SDL.h>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/sdl/audio/mixer.h"
#include "platform/sdl/audio/synth_loader.h"
#include "platform/sdl/audio/tune_data.h"

typedef struct _fluid_player_t fluid_player_t;

namespace sb::sdl {

class MidiSynth {
 public:
  explicit MidiSynth(Mixer& audio) : audio_(audio) {}
  ~MidiSynth();
  MidiSynth(const MidiSynth&) = delete;
  MidiSynth& operator=(const MidiSynth&) = delete;

  // Starts making the synthesizer with the audio's sound font in the
  // background; once.
  void StartOpening();
  // Takes the synthesizer once it is made, without waiting, starts it
  // rendering into the mixer and starts the tune played meanwhile, if any. A
  // sound font it could not read is a failed call.
  void FinishOpening();

  // Checks the sound font before any tune is played: a damaged one would
  // play silence without a word from the synthesizer.
  void Prepare();
  // Reads the MIDI file `path` and measures it; a failed call when it cannot.
  LoadedTune Load(const std::string& path);

  // Plays the MIDI file's bytes from the top, replacing the tune playing.
  // `path` names the tune in a failure. Before the synthesizer is made the
  // tune waits for it (see FinishOpening) without holding up the caller.
  void Play(const TuneData& midi, const std::string& path);
  // Silences the tune at once.
  void Stop();
  // True from Play until the tune has ended and its last note died away,
  // or until Stop.
  bool Sounding() const { return sounding_.load(std::memory_order_acquire); }
  // The mixed frame (Mixer::FramesMixed) at which the tune's first sample
  // went out; -1 until it has.
  int64_t StartFrame() const { return startFrame_.load(std::memory_order_acquire); }

  // The synthesizer's output gain; 0 is silent.
  void SetGain(double gain);
  static constexpr double kFullGain = kTuneFullGain;

 private:
  static void Render(void* self, Uint8* stream, int length);
  void DropPlayer();  // with mutex_ held
  void Adopt(LoadedSynth made);
  void StartTune(const std::vector<uint8_t>& midi, const std::string& path);

  Mixer& audio_;
  fluid_settings_t* settings_ = nullptr;
  fluid_synth_t* synth_ = nullptr;
  fluid_player_t* player_ = nullptr;
  SynthLoader loader_;
  // A tune played before the synthesizer was made.
  struct Pending {
    TuneData midi;
    std::string path;
  };
  std::optional<Pending> pending_;
  std::mutex mutex_;  // the player and synthesizer, between game and audio thread
  std::atomic<bool> sounding_{false};
  std::atomic<int64_t> startFrame_{-1};
  float gain_ = static_cast<float>(kFullGain);
};

}  // namespace sb::sdl
