// The two tunes: MIDI files the game's own reader accepts, of the right shape
// and length, that SDL2_mixer (FluidSynth, the game's soundfont) plays to an
// audible end.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <mutex>

#include "generated_files.h"
#include "platform/sdl/audio/midi_length.h"

namespace sbtest {
namespace {

struct Tune {
  const char* file;
  double shortest, longest;  // seconds
  double quietest_second;    // loudest sample of every whole second at least this
};

void PrintTo(const Tune& tune, std::ostream* os) {
  *os << tune.file;
}

const Tune kBattle{"Einswei.mid", 60, 120, 2000};
const Tune kDeath{"Frozenbuffalo.mid", 10, 20, 300};

double Seconds(const Tune& tune) {
  const std::vector<std::uint8_t> bytes = ReadFileBytes(ProgramDir() + "/" + tune.file);
  const sb::sdl::MidiLength length = sb::sdl::MeasureMidi(bytes);
  EXPECT_TRUE(length.ok) << tune.file << ": " << length.error;
  // Format 1, with a track for each of several instruments.
  EXPECT_GE(bytes.size(), 14u);
  if (bytes.size() >= 14) {
    EXPECT_EQ(bytes[8] << 8 | bytes[9], 1) << tune.file;
    EXPECT_GE(bytes[10] << 8 | bytes[11], 3) << tune.file;
  }
  return length.seconds;
}

TEST(Tunes, ParseWithTheRightLengths) {
  for (const Tune& tune : {kBattle, kDeath}) {
    const double seconds = Seconds(tune);
    EXPECT_GE(seconds, tune.shortest) << tune.file;
    EXPECT_LE(seconds, tune.longest) << tune.file;
  }
}

// Renders a tune through SDL2_mixer as fast as the disk driver goes and
// records the loudest sample of each second of output.
class MixerPlayback : public ::testing::TestWithParam<Tune> {
 protected:
  static constexpr int kRate = 44100;

  void SetUp() override {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
    setenv("SDL_DISKAUDIODELAY", "0", 1);
    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
    ASSERT_EQ(Mix_OpenAudio(kRate, AUDIO_S16LSB, 2, 2048), 0) << Mix_GetError();
    ASSERT_NE(Mix_SetSoundFonts(SB_SOUNDFONT), 0) << Mix_GetError();
  }
  void TearDown() override {
    Mix_CloseAudio();
    SDL_Quit();
  }

  static void PostMix(void* user, Uint8* stream, int len) {
    auto* self = static_cast<MixerPlayback*>(user);
    std::lock_guard<std::mutex> guard(self->lock_);
    // Rendering runs ahead of the test's polling, and silence is mixed after
    // the tune stops: note where the mixer first reports it finished.
    if (Mix_PlayingMusic()) {
      self->started_ = true;
    } else if (self->started_ && self->stoppedAt_ < 0) {
      self->stoppedAt_ = self->samples_;
    }
    const auto* s = reinterpret_cast<const Sint16*>(stream);
    for (int i = 0; i < len / 2; ++i) {
      const auto second = static_cast<std::size_t>(self->samples_ / 2 / kRate);
      if (second >= self->peaks_.size()) self->peaks_.push_back(0);
      self->peaks_[second] = std::max(self->peaks_[second], std::abs(static_cast<int>(s[i])));
      self->clipped_ += s[i] >= 32767 || s[i] <= -32767;
      ++self->samples_;
    }
  }

  std::mutex lock_;
  std::vector<int> peaks_;
  long samples_ = 0, clipped_ = 0, stoppedAt_ = -1;
  bool started_ = false;
};

TEST_P(MixerPlayback, SoundsThroughoutAndEndsOnTime) {
  const Tune& tune = GetParam();
  const double seconds = Seconds(tune);
  Mix_Music* music = Mix_LoadMUS((ProgramDir() + "/" + tune.file).c_str());
  ASSERT_NE(music, nullptr) << Mix_GetError();
  Mix_SetPostMix(PostMix, this);
  ASSERT_EQ(Mix_PlayMusic(music, 1), 0) << Mix_GetError();
  const Uint32 started = SDL_GetTicks();
  double played = 0;
  while (Mix_PlayingMusic() && played < seconds + 15 && SDL_GetTicks() - started < 90000) {
    SDL_Delay(5);
    std::lock_guard<std::mutex> guard(lock_);
    played = static_cast<double>(samples_) / 2 / kRate;
  }
  Mix_HaltMusic();
  Mix_SetPostMix(nullptr, nullptr);
  if (stoppedAt_ >= 0) played = static_cast<double>(stoppedAt_) / 2 / kRate;
  Mix_FreeMusic(music);
  // The tune silences itself at its end, so the mixer reports it finished
  // within FluidSynth's two-second grace and the game can restart it.
  EXPECT_GT(played, seconds - 1.0);
  EXPECT_LT(played, seconds + 6.0);
  EXPECT_LT(clipped_, samples_ / 2000) << "overdriven";
  const auto whole_seconds = static_cast<std::size_t>(seconds);
  ASSERT_GE(peaks_.size(), whole_seconds);
  for (std::size_t s = 0; s + 1 < whole_seconds; ++s) {
    EXPECT_GT(peaks_[s], tune.quietest_second) << "quiet at second " << s;
  }
}

INSTANTIATE_TEST_SUITE_P(Tunes, MixerPlayback, ::testing::Values(kBattle, kDeath),
                         [](const auto& p) { return p.index == 0 ? "Battle" : "Death"; });

}  // namespace
}  // namespace sbtest
