// The sound effects, read back with SDL_LoadWAV as the game reads them.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "generated_files.h"

namespace sbtest {
namespace {

struct Sound {
  SDL_AudioSpec audio{};
  std::vector<std::int16_t> samples;
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
  const std::string path = ProgramDir() + "/sfx/" + name;
  if (SDL_LoadWAV(path.c_str(), &s.audio, &buffer, &length) == nullptr) {
    ADD_FAILURE() << path << ": " << SDL_GetError();
    return s;
  }
  s.samples.resize(length / 2);
  SDL_memcpy(s.samples.data(), buffer, length & ~1u);
  SDL_FreeWAV(buffer);
  return s;
}

TEST(SoundEffects, TenThousandHzMonoAudibleAndOfTheRightLength) {
  // Shortest and longest in seconds: the engine hum loops once a second.
  const std::map<std::string, std::pair<double, double>> lengths = {{"fly.wav", {0.9, 1.1}},
                                                                    {"fire.wav", {0.05, 0.3}},
                                                                    {"shieldhit.wav", {0.15, 1.0}},
                                                                    {"hphit.wav", {0.15, 1.0}}};
  for (const std::string& name : kSounds) {
    SCOPED_TRACE(name);
    const Sound s = Load(name);
    EXPECT_EQ(s.audio.freq, 10000);
    EXPECT_EQ(s.audio.channels, 1);
    EXPECT_EQ(s.audio.format, AUDIO_S16LSB);
    ASSERT_GT(s.samples.size(), 100u);
    const double seconds = static_cast<double>(s.samples.size()) / 10000;
    EXPECT_GE(seconds, lengths.at(name).first);
    EXPECT_LE(seconds, lengths.at(name).second);
    // Clearly audible, with headroom (no hard clipping).
    EXPECT_GT(s.Rms(0, s.samples.size()), 1500.0);
    int peak = 0;
    for (std::int16_t v : s.samples) peak = std::max(peak, std::abs(static_cast<int>(v)));
    EXPECT_LT(peak, 32000);
  }
}

// The engine hum loops while the player thrusts: the jump from the last
// sample back to the first must be no bigger than ordinary steps inside it.
TEST(SoundEffects, EngineHumLoopsWithoutAClick) {
  const Sound s = Load("fly.wav");
  ASSERT_GT(s.samples.size(), 100u);
  double typical = 0;
  for (std::size_t i = 1; i < s.samples.size(); ++i) {
    typical += std::abs(s.samples[i] - s.samples[i - 1]);
  }
  typical /= static_cast<double>(s.samples.size() - 1);
  EXPECT_LT(std::abs(s.samples.front() - s.samples.back()), 3.0 * typical + 50);
}

}  // namespace
}  // namespace sbtest
