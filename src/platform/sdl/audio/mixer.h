// The mixer: the sound output shared by effects and music, SDL_mixer opened
// once, on the system's device or, when there is none, silently on the
// dummy driver. Beside the output it holds what lives on the mixing thread
// or is shared through it: the count of sample frames mixed (the music's
// clock), the effects' channels, the flag the music raises when a tune
// ends, and a tap on the mixed output for tests and measurements.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace sb::sdl {

class Mixer {
 public:
  // Not `audible`: the mixer runs on SDL's dummy driver, heard by nobody.
  explicit Mixer(std::string soundFontPath, bool audible = true);
  ~Mixer();
  Mixer(const Mixer&) = delete;
  Mixer& operator=(const Mixer&) = delete;

  // The level of effects and music alike, below the full scale of the
  // output: the loudest moments of a battle (firing and hits over the tune)
  // would otherwise add up past it and crackle. One factor for both keeps
  // their balance.
  // 52 of the mixer's 128 volume steps, about -7.8 dB.
  static constexpr double kHeadroom = 0.40625;

  // Opens the mixer once. Without a usable device one warning line goes to
  // standard error and the game runs silent; a failure even then is a failed
  // platform call.
  void Open();
  bool isOpen() const { return *alive_; }
  // True while the mixer that made a chunk or tune is still open.
  const std::shared_ptr<bool>& alive() const { return alive_; }

  int frequency() const { return frequency_; }
  int outputChannels() const { return channels_; }
  SDL_AudioFormat format() const { return format_; }

  // Sample frames mixed since the mixer opened (any thread).
  uint64_t FramesMixed() const { return framesMixed_.load(std::memory_order_acquire); }

  // One mixer channel per sound buffer.
  int AllocateChannel();
  void FreeChannel(int channel);

  // The music reported its end (when it ended, was replaced or stopped).
  void FlagMusicEnded() { musicEnded_.store(true, std::memory_order_release); }
  bool TakeMusicEnded() { return musicEnded_.exchange(false, std::memory_order_acq_rel); }

  // Holds every playing effect and the music where they are (the music
  // renders silence and FramesMixed stands still), or lets them go on.
  // Effects paused by their own buffers stay paused.
  void PauseAll(bool paused);
  bool held() const { return held_.load(std::memory_order_acquire); }
  // Scales everything mixed by `gain`, 0 to 1 (1: left as it is).
  void SetMasterGain(float gain) { gain_.store(gain, std::memory_order_release); }
  float masterGain() const { return gain_.load(std::memory_order_acquire); }

  // Receives every mixed buffer (interleaved samples in the device format)
  // on the audio thread; for measuring the output.
  void SetOutputTap(std::function<void(const Uint8*, int)> tap);

  const std::string& soundFont() const { return soundFont_; }
  bool silent() const { return silent_; }
  // False when asked to run unheard (a timed demo): no music is made at all.
  bool audible() const { return audible_; }

 private:
  bool TryOpen();
  static void PostMix(void* self, Uint8* stream, int length);

  std::string soundFont_;
  bool audible_ = true;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(false);
  bool silent_ = false;
  int frequency_ = 0;
  int channels_ = 0;
  SDL_AudioFormat format_ = 0;
  int frameBytes_ = 4;
  std::atomic<uint64_t> framesMixed_{0};
  std::atomic<bool> musicEnded_{false};
  std::atomic<bool> held_{false};
  std::atomic<float> gain_{1.0f};
  std::vector<int> heldChannels_;  // the channels PauseAll paused
  std::vector<int> freeChannels_;
  int channelCount_ = 0;
  std::mutex tapMutex_;
  std::function<void(const Uint8*, int)> tap_;
};

}  // namespace sb::sdl
