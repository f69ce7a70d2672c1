// The sound effects, read back with SDL_LoadWAV as the game reads them.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "expected_files.h"
#include "picture_loader.h"

namespace sbtest {
namespace {

struct Sound {
  SDL_AudioSpec spec{};
  std::vector<std::int16_t> samples;
  double Seconds() const { return static_cast<double>(samples.size()) / spec.freq; }
  double Rms(std::size_t from, std::size_t to) const {
    double sum = 0;
    for (std::size_t i = from; i < to; ++i) sum += static_cast<double>(samples[i]) * samples[i];
    return std::sqrt(sum / static_cast<double>(to - from));
  }
};

Sound Load(const std::string& name) {
  Sound s;
  Uint8* buffer = nullptr;
  Uint32 length = 0;
  std::string path = ProgramDir() + "/sfx/" + name;
  if (SDL_LoadWAV(path.c_str(), &s.spec, &buffer, &length) == nullptr) {
    ADD_FAILURE() << path << ": " << SDL_GetError();
    return s;
  }
  s.samples.resize(length / 2);
  SDL_memcpy(s.samples.data(), buffer, length & ~1u);
  SDL_FreeWAV(buffer);
  return s;
}

TEST(SoundEffects, TenThousandHzMono16BitAndAudible) {
  for (const std::string& name : kSounds) {
    SCOPED_TRACE(name);
    Sound s = Load(name);
    EXPECT_EQ(s.spec.freq, 10000);
    EXPECT_EQ(s.spec.channels, 1);
    EXPECT_EQ(s.spec.format, AUDIO_S16LSB);
    ASSERT_FALSE(s.samples.empty());
    // Clearly audible, and with headroom (no hard clipping).
    EXPECT_GT(s.Rms(0, s.samples.size()), 1500.0);
    int peak = 0;
    for (std::int16_t v : s.samples) peak = std::max(peak, std::abs(static_cast<int>(v)));
    EXPECT_LT(peak, 32000);
  }
}

TEST(SoundEffects, LengthsSuitTheirUse) {
  EXPECT_NEAR(Load("fly.wav").Seconds(), 1.0, 0.1);
  double fire = Load("fire.wav").Seconds();
  EXPECT_GT(fire, 0.05);
  EXPECT_LT(fire, 0.3);
  for (const char* hit : {"shieldhit.wav", "hphit.wav"}) {
    double t = Load(hit).Seconds();
    EXPECT_GT(t, 0.15) << hit;
    EXPECT_LT(t, 1.0) << hit;
  }
}

// Hits and shots die away rather than stopping dead.
TEST(SoundEffects, OneShotsDecayToSilence) {
  for (const char* name : {"fire.wav", "shieldhit.wav", "hphit.wav"}) {
    SCOPED_TRACE(name);
    Sound s = Load(name);
    std::size_t n = s.samples.size(), tenth = n / 10;
    EXPECT_GT(s.Rms(0, tenth * 2), 4.0 * s.Rms(n - tenth, n));
    EXPECT_LT(std::abs(s.samples.back()), 200);
  }
}

// The engine hum loops while the player thrusts: the jump from the last
// sample back to the first must be no bigger than ordinary steps inside it.
TEST(SoundEffects, EngineHumLoopsWithoutAClick) {
  Sound s = Load("fly.wav");
  ASSERT_GT(s.samples.size(), 100u);
  double typical = 0;
  for (std::size_t i = 1; i < s.samples.size(); ++i) {
    typical += std::abs(s.samples[i] - s.samples[i - 1]);
  }
  typical /= static_cast<double>(s.samples.size() - 1);
  double seam = std::abs(s.samples.front() - s.samples.back());
  EXPECT_LT(seam, 3.0 * typical + 50);
  // Loud all the way through: no fade at either end.
  std::size_t n = s.samples.size(), tenth = n / 10;
  EXPECT_GT(s.Rms(0, tenth), 0.5 * s.Rms(0, n));
  EXPECT_GT(s.Rms(n - tenth, n), 0.5 * s.Rms(0, n));
}

}  // namespace
}  // namespace sbtest
