#include "platform/sdl/audio/music.h"

#include "core/runtime_error.h"
#include "platform/sdl/audio/sound_effects.h"
#include "platform/types.h"

namespace sb::sdl {

void SdlMusic::InitAudio(uint32_t /*flags*/, uint32_t /*defaultPathType*/, uint32_t /*channels*/) {
  audio_.Open();
  // Unheard, the music is not made: no sound font is read, no synthesizer
  // started, and no tune plays.
  if (!audio_.audible()) return;
  synth_.Prepare();
  // Read in the background from the first yield on, once the game shows its
  // first frame: nothing is played before a battle starts.
  fontWanted_ = true;
}

void SdlMusic::SetMasterVolume(int32_t volume) {
  if (volume > 0 || volume < -10000) {
    Fail(ErrorKind::PlatformCall,
         "music volume " + std::to_string(volume) + " is outside -10000..0");
  }
  synth_.SetGain(TunePlayer::kFullGain * GainOfHundredthsDb(volume));
}

void SdlMusic::SetMasterTempo(float factor) {
  // The synthesizer plays a file at its own tempo only.
  if (factor != 1.0f) {
    Fail(ErrorKind::PlatformCall,
         "music tempo factor " + std::to_string(factor) + " is not supported (only 1)");
  }
}

void SdlMusic::SetMasterAutoDownload(bool /*on*/) {
  // The synthesizer loads every instrument it needs from the sound font.
}

void SdlMusic::AddNotificationType(uint32_t /*type*/) {
  // Segment ends are always reported to the notification handle.
}

SegmentRef SdlMusic::LoadSegment(const std::string& path) {
  audio_.Open();
  const std::string file = ToSlashes(path);
  return std::make_shared<SdlSegment>(file, synth_.Load(file));
}

void SdlMusic::PlaySegmentEx(const SegmentRef& segment, uint32_t /*flags*/, int64_t /*startTime*/) {
  auto tune = std::dynamic_pointer_cast<SdlSegment>(segment);
  if (!tune) Fail(ErrorKind::PlatformCall, "no music to play");
  if (!audio_.isOpen()) Fail(ErrorKind::PlatformCall, "music played after sound ended");
  if (!audio_.audible()) return;
  // The tune playing (if any) is replaced, which ends it.
  if (current_ && synth_.Sounding()) audio_.FlagMusicEnded();
  synth_.Play(tune->data(), tune->Path());
  current_ = std::move(tune);
}

void SdlMusic::StopEx(const SegmentRef& segment, int64_t /*stopTime*/, uint32_t /*flags*/) {
  if (!current_ || current_.get() != segment.get()) return;
  synth_.Stop();
  current_.reset();
  audio_.FlagMusicEnded();
}

double SdlMusic::Elapsed() const {
  const int64_t start = synth_.StartFrame();
  if (start < 0 || audio_.frequency() <= 0) return 0.0;
  const uint64_t frames = audio_.FramesMixed() - static_cast<uint64_t>(start);
  return double(frames) / audio_.frequency();
}

bool SdlMusic::Finished() const {
  return !synth_.Sounding() || Elapsed() >= current_->seconds() + kReleaseSeconds;
}

bool SdlMusic::IsPlaying(const SegmentRef& segment) {
  return current_ && current_.get() == segment.get() && !Finished();
}

int32_t SdlMusic::Update() {
  if (fontWanted_) synth_.StartOpening();
  synth_.FinishOpening();
  if (current_ && Finished()) {
    synth_.Stop();
    current_.reset();
    audio_.FlagMusicEnded();
  }
  if (!audio_.TakeMusicEnded() || event_ == 0) return 0;
  return event_;
}

}  // namespace sb::sdl
