#include "platform/sdl/audio/sound_effects.h"

#include <cerrno>
#include <cmath>
#include <cstring>

#include "core/runtime_error.h"
#include "platform/sdl/system/background_priority.h"
#include "platform/sdl/system/float_status.h"
#include "platform/types.h"

namespace sb::sdl {

namespace {

constexpr int kEffectFrequency = 10000;
constexpr int32_t kMinFrequency = 100;
constexpr int32_t kMaxFrequency = 200000;
constexpr int32_t kSilence = -10000;  // hundredths of a decibel

}  // namespace

double GainOfHundredthsDb(int32_t hundredths) {
  if (hundredths <= kSilence) return 0.0;
  return std::pow(10.0, hundredths / 2000.0);
}

SdlSoundBuffer::SdlSoundBuffer(Mixer& audio, std::string path, Uint8* wave, Uint32 length,
                               const SDL_AudioSpec& spec, std::shared_ptr<const bool> background)
    : audio_(audio),
      alive_(audio.alive()),
      path_(std::move(path)),
      wave_(wave),
      waveLength_(length),
      spec_(spec),
      channel_(audio.AllocateChannel()),
      background_(std::move(background)) {
  Build(kEffectFrequency);
}

SdlSoundBuffer::~SdlSoundBuffer() {
  Discard();
  if (*alive_) audio_.FreeChannel(channel_);
  FreeChunk();
  SDL_FreeWAV(wave_);
}

void SdlSoundBuffer::FreeChunk() {
  if (chunk_ != nullptr && *alive_) Mix_FreeChunk(chunk_);
  chunk_ = nullptr;
  SDL_free(converted_);
  converted_ = nullptr;
}

void SdlSoundBuffer::Build(int frequency) {
  FloatStatusKeeper keep;
  Discard();
  if (*alive_ && Mix_Playing(channel_)) Mix_HaltChannel(channel_);
  FreeChunk();
  // The stored samples, read as if taken `frequency` times a second.
  SDL_AudioCVT cvt;
  if (SDL_BuildAudioCVT(&cvt, spec_.format, spec_.channels, frequency, audio_.format(),
                        static_cast<Uint8>(audio_.outputChannels()), audio_.frequency()) < 0) {
    FailWhile("preparing the sound " + path_, SDL_GetError());
  }
  cvt.len = static_cast<int>(waveLength_);
  cvt.buf = static_cast<Uint8*>(SDL_malloc(static_cast<size_t>(cvt.len) * cvt.len_mult + 1));
  if (cvt.buf == nullptr) FailWhile("preparing the sound " + path_, "out of memory");
  std::memcpy(cvt.buf, wave_, waveLength_);
  frequency_ = frequency;
  toConvert_ = cvt;
  if (*background_) StartConverting();
}

void SdlSoundBuffer::StartConverting() {
  if (!toConvert_) return;
  // Resampling takes a few milliseconds a sound; nothing waits for it until
  // the sound is played.
  converting_ = std::async(std::launch::async, [cvt = *toConvert_]() mutable {
    LowerThisThreadsPriority();
    if (SDL_ConvertAudio(&cvt) != 0) {
      SDL_free(cvt.buf);
      return Converted{};
    }
    return Converted{cvt.buf, static_cast<Uint32>(cvt.len_cvt)};
  });
  toConvert_.reset();
}

void SdlSoundBuffer::Finish() {
  StartConverting();
  if (!converting_.valid()) return;
  const Converted done = converting_.get();
  if (done.samples == nullptr) FailWhile("preparing the sound " + path_, "cannot convert it");
  converted_ = done.samples;
  // The mixer does not copy or free this buffer: it is freed with the chunk.
  chunk_ = Mix_QuickLoad_RAW(converted_, done.length);
  if (chunk_ == nullptr) {
    FailWhile("preparing the sound " + path_, Mix_GetError());
  }
  Mix_VolumeChunk(chunk_, volume_);
}

void SdlSoundBuffer::Discard() {
  if (toConvert_) SDL_free(toConvert_->buf);
  toConvert_.reset();
  if (converting_.valid()) SDL_free(converting_.get().samples);
}

void SdlSoundBuffer::Play(uint32_t flags) {
  if (!*alive_) Fail(ErrorKind::PlatformCall, "sound " + path_ + " played after sound ended");
  FloatStatusKeeper keep;
  if (Mix_Playing(channel_)) {
    if (Mix_Paused(channel_)) Mix_Resume(channel_);
    return;
  }
  Finish();
  const int loops = (flags & 1) ? -1 : 0;  // bit 0: loop
  if (Mix_PlayChannel(channel_, chunk_, loops) < 0) {
    FailWhile("playing the sound " + path_, Mix_GetError());
  }
  ApplyPan();
}

void SdlSoundBuffer::Stop() {
  if (!*alive_) return;
  if (Mix_Playing(channel_) && !Mix_Paused(channel_)) Mix_Pause(channel_);
}

void SdlSoundBuffer::SetVolume(int32_t hundredths) {
  if (hundredths > 0 || hundredths < kSilence) {
    Fail(ErrorKind::PlatformCall,
         "sound volume " + std::to_string(hundredths) + " for " + path_ + " is outside -10000..0");
  }
  volume_ = static_cast<int>(std::lround(MIX_MAX_VOLUME * GainOfHundredthsDb(hundredths)));
  if (chunk_ != nullptr && *alive_) Mix_VolumeChunk(chunk_, volume_);
}

void SdlSoundBuffer::SetPan(int32_t pan) {
  if (pan < kSilence || pan > -kSilence) {
    Fail(ErrorKind::PlatformCall,
         "sound pan " + std::to_string(pan) + " for " + path_ + " is outside -10000..10000");
  }
  pan_ = pan;
  if (*alive_ && Mix_Playing(channel_)) ApplyPan();
}

void SdlSoundBuffer::ApplyPan() {
  // Positive pan attenuates the left side, negative the right.
  const double left = pan_ > 0 ? GainOfHundredthsDb(-pan_) : 1.0;
  const double right = pan_ < 0 ? GainOfHundredthsDb(pan_) : 1.0;
  Mix_SetPanning(channel_, static_cast<Uint8>(std::lround(255 * left)),
                 static_cast<Uint8>(std::lround(255 * right)));
}

void SdlSoundBuffer::SetFrequency(int32_t samplesPerSecond) {
  const int32_t frequency = samplesPerSecond == 0 ? spec_.freq : samplesPerSecond;
  if (frequency < kMinFrequency || frequency > kMaxFrequency) {
    Fail(ErrorKind::PlatformCall, "sound frequency " + std::to_string(samplesPerSecond) + " for " +
                                      path_ + " is outside 100..200000");
  }
  if (frequency != frequency_) Build(frequency);
}

void SdlSoundOutput::SetCooperativeLevel(int32_t /*level*/) {
  audio_.Open();
}

SoundRef SdlSoundOutput::CreateSoundBufferFromFile(const std::string& path) {
  FloatStatusKeeper keep;
  audio_.Open();
  const std::string file = ToSlashes(path);
  SDL_AudioSpec spec;
  Uint8* wave = nullptr;
  Uint32 length = 0;
  errno = 0;
  SDL_RWops* in = SDL_RWFromFile(file.c_str(), "rb");
  if (in == nullptr) {
    const int error = errno;
    FailWhile("loading the sound " + file, error != 0 ? std::strerror(error) : SDL_GetError());
  }
  if (SDL_LoadWAV_RW(in, 1, &spec, &wave, &length) == nullptr) {
    FailWhile("loading the sound " + file, SDL_GetError());
  }
  std::shared_ptr<SdlSoundBuffer> buffer;
  try {
    buffer = std::make_shared<SdlSoundBuffer>(audio_, file, wave, length, spec, background_);
  } catch (...) {
    SDL_FreeWAV(wave);
    throw;
  }
  std::erase_if(buffers_, [](const auto& made) { return made.expired(); });
  buffers_.push_back(buffer);
  if (!*background_) waiting_.push_back(buffer);
  return buffer;
}

SdlSoundOutput::~SdlSoundOutput() {
  for (const std::weak_ptr<SdlSoundBuffer>& made : buffers_) {
    if (const auto buffer = made.lock()) buffer->WaitForConversion();
  }
}

void SdlSoundOutput::OpenBackground() {
  if (*background_) return;
  *background_ = true;
  for (const std::weak_ptr<SdlSoundBuffer>& waiting : waiting_) {
    if (const auto buffer = waiting.lock()) buffer->StartConverting();
  }
  waiting_.clear();
}

}  // namespace sb::sdl
