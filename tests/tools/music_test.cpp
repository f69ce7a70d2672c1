// The two tunes: well-formed MIDI files of the right shape and length that
// SDL2_mixer (FluidSynth, the game's soundfont) plays to an audible end.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <mutex>

#include "midi_reader.h"
#include "picture_loader.h"

namespace sbtest {
namespace {

MidiSong Read(const std::string& name) {
  MidiSong song;
  std::string error;
  EXPECT_TRUE(ReadMidi(ReadFileBytes(ProgramDir() + "/" + name), &song, &error))
      << name << ": " << error;
  return song;
}

void ExpectCleanStructure(const MidiSong& song) {
  EXPECT_EQ(song.format, 1);
  EXPECT_GE(song.track_count, 3);
  EXPECT_EQ(song.hanging_notes, 0);
  EXPECT_EQ(song.stray_note_offs, 0);
  // Every track ends together, so the tune stops on one clean tick.
  for (std::uint32_t end : song.track_end_ticks) EXPECT_EQ(end, song.track_end_ticks.front());
  // Nothing sounds past the end.
  for (const MidiNote& n : song.notes) EXPECT_LE(n.end, song.duration + 1e-9);
}

TEST(BattleTune, DrivingTuneWithDrumsBassHarmonyAndLead) {
  MidiSong song = Read("Einswei.mid");
  ExpectCleanStructure(song);
  EXPECT_GE(song.duration, 60.0);
  EXPECT_LE(song.duration, 120.0);
  EXPECT_TRUE(song.note_channels.count(9)) << "no drums on channel 10";
  EXPECT_GE(song.note_channels.size(), 5u);
  // Drums, a low bass part and a high melody part.
  int low_channel_notes = 0, high_notes = 0, drum_notes = 0;
  for (const MidiNote& n : song.notes) {
    if (n.channel == 9)
      ++drum_notes;
    else if (n.key < 48)
      ++low_channel_notes;
    else if (n.key >= 67)
      ++high_notes;
  }
  EXPECT_GT(drum_notes, 300);
  EXPECT_GT(low_channel_notes, 100);
  EXPECT_GT(high_notes, 50);
  // Driving: plenty of notes every bar, and none of the channels silent for long.
  EXPECT_GT(song.notes.size() / song.duration, 10.0);
  // The last notes reach the end: the tune ends on its final chord, not in silence.
  double last_end = 0;
  for (const MidiNote& n : song.notes) last_end = std::max(last_end, n.end);
  EXPECT_GT(last_end, song.duration - 0.5);
}

TEST(DeathTune, ShortSlowAndSoft) {
  MidiSong song = Read("Frozenbuffalo.mid");
  ExpectCleanStructure(song);
  EXPECT_GE(song.duration, 10.0);
  EXPECT_LE(song.duration, 20.0);
  EXPECT_GE(song.note_channels.size(), 3u);
  EXPECT_FALSE(song.note_channels.count(9)) << "a sad tune without drums";
  EXPECT_LT(song.notes.size() / song.duration, 8.0);
  for (const MidiNote& n : song.notes) EXPECT_LE(n.velocity, 100);
}

// Renders a tune through SDL2_mixer as fast as the disk driver goes and
// records the loudness of each second of output.
class MixerPlayback : public ::testing::Test {
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

  struct Capture {
    std::mutex lock;
    std::vector<double> second_peak;  // loudest sample of each second of output
    long frames = 0;
    long clipped = 0;  // samples at full scale
  };

  static void PostMix(void* user, Uint8* stream, int len) {
    auto* cap = static_cast<Capture*>(user);
    std::lock_guard<std::mutex> guard(cap->lock);
    const auto* s = reinterpret_cast<const Sint16*>(stream);
    for (int i = 0; i < len / 4; ++i, ++cap->frames) {
      auto second = static_cast<std::size_t>(cap->frames / kRate);
      if (second >= cap->second_peak.size()) cap->second_peak.push_back(0.0);
      double v =
          std::max(std::abs(static_cast<int>(s[2 * i])), std::abs(static_cast<int>(s[2 * i + 1])));
      cap->second_peak[second] = std::max(cap->second_peak[second], v);
      if (v >= 32767) ++cap->clipped;
    }
  }

  // Plays the file once; returns seconds of output until the mixer reported
  // the music finished (or the limit).
  double Play(const std::string& name, double limit_seconds) {
    Mix_Music* music = Mix_LoadMUS((ProgramDir() + "/" + name).c_str());
    EXPECT_NE(music, nullptr) << Mix_GetError();
    if (music == nullptr) return 0.0;
    Mix_SetPostMix(PostMix, &capture_);
    EXPECT_EQ(Mix_PlayMusic(music, 1), 0) << Mix_GetError();
    Uint32 started = SDL_GetTicks();
    double rendered = 0.0;
    while (true) {
      SDL_Delay(5);
      {
        std::lock_guard<std::mutex> guard(capture_.lock);
        rendered = static_cast<double>(capture_.frames) / kRate;
      }
      if (!Mix_PlayingMusic() || rendered > limit_seconds) break;
      if (SDL_GetTicks() - started > 90000) {
        ADD_FAILURE() << "rendering took too long";
        break;
      }
    }
    Mix_HaltMusic();
    Mix_SetPostMix(nullptr, nullptr);
    Mix_FreeMusic(music);
    return rendered;
  }

  Capture capture_;
};

TEST_F(MixerPlayback, BattleTuneSoundsThroughoutAndEnds) {
  MidiSong song = Read("Einswei.mid");
  double played = Play("Einswei.mid", song.duration + 15.0);
  // The tune silences itself at its end, so the mixer reports it finished
  // within FluidSynth's two-second grace and the game can restart it.
  EXPECT_GT(played, song.duration - 1.0);
  EXPECT_LT(played, song.duration + 6.0);
  // Loud but not overdriven.
  EXPECT_LT(capture_.clipped, capture_.frames / 2000);
  auto whole_seconds = static_cast<std::size_t>(song.duration);
  ASSERT_GE(capture_.second_peak.size(), whole_seconds);
  for (std::size_t s = 0; s < whole_seconds; ++s) {
    EXPECT_GT(capture_.second_peak[s], 2000.0) << "quiet at second " << s;
  }
}

TEST_F(MixerPlayback, DeathTuneIsAudibleAndEnds) {
  MidiSong song = Read("Frozenbuffalo.mid");
  double played = Play("Frozenbuffalo.mid", song.duration + 15.0);
  EXPECT_GT(played, song.duration - 1.0);
  EXPECT_LT(played, song.duration + 6.0);
  EXPECT_LT(capture_.clipped, capture_.frames / 2000);
  double loudest = 0;
  for (double p : capture_.second_peak) loudest = std::max(loudest, p);
  EXPECT_GT(loudest, 2000.0);
  for (std::size_t s = 0; s + 1 < static_cast<std::size_t>(song.duration); ++s) {
    EXPECT_GT(capture_.second_peak[s], 300.0) << "silent at second " << s;
  }
}

}  // namespace
}  // namespace sbtest
