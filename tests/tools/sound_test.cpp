// The sound effects, read back with SDL_LoadWAV as the game reads them, and
// the two tunes, measured with the game's own MIDI reader (how they sound as
// the game plays them is measured in tests/platform/sdl/audio).
#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "generated_files.h"
#include "platform/sdl/audio/midi_length.h"

namespace sbtest {
namespace {

std::vector<std::int16_t> LoadSamples(const std::string& name, SDL_AudioSpec& audio) {
  Uint8* buffer = nullptr;
  Uint32 length = 0;
  const std::string path = ProgramDir() + "/sfx/" + name;
  if (SDL_LoadWAV(path.c_str(), &audio, &buffer, &length) == nullptr) {
    ADD_FAILURE() << path << ": " << SDL_GetError();
    return {};
  }
  std::vector<std::int16_t> samples(length / 2);
  SDL_memcpy(samples.data(), buffer, length & ~1u);
  SDL_FreeWAV(buffer);
  return samples;
}

TEST(SoundEffects, TenThousandHzMonoAudibleOfTheRightLengthAndTheHumLoopsWithoutAClick) {
  // Shortest and longest in seconds: the engine hum loops once a second.
  const std::map<std::string, std::pair<double, double>> lengths = {{"fly.wav", {0.9, 1.1}},
                                                                    {"fire.wav", {0.05, 0.3}},
                                                                    {"shieldhit.wav", {0.15, 1.0}},
                                                                    {"hphit.wav", {0.15, 1.0}}};
  for (const std::string& name : kSounds) {
    SCOPED_TRACE(name);
    SDL_AudioSpec audio{};
    const std::vector<std::int16_t> s = LoadSamples(name, audio);
    EXPECT_EQ(audio.freq, 10000);
    EXPECT_EQ(audio.channels, 1);
    EXPECT_EQ(audio.format, AUDIO_S16LSB);
    ASSERT_GT(s.size(), 100u);
    const double seconds = static_cast<double>(s.size()) / 10000;
    EXPECT_GE(seconds, lengths.at(name).first);
    EXPECT_LE(seconds, lengths.at(name).second);
    // Clearly audible, with headroom (no hard clipping).
    double sum = 0, steps = 0;
    int peak = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
      sum += static_cast<double>(s[i]) * s[i];
      peak = std::max(peak, std::abs(static_cast<int>(s[i])));
      if (i > 0) steps += std::abs(s[i] - s[i - 1]);
    }
    EXPECT_GT(std::sqrt(sum / static_cast<double>(s.size())), 1500.0);
    EXPECT_LT(peak, 32000);
    // The hum loops while the player thrusts: the jump from the last sample
    // back to the first is no bigger than ordinary steps inside it.
    const double typical = steps / static_cast<double>(s.size() - 1);
    EXPECT_TRUE(name != "fly.wav" || std::abs(s.front() - s.back()) < 3.0 * typical + 50);
  }
}

TEST(Tunes, ParseWithTheRightLengths) {
  const struct {
    const char* file;
    double shortest, longest;  // seconds
  } tunes[] = {{"Einswei.mid", 60, 120}, {"Frozenbuffalo.mid", 10, 20}};
  for (const auto& tune : tunes) {
    SCOPED_TRACE(tune.file);
    const std::vector<std::uint8_t> bytes = ReadFileBytes(ProgramDir() + "/" + tune.file);
    const sb::sdl::MidiLength length = sb::sdl::MeasureMidi(bytes);
    ASSERT_TRUE(length.ok) << length.error;
    EXPECT_GE(length.seconds, tune.shortest);
    EXPECT_LE(length.seconds, tune.longest);
  }
}

}  // namespace
}  // namespace sbtest
