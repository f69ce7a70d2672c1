// The game's two MIDI tunes, played by the system's tune player (see
// tune_player.h: a FluidSynth synthesizer with the game's General MIDI sound
// font, or their renderings). Playing a tune starts it from its top. A tune
// is ended as soon as its last note has sounded, measured in
// mixed sample frames from its start, rather than when the synthesizer's
// voices finally die away seconds later; its end is reported at the next
// yield as a music notification.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/music.h"
#include "platform/sdl/audio/mixer.h"
#include "platform/sdl/audio/tune_data.h"
#include "platform/sdl/audio/tune_player.h"

namespace sb::sdl {

class SdlSegment : public Segment {
 public:
  SdlSegment(std::string path, LoadedTune tune) : path_(std::move(path)), tune_(std::move(tune)) {}
  const std::string& Path() const override { return path_; }
  // What the tune player plays.
  const TuneData& data() const { return tune_.data; }
  // When the last note stops sounding, from the start of the tune.
  double seconds() const { return tune_.seconds; }

 private:
  std::string path_;
  LoadedTune tune_;
};

class SdlMusic : public Music {
 public:
  explicit SdlMusic(Mixer& audio) : audio_(audio), synth_(audio) {}

  void InitAudio(uint32_t flags, uint32_t defaultPathType, uint32_t channels) override;
  void SetMasterVolume(int32_t volume) override;
  void SetMasterTempo(float factor) override;
  void SetMasterAutoDownload(bool on) override;
  void AddNotificationType(uint32_t type) override;
  void SetNotificationHandle(int32_t event) override { event_ = event; }
  SegmentRef LoadSegment(const std::string& path) override;
  void PlaySegmentEx(const SegmentRef& segment, uint32_t flags, int64_t startTime) override;
  void StopEx(const SegmentRef& segment, int64_t stopTime, uint32_t flags) override;
  bool IsPlaying(const SegmentRef& segment) override;

  // At the yield: ends a tune whose last note has sounded. Returns the
  // notification handle when a tune ended since the last call, else 0.
  int32_t Update();

  // The mixed frame at which the current tune began to sound; -1 before.
  int64_t StartFrame() const { return synth_.StartFrame(); }

  // Silences the music at once, as the program ends.
  void Silence() { synth_.Stop(); }

  // Time the current tune lets its last note ring before it is ended.
  static constexpr double kReleaseSeconds = 0.25;

 private:
  double Elapsed() const;
  bool Finished() const;

  Mixer& audio_;
  TunePlayer synth_;
  bool fontWanted_ = false;  // InitAudio was called: make the player ready
  int32_t event_ = 0;
  std::shared_ptr<SdlSegment> current_;
};

}  // namespace sb::sdl
