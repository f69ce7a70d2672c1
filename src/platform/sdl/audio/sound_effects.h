// Sound effects on SDL_mixer. Each buffer keeps the wave as stored and plays
// a copy converted to the mixer's format as if recorded at the buffer's
// frequency (10000 samples per second unless set otherwise), on a mixer
// channel of its own. The conversion runs in the background, from the first
// yield on (so that it does not compete with start-up) or from the moment
// the frequency changes later; the first Play waits for it if need be.
//
// Play and Stop behave like a hardware sound buffer: playing a buffer that is
// already playing lets it go on, Stop pauses it where it is and the next Play
// resumes from there; a buffer that played to its end starts again from the
// beginning.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

#include <future>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/sdl/audio/mixer.h"
#include "platform/sound.h"

namespace sb::sdl {

// Linear gain of a volume in hundredths of a decibel (0 = full).
double GainOfHundredthsDb(int32_t hundredths);

class SdlSoundBuffer : public SoundBuffer {
 public:
  // Takes a wave loaded by SDL_LoadWAV. Conversions start at once while
  // `background` is true, else at StartConverting.
  SdlSoundBuffer(Mixer& audio, std::string path, Uint8* wave, Uint32 length,
                 const SDL_AudioSpec& spec, std::shared_ptr<const bool> background);
  ~SdlSoundBuffer() override;
  SdlSoundBuffer(const SdlSoundBuffer&) = delete;
  SdlSoundBuffer& operator=(const SdlSoundBuffer&) = delete;

  void Play(uint32_t flags) override;
  void Stop() override;
  void SetVolume(int32_t hundredthsOfDecibel) override;
  void SetPan(int32_t pan) override;
  // 100 to 200000 samples per second; 0 = the rate stored in the file.
  // A change rebuilds the converted samples and stops the buffer if it plays.
  void SetFrequency(int32_t samplesPerSecond) override;

  // Starts the conversion waiting to run, if any.
  void StartConverting();
  // Waits for a conversion running in the background, keeping its result.
  void WaitForConversion() const {
    if (converting_.valid()) converting_.wait();
  }

  int channel() const { return channel_; }
  int frequency() const { return frequency_; }

 private:
  // Samples converted on another thread, SDL_malloc'd; null if it failed.
  struct Converted {
    Uint8* samples = nullptr;
    Uint32 length = 0;
  };
  // Prepares converting the wave for `frequency`, dropping the chunk.
  void Build(int frequency);
  // Waits for the conversion and makes the chunk of it.
  void Finish();
  // Waits for the conversion and drops what it made.
  void Discard();
  void FreeChunk();
  void ApplyPan();

  Mixer& audio_;
  std::shared_ptr<bool> alive_;
  std::string path_;
  Uint8* wave_;
  Uint32 waveLength_;
  SDL_AudioSpec spec_;
  int channel_;
  int frequency_ = 0;
  Mix_Chunk* chunk_ = nullptr;
  Uint8* converted_ = nullptr;
  std::shared_ptr<const bool> background_;
  std::optional<SDL_AudioCVT> toConvert_;
  std::future<Converted> converting_;
  int volume_ = MIX_MAX_VOLUME;
  int32_t pan_ = 0;
};

class SdlSoundOutput : public SoundOutput {
 public:
  explicit SdlSoundOutput(Mixer& audio) : audio_(audio) {}
  // Waits for the conversions still running: they use SDL's audio tables,
  // which go when the sound output closes.
  ~SdlSoundOutput() override;
  SdlSoundOutput(const SdlSoundOutput&) = delete;
  SdlSoundOutput& operator=(const SdlSoundOutput&) = delete;
  void SetCooperativeLevel(int32_t level) override;
  SoundRef CreateSoundBufferFromFile(const std::string& path) override;
  // Lets the buffers' conversions run in the background from now on (at the
  // yields; the first one opens it).
  void OpenBackground();

 private:
  Mixer& audio_;
  std::shared_ptr<bool> background_ = std::make_shared<bool>(false);
  std::vector<std::weak_ptr<SdlSoundBuffer>> buffers_;  // every buffer made
  std::vector<std::weak_ptr<SdlSoundBuffer>> waiting_;
};

}  // namespace sb::sdl
