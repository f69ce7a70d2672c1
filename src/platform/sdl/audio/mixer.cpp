#include "platform/sdl/audio/mixer.h"

#include <cmath>
#include <cstring>
#include <iostream>

#include "core/runtime_error.h"
#include "platform/sdl/system/float_status.h"

namespace sb::sdl {

namespace {

constexpr int kFrequency = 44100;
constexpr int kChannels = 2;
constexpr int kChunkFrames = 1024;

}  // namespace

Mixer::Mixer(std::string soundFontPath, bool audible)
    : soundFont_(std::move(soundFontPath)), audible_(audible) {}

Mixer::~Mixer() {
  if (!*alive_) return;
  Mix_SetPostMix(nullptr, nullptr);
  Mix_HaltChannel(-1);
  *alive_ = false;
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool Mixer::TryOpen() {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  if (Mix_OpenAudioDevice(kFrequency, AUDIO_S16SYS, kChannels, kChunkFrames, nullptr, 0) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  return true;
}

void Mixer::Open() {
  if (*alive_) return;
  FloatStatusKeeper keep;
  if (!audible_) {
    silent_ = true;
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
  }
  if (!TryOpen()) {
    std::cerr << "spacebattle: warning: no sound device (" << SDL_GetError()
              << "); playing without sound" << std::endl;
    silent_ = true;
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (!TryOpen()) {
      FailWhile("starting the sound", SDL_GetError());
    }
  }
  int channels = 0;
  Mix_QuerySpec(&frequency_, &format_, &channels);
  channels_ = channels;
  frameBytes_ = channels_ * static_cast<int>(SDL_AUDIO_BITSIZE(format_) / 8);
  if (frameBytes_ <= 0) frameBytes_ = 1;
  Mix_AllocateChannels(0);
  Mix_MasterVolume(static_cast<int>(std::lround(MIX_MAX_VOLUME * kHeadroom)));
  *alive_ = true;
  Mix_SetPostMix(&Mixer::PostMix, this);
}

int Mixer::AllocateChannel() {
  Open();
  if (!freeChannels_.empty()) {
    const int channel = freeChannels_.back();
    freeChannels_.pop_back();
    return channel;
  }
  const int channel = channelCount_++;
  if (Mix_AllocateChannels(channelCount_) < channelCount_) {
    Fail(ErrorKind::PlatformCall, std::string("cannot add a sound channel: ") + Mix_GetError());
  }
  return channel;
}

void Mixer::FreeChannel(int channel) {
  if (*alive_) Mix_HaltChannel(channel);
  freeChannels_.push_back(channel);
}

void Mixer::PauseAll(bool paused) {
  if (paused == held()) return;
  if (*alive_) {
    if (paused) {
      heldChannels_.clear();
      for (int channel = 0; channel < channelCount_; ++channel) {
        if (Mix_Playing(channel) && !Mix_Paused(channel)) {
          Mix_Pause(channel);
          heldChannels_.push_back(channel);
        }
      }
    } else {
      for (const int channel : heldChannels_) Mix_Resume(channel);
      heldChannels_.clear();
    }
  }
  held_.store(paused, std::memory_order_release);
}

void Mixer::SetOutputTap(std::function<void(const Uint8*, int)> tap) {
  std::lock_guard<std::mutex> lock(tapMutex_);
  tap_ = std::move(tap);
}

void Mixer::PostMix(void* self, Uint8* stream, int length) {
  auto* audio = static_cast<Mixer*>(self);
  // The music's clock stands still while everything is held.
  if (!audio->held()) {
    audio->framesMixed_.fetch_add(static_cast<uint64_t>(length / audio->frameBytes_),
                                  std::memory_order_acq_rel);
  }
  const float gain = audio->masterGain();
  if (gain <= 0.0f) {
    std::memset(stream, 0, static_cast<size_t>(length));
  } else if (gain < 1.0f && audio->format_ == AUDIO_S16SYS) {
    auto* samples = reinterpret_cast<Sint16*>(stream);
    const size_t count = static_cast<size_t>(length) / sizeof(Sint16);
    for (size_t i = 0; i < count; ++i) {
      samples[i] = static_cast<Sint16>(std::lround(samples[i] * gain));
    }
  }
  std::lock_guard<std::mutex> lock(audio->tapMutex_);
  if (audio->tap_) audio->tap_(stream, length);
}

}  // namespace sb::sdl
