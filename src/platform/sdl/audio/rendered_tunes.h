// Tunes rendered ahead of time to 16-bit stereo wave files at the output's
// rate, played into the mixer's music slot. The rendering of "NAME.mid" is
// "NAME.wav" beside it, made by the same synthesizer, sound font and gain as
// the live one and cut where that one ends a tune, its last note's ring
// included, so the two sound and end alike. Playing a tune starts it from
// its top and stops the one playing.
#pragma once

#include <SDL.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>

#include "platform/sdl/audio/mixer.h"
#include "platform/sdl/audio/tune_data.h"

namespace sb::sdl {

class RenderedTunePlayer {
 public:
  explicit RenderedTunePlayer(Mixer& audio) : audio_(audio) {}
  ~RenderedTunePlayer();
  RenderedTunePlayer(const RenderedTunePlayer&) = delete;
  RenderedTunePlayer& operator=(const RenderedTunePlayer&) = delete;

  // The rendered file for the tune `midiPath`.
  static std::string RenderingOf(const std::string& midiPath);

  // Nothing to check before the first tune: the files are read by Load.
  void Prepare() {}
  // Reads the rendering of `path`; a missing file, or one not in the
  // output's format, is a failed call naming it.
  LoadedTune Load(const std::string& path);
  // Nothing is made in the background.
  void StartOpening() {}
  void FinishOpening() {}

  // Plays `tune` from its first sample, replacing the tune playing.
  void Play(const TuneData& tune, const std::string& path);
  // Silences the tune at once.
  void Stop();
  // True from Play until the tune's last sample was mixed, or until Stop.
  bool Sounding() const { return sounding_.load(std::memory_order_acquire); }
  // The mixed frame (Mixer::FramesMixed) at which the tune's first sample
  // went out; -1 until it has.
  int64_t StartFrame() const { return startFrame_.load(std::memory_order_acquire); }

  // The gain as the synthesizer takes it: the files are rendered at
  // kFullGain, so a lower gain scales them down.
  void SetGain(double gain);
  static constexpr double kFullGain = kTuneFullGain;

 private:
  static void Render(void* self, Uint8* stream, int length);

  Mixer& audio_;
  bool hooked_ = false;
  std::mutex mutex_;  // the tune and position, between game and audio thread
  TuneData tune_;
  size_t position_ = 0;  // bytes of the tune mixed
  double scale_ = 1.0;
  std::atomic<bool> sounding_{false};
  std::atomic<int64_t> startFrame_{-1};
};

}  // namespace sb::sdl
