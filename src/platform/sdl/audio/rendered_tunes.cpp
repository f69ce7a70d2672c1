#include "platform/sdl/audio/rendered_tunes.h"

#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "core/runtime_error.h"
#include "platform/sdl/system/file_faults.h"
#include "platform/sdl/system/float_status.h"

namespace sb::sdl {

namespace {

constexpr int kChannels = 2;
constexpr int kFrameBytes = 4;  // two 16-bit samples

}  // namespace

RenderedTunePlayer::~RenderedTunePlayer() {
  if (hooked_ && *audio_.alive()) Mix_HookMusic(nullptr, nullptr);
}

std::string RenderedTunePlayer::RenderingOf(const std::string& midiPath) {
  const size_t slash = midiPath.find_last_of("/\\");
  const size_t dot = midiPath.find_last_of('.');
  const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return (hasExtension ? midiPath.substr(0, dot) : midiPath) + ".wav";
}

LoadedTune RenderedTunePlayer::Load(const std::string& path) {
  const std::string file = RenderingOf(path);
  const std::string fault = OpenFault(file);
  if (!fault.empty()) FailWhile("loading the tune " + file, fault);
  FloatStatusKeeper keep;
  SDL_AudioSpec spec{};
  Uint8* samples = nullptr;
  Uint32 length = 0;
  if (SDL_LoadWAV(file.c_str(), &spec, &samples, &length) == nullptr) {
    FailWhile("loading the tune " + file, SDL_GetError());
  }
  auto data = std::make_shared<std::vector<uint8_t>>(samples, samples + length);
  SDL_FreeWAV(samples);
  if (spec.format != AUDIO_S16SYS || spec.channels != kChannels ||
      spec.freq != audio_.frequency() || audio_.format() != AUDIO_S16SYS ||
      audio_.outputChannels() != kChannels) {
    Fail(ErrorKind::PlatformCall, "cannot load music " + file + ": not 16-bit stereo at " +
                                      std::to_string(audio_.frequency()) + " Hz");
  }
  data->resize(data->size() / kFrameBytes * kFrameBytes);
  // The rendering includes the ring of the last note that the synthesizer's
  // player would let sound before ending the tune.
  const double seconds = double(data->size() / kFrameBytes) / spec.freq;
  return LoadedTune{std::move(data), seconds};
}

void RenderedTunePlayer::Play(const TuneData& tune, const std::string& path) {
  if (!tune) Fail(ErrorKind::PlatformCall, "cannot play music " + path);
  if (!hooked_) {
    FloatStatusKeeper keep;
    Mix_HookMusic(&RenderedTunePlayer::Render, this);
    hooked_ = true;
  }
  std::lock_guard<std::mutex> lock(mutex_);
  tune_ = tune;
  position_ = 0;
  startFrame_.store(-1, std::memory_order_release);
  sounding_.store(true, std::memory_order_release);
}

void RenderedTunePlayer::Stop() {
  std::lock_guard<std::mutex> lock(mutex_);
  tune_.reset();
  sounding_.store(false, std::memory_order_release);
}

void RenderedTunePlayer::SetGain(double gain) {
  std::lock_guard<std::mutex> lock(mutex_);
  scale_ = gain / kFullGain;
}

void RenderedTunePlayer::Render(void* self, Uint8* stream, int length) {
  auto* player = static_cast<RenderedTunePlayer*>(self);
  std::lock_guard<std::mutex> lock(player->mutex_);
  const auto bytes = static_cast<size_t>(length);
  if (!player->Sounding() || !player->tune_) {
    std::memset(stream, 0, bytes);
    return;
  }
  // This buffer is counted as mixed only after it is rendered.
  if (player->StartFrame() < 0) {
    player->startFrame_.store(static_cast<int64_t>(player->audio_.FramesMixed()),
                              std::memory_order_release);
  }
  const std::vector<uint8_t>& tune = *player->tune_;
  const size_t take = std::min(bytes, tune.size() - player->position_);
  const uint8_t* from = tune.data() + player->position_;
  if (player->scale_ == 1.0) {
    std::memcpy(stream, from, take);
  } else {
    for (size_t i = 0; i + 1 < take; i += 2) {
      int16_t sample = 0;
      std::memcpy(&sample, from + i, 2);
      sample = static_cast<int16_t>(std::lround(sample * player->scale_));
      std::memcpy(stream + i, &sample, 2);
    }
  }
  std::memset(stream + take, 0, bytes - take);
  player->position_ += take;
  if (player->position_ >= tune.size()) player->sounding_.store(false, std::memory_order_release);
}

}  // namespace sb::sdl
