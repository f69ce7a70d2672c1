// Sound effects.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace sb {

class SoundBuffer {
 public:
  virtual ~SoundBuffer() = default;
  virtual void Play(uint32_t flags) = 0;  // flags 0: once, not looping
  virtual void Stop() = 0;
  virtual void SetVolume(int32_t hundredthsOfDecibel) = 0;  // 0 = full, negative = quieter
  virtual void SetPan(int32_t pan) = 0;                     // 0 = centre
  virtual void SetFrequency(int32_t samplesPerSecond) = 0;
};
using SoundRef = std::shared_ptr<SoundBuffer>;

constexpr int32_t kCooperativeNormal = 1;  // SoundOutput::SetCooperativeLevel

class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  virtual void SetCooperativeLevel(int32_t level) = 0;
  // A buffer holding a wave file; a missing file is a failed platform call.
  virtual SoundRef CreateSoundBufferFromFile(const std::string& path) = 0;
};

}  // namespace sb
