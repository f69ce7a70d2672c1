#include "platform/sdl/sdl_music.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "core/runtime_error.h"
#include "platform/sdl/file_faults.h"
#include "platform/sdl/float_status.h"
#include "platform/sdl/midi_length.h"
#include "platform/sdl/sdl_sound.h"
#include "platform/types.h"

namespace sb::sdl {

SdlSegment::SdlSegment(std::string path, Mix_Music* music, double seconds,
                       std::shared_ptr<bool> alive)
    : path_(std::move(path)), music_(music), seconds_(seconds), alive_(std::move(alive)) {}

SdlSegment::~SdlSegment() {
  if (*alive_) Mix_FreeMusic(music_);
}

void SdlMusic::InitAudio(uint32_t /*flags*/, uint32_t /*defaultPathType*/, uint32_t /*channels*/) {
  audio_.Open();
  // A damaged sound font plays silence without a word from the synthesizer:
  // it ends the game like a missing one.
  const std::string fault = SoundFontFault(audio_.soundFont());
  if (!fault.empty()) {
    Fail(ErrorKind::PlatformCall, "cannot load sound font " + audio_.soundFont() + ": " + fault);
  }
}

void SdlMusic::SetMasterVolume(int32_t volume) {
  if (volume > 0 || volume < -10000) {
    Fail(ErrorKind::PlatformCall,
         "music volume " + std::to_string(volume) + " is outside -10000..0");
  }
  audio_.Open();
  Mix_VolumeMusic(static_cast<int>(std::lround(MIX_MAX_VOLUME * GainOfHundredthsDb(volume))));
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
  const std::string fault = OpenFault(file);
  if (!fault.empty()) Fail(ErrorKind::PlatformCall, "cannot load music " + file + ": " + fault);
  std::ifstream in(file, std::ios::binary);
  if (!in) Fail(ErrorKind::PlatformCall, "cannot load music " + file + ": " + std::strerror(errno));
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
  const MidiLength length = MeasureMidi(bytes);
  if (!length.ok) Fail(ErrorKind::PlatformCall, "cannot load music " + file + ": " + length.error);
  FloatStatusKeeper keep;
  Mix_Music* music = Mix_LoadMUS(file.c_str());
  if (music == nullptr) {
    Fail(ErrorKind::PlatformCall, "cannot load music " + file + ": " + Mix_GetError());
  }
  return std::make_shared<SdlSegment>(file, music, length.seconds, audio_.alive());
}

void SdlMusic::PlaySegmentEx(const SegmentRef& segment, uint32_t /*flags*/, int64_t /*startTime*/) {
  auto tune = std::dynamic_pointer_cast<SdlSegment>(segment);
  if (!tune) Fail(ErrorKind::PlatformCall, "no music to play");
  if (!audio_.isOpen()) Fail(ErrorKind::PlatformCall, "music played after sound ended");
  FloatStatusKeeper keep;
  // The tune playing (if any) is replaced, which ends it.
  if (current_ && Mix_PlayingMusic()) audio_.FlagMusicEnded();
  startFrame_ = audio_.FramesMixed();
  const int rc = Mix_PlayMusic(tune->music(), 1);
  if (rc != 0)
    Fail(ErrorKind::PlatformCall, "cannot play music " + tune->Path() + ": " + Mix_GetError());
  current_ = std::move(tune);
}

void SdlMusic::StopEx(const SegmentRef& segment, int64_t /*stopTime*/, uint32_t /*flags*/) {
  if (!current_ || current_.get() != segment.get()) return;
  FloatStatusKeeper keep;
  Mix_HaltMusic();
  current_.reset();
  audio_.FlagMusicEnded();
}

double SdlMusic::Elapsed() const {
  const uint64_t frames = audio_.FramesMixed() - startFrame_;
  return audio_.frequency() > 0 ? double(frames) / audio_.frequency() : 0.0;
}

bool SdlMusic::Finished() const {
  return !Mix_PlayingMusic() || Elapsed() >= current_->seconds() + kReleaseSeconds;
}

bool SdlMusic::IsPlaying(const SegmentRef& segment) {
  return current_ && current_.get() == segment.get() && !Finished();
}

int32_t SdlMusic::Update() {
  if (current_ && Finished()) {
    FloatStatusKeeper keep;
    if (Mix_PlayingMusic()) Mix_HaltMusic();
    current_.reset();
    audio_.FlagMusicEnded();
  }
  if (!audio_.TakeMusicEnded() || event_ == 0) return 0;
  return event_;
}

}  // namespace sb::sdl
