// Makes the music synthesizer and reads the sound font into it, on a thread
// of its own: the font is several megabytes, and start-up need not wait for
// it, since the first tune plays only once a battle starts.
#pragma once

#include <atomic>
#include <string>
#include <thread>

// FluidSynth's handles, as its header declares them.
typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;

namespace sb::sdl {

// A synthesizer with its settings, or why it could not be made.
struct LoadedSynth {
  fluid_settings_t* settings = nullptr;
  fluid_synth_t* synth = nullptr;
  std::string error;  // empty when made
};

// Makes it on the calling thread, rendering at `sampleRate`.
LoadedSynth MakeSynth(const std::string& soundFont, int sampleRate);
// Frees what it holds and empties it.
void FreeSynth(LoadedSynth& loaded);

class SynthLoader {
 public:
  SynthLoader() = default;
  ~SynthLoader();
  SynthLoader(const SynthLoader&) = delete;
  SynthLoader& operator=(const SynthLoader&) = delete;

  // Starts making the synthesizer; once until it is taken.
  void Start(const std::string& soundFont, int sampleRate);
  bool started() const { return thread_.joinable(); }
  // True once the synthesizer is made (or has failed) and waits to be taken.
  bool ready() const { return ready_.load(std::memory_order_acquire); }
  // Waits for it; the caller owns what it returns. Only when started.
  LoadedSynth Take();

 private:
  std::thread thread_;
  std::atomic<bool> ready_{false};
  LoadedSynth made_;
};

}  // namespace sb::sdl
