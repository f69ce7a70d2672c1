// Sound effects and music on the real mixer (disk driver, faster than real
// time), heard through a tap on its output and timed in mixed samples.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <iostream>

#include "sdl_test_support.h"

namespace sb::sdltest {
namespace {

constexpr int kOutputRate = 44100;

// Seconds from the first to the last frame with a sample louder than 2000.
double SoundingSeconds(const std::vector<int16_t>& samples) {
  int64_t first = -1, last = -1;
  for (size_t i = 0; i < samples.size(); ++i) {
    if (std::abs(samples[i]) <= 2000) continue;
    if (first < 0) first = static_cast<int64_t>(i / 2);
    last = static_cast<int64_t>(i / 2);
  }
  return first < 0 ? 0 : double(last - first + 1) / kOutputRate;
}

// A square wave of +-amplitude, 100 samples a period.
std::vector<int16_t> Square(int samples, int16_t amplitude) {
  std::vector<int16_t> wave(static_cast<size_t>(samples));
  for (int i = 0; i < samples; ++i) wave[i] = (i / 50) % 2 ? amplitude : -amplitude;
  return wave;
}

// Half a second: one note from tick 0 to 480 at 120 beats a minute, 480
// ticks a quarter.
void WriteHalfSecondTune(const std::string& path) {
  WriteFile(path,
            MidiFile(0, 480, {{0x00, 0xC0, 0x00, 0x00, 0x90, 60, 110, 0x83, 0x60, 0x80, 60, 0}}));
}

class AudioTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UseDiskAudio("2");
    platform_ = MakePlatform(folder_.path().string());
  }

  // The half-second tune, loaded through a Windows path, with notification 9
  // at its end.
  SegmentRef HalfSecondTune() {
    WriteHalfSecondTune(folder_.File("tune.mid"));
    platform_->music().InitAudio(63, 7, 128);
    platform_->music().SetNotificationHandle(9);
    return platform_->music().LoadSegment(folder_.path().string() + "\\tune.mid");
  }

  // Plays the effect, stored at `rate`, once at the game's 10000 Hz to its end.
  void PlayEffect(int rate, const std::vector<int16_t>& wave, int32_t volume = 0) {
    platform_->sound().SetCooperativeLevel(1);
    WriteWav(folder_.File("fire.wav"), rate, wave);
    const SoundRef sound =
        platform_->sound().CreateSoundBufferFromFile(folder_.path().string() + "\\fire.wav");
    sound->SetFrequency(10000);
    sound->SetVolume(volume);
    sound->Play(0);
    const int channel = dynamic_cast<sdl::SdlSoundBuffer&>(*sound).channel();
    ASSERT_TRUE(WaitFor([&] { return Mix_Playing(channel) == 0; }));
    // Beyond the device's range is a failed call.
    EXPECT_NE(FailureOf([&] { sound->SetVolume(100); }), "");
  }

  ScratchFolder folder_;
  std::unique_ptr<sdl::SdlPlatform> platform_;
};

TEST_F(AudioTest, EffectsPlayAtTenThousandSamplesASecondScaledByVolumeAndMasterGain) {
  // Volume in hundredths of a decibel (-6 dB is about half the amplitude).
  const struct {
    int32_t volume;
    float gain;
  } cases[] = {{0, 1}, {-600, 1}, {0, 0.25f}, {0, 0}};
  int peaks[4];
  for (int i = 0; i < 4; ++i) {
    platform_->soundControl().SetMasterGain(cases[i].gain);
    OutputTap tap(platform_->audio());
    PlayEffect(22050, Square(22050, 16000), cases[i].volume);
    const std::vector<int16_t> played = tap.Taken().samples;
    peaks[i] = Peak(played);
    // One second as stored at 22050 samples a second lasts 2.205 s at 10000.
    if (i == 0) {
      EXPECT_NEAR(SoundingSeconds(played), 2.205, 0.02);
    }
  }
  // At full volume an effect plays at the output's level, below full scale
  // (the resampled square overshoots its amplitude a little).
  EXPECT_GT(peaks[0], 12000 * sdl::Mixer::kHeadroom);
  EXPECT_LT(peaks[0], 16000 * 1.3 * sdl::Mixer::kHeadroom);
  EXPECT_NEAR(double(peaks[1]) / peaks[0], std::pow(10.0, -600 / 2000.0), 0.03);
  EXPECT_NEAR(double(peaks[2]) / peaks[0], 0.25, 0.01);
  EXPECT_EQ(peaks[3], 0);
  for (float bad : {-0.1f, 1.5f, std::nanf("")}) {
    EXPECT_NE(FailureOf([&] { platform_->soundControl().SetMasterGain(bad); }), "") << bad;
  }
}

TEST_F(AudioTest, PauseHoldsEffectsWhereTheyAreAndLeavesStoppedOnesStopped) {
  platform_->sound().SetCooperativeLevel(1);
  // Ten seconds each, so that neither ends before the pause on a slow run
  // (the disk driver plays some twenty times faster than real time).
  WriteWav(folder_.File("fire.wav"), 10000, Square(100000, 16000));
  // Quiet enough to count as loud neither alone nor, in any phase, by
  // taking from the other.
  WriteWav(folder_.File("fly.wav"), 10000, Square(100000, 4000));
  const SoundRef fire = platform_->sound().CreateSoundBufferFromFile(folder_.File("fire.wav"));
  const SoundRef fly = platform_->sound().CreateSoundBufferFromFile(folder_.File("fly.wav"));
  const int fireChannel = dynamic_cast<sdl::SdlSoundBuffer&>(*fire).channel();
  const int flyChannel = dynamic_cast<sdl::SdlSoundBuffer&>(*fly).channel();
  OutputTap tap(platform_->audio());
  const auto loud = [&] { return tap.Taken().LoudFrames(2000); };
  const auto frames = [&] { return tap.Taken().samples.size() / 2; };
  fire->Play(0);
  fly->Play(0);
  ASSERT_TRUE(WaitFor([&] { return loud() > kOutputRate / 4; }));
  fly->Stop();  // the game's own stop: paused where it is
  platform_->soundControl().PauseAll(true);
  EXPECT_TRUE(Mix_Paused(fireChannel));
  // A second of output passes in silence.
  const int64_t loudBefore = loud();
  const size_t framesBefore = frames();
  ASSERT_TRUE(WaitFor([&] { return frames() > framesBefore + kOutputRate; }));
  EXPECT_LE(loud(), loudBefore + 2048);  // at most the buffer in flight
  platform_->soundControl().PauseAll(false);
  ASSERT_TRUE(WaitFor([&] { return Mix_Playing(fireChannel) == 0; }));
  // The effect went on where it was: ten seconds in all, not more.
  EXPECT_NEAR(double(loud()) / kOutputRate, 10.0, 0.1);
  EXPECT_TRUE(Mix_Playing(flyChannel) && Mix_Paused(flyChannel)) << "a stopped effect resumed";
}

TEST_F(AudioTest, ATuneSoundsPausesWithItsClockAndItsEndReachesTheGameOnceAtAYield) {
  const SegmentRef tune = HalfSecondTune();
  Music& music = platform_->music();
  const std::string missing = FailureOf([&] { music.LoadSegment(folder_.File("x.mid")); });
  EXPECT_NE(missing.find(folder_.File("x.mid")), std::string::npos) << missing;
  EXPECT_NEAR(dynamic_cast<sdl::SdlSegment&>(*tune).seconds(), 0.5, 1e-9);
  OutputTap tap(platform_->audio());
  const auto loud = [&] { return tap.Taken().LoudFrames(100); };
  const auto frames = [&] { return tap.Taken().samples.size() / 2; };
  RecordingSink sink;
  uint64_t endedAt = 0;
  const auto yieldUntil = [&](auto done) {
    return WaitFor([&] {
      platform_->window().Yield(sink);
      if (!sink.events.empty() && endedAt == 0) endedAt = platform_->audio().FramesMixed();
      return done();
    });
  };
  music.PlaySegmentEx(tune, kSegfDefault, 0);
  ASSERT_TRUE(yieldUntil([&] { return loud() > kOutputRate / 10; }));
  platform_->soundControl().PauseAll(true);
  const uint64_t clock = platform_->audio().FramesMixed();
  const int64_t loudBefore = loud();
  const size_t framesBefore = frames();
  // Two seconds of output, four times the tune's length: still playing.
  ASSERT_TRUE(yieldUntil([&] { return frames() > framesBefore + 2 * kOutputRate; }));
  EXPECT_TRUE(music.IsPlaying(tune));
  EXPECT_TRUE(sink.events.empty());
  EXPECT_LE(platform_->audio().FramesMixed(), clock + 2048);
  EXPECT_LE(loud(), loudBefore + 2048);
  platform_->soundControl().PauseAll(false);
  ASSERT_TRUE(yieldUntil([&] { return !sink.events.empty(); }));
  EXPECT_EQ(sink.events, std::vector<int32_t>{9});
  EXPECT_FALSE(music.IsPlaying(tune));
  EXPECT_GT(Peak(tap.Taken().samples), 1000) << "the tune was silent";
  // Ended once its note had rung out, well before the synthesizer's own
  // seconds-long tail (in mixed samples from the tune's first one, which the
  // pause held, with slack for the poll).
  const int64_t start = platform_->sdlMusic().StartFrame();
  ASSERT_GE(start, 0);
  const double seconds = double(endedAt - static_cast<uint64_t>(start)) / kOutputRate;
  EXPECT_GE(seconds, 0.5 + sdl::SdlMusic::kReleaseSeconds - 0.05);
  EXPECT_LT(seconds, 1.5);
  platform_->window().Yield(sink);
  EXPECT_EQ(sink.events.size(), 1u) << "a second notification for the same end";
}

// The game's own tunes as the game plays them: audible in every whole second
// but the last, never at full scale, and ended, not before their measured
// length (how soon after is timed on the tune above).
TEST_F(AudioTest, TheGamesTunesSoundThroughoutAndEndOnTime) {
  setenv("SDL_DISKAUDIODELAY", "0", 1);  // read when the mixer opens
  Music& music = platform_->music();
  music.InitAudio(63, 7, 128);
  music.SetNotificationHandle(9);
  for (const char* file : {"Einswei.mid", "Frozenbuffalo.mid"}) {
    SCOPED_TRACE(file);
    const SegmentRef tune = music.LoadSegment(std::string(SB_TEST_DATA_DIR) + "/" + file);
    const double seconds = dynamic_cast<sdl::SdlSegment&>(*tune).seconds();
    OutputTap tap(platform_->audio());
    RecordingSink sink;
    music.PlaySegmentEx(tune, kSegfDefault, 0);
    // Until the end, or 30 s of sound after it is due.
    const auto due = [&] {
      const int64_t start = platform_->sdlMusic().StartFrame();
      return start >= 0 && platform_->audio().FramesMixed() >
                               static_cast<uint64_t>(start) + uint64_t(seconds + 30) * kOutputRate;
    };
    for (int i = 0; i < 200000 && sink.events.empty() && !due(); ++i) {
      platform_->window().Yield(sink);
      SDL_Delay(1);
    }
    ASSERT_FALSE(sink.events.empty()) << "no end of a " << seconds << " s tune";
    const OutputTap::Sound sound = tap.Taken();
    const int64_t start = platform_->sdlMusic().StartFrame();
    ASSERT_GE(start, static_cast<int64_t>(sound.first));
    EXPECT_GE(double(platform_->audio().FramesMixed() - start) / kOutputRate, seconds);
    EXPECT_LT(Peak(sound.samples), 32767) << "full scale reached";
    const size_t from = 2 * static_cast<size_t>(start - static_cast<int64_t>(sound.first));
    int quietest = 32767;
    for (size_t s = 0; s + 1 < static_cast<size_t>(seconds); ++s) {
      const auto begin = sound.samples.begin() + static_cast<long>(from + s * 2 * kOutputRate);
      quietest = std::min(quietest, Peak({begin, begin + 2 * kOutputRate}));
    }
    std::cout << file << ": " << seconds << " s, quietest second's peak " << quietest << "\n";
    EXPECT_GT(quietest, 1000);
  }
}

TEST(AudioFallback, WithoutASoundDeviceOneWarningAndTheGameRunsSilent) {
  setenv("SDL_AUDIODRIVER", "nosuchdevice", 1);
  ScratchFolder folder;
  auto platform = MakePlatform(folder.path().string());
  WriteWav(folder.File("fire.wav"), 10000, Square(1000, 1000));
  testing::internal::CaptureStderr();
  platform->sound().SetCooperativeLevel(1);
  const SoundRef sound = platform->sound().CreateSoundBufferFromFile(folder.File("fire.wav"));
  sound->SetVolume(-10);
  sound->Play(0);
  platform->music().InitAudio(63, 7, 128);
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_TRUE(platform->audio().silent());
  EXPECT_STREQ(SDL_GetCurrentAudioDriver(), "dummy");
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
  EXPECT_NE(err.find("warning"), std::string::npos) << err;
  // A missing file is still fatal, and the failure names it.
  const std::string missing = FailureOf([&] {
    platform->sound().CreateSoundBufferFromFile(folder.path().string() + "\\sfx\\fly.wav");
  });
  EXPECT_NE(missing.find(folder.path().string() + "/sfx/fly.wav"), std::string::npos) << missing;
}

TEST(AudioUnheard, ATimedDemoNeitherReadsTheSoundFontNorStartsTheSynthesizer) {
  // A data folder without a sound font: heard, InitAudio fails naming it.
  ScratchFolder folder;
  WriteHalfSecondTune(folder.File("tune.mid"));
  auto platform =
      MakePlatform(folder.path().string(), {.dataFolder = folder.path().string(), .sound = false});
  Music& music = platform->music();
  EXPECT_EQ(FailureOf([&] { music.InitAudio(63, 7, 128); }), "");
  const SegmentRef tune = music.LoadSegment(folder.File("tune.mid"));
  music.PlaySegmentEx(tune, kSegfDefault, 0);
  EXPECT_FALSE(music.IsPlaying(tune));
  RecordingSink sink;
  for (int n = 0; n < 50; ++n) {
    ASSERT_EQ(FailureOf([&] { platform->window().Yield(sink); }), "") << "yield " << n;
    SDL_Delay(2);
  }
  EXPECT_EQ(platform->sdlMusic().StartFrame(), -1);
}

}  // namespace
}  // namespace sb::sdltest
