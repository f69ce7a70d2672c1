// Sound effects and music on the real mixer. The disk driver writes to
// /dev/null faster than real time; a tap on the mixer's output captures what
// was played. Durations are counted in mixed samples, not by the clock.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdlib>

#include "sdl_test_support.h"

namespace sb::sdltest {
namespace {

constexpr int kOutputRate = 44100;

// What the mixer played: its loudest sample, and the frames from the first
// to the last louder than 2000. Read once the sound has ended.
class Capture {
 public:
  explicit Capture(sdl::Mixer& audio) : audio_(audio) {
    audio_.SetOutputTap([this](const Uint8* stream, int length) {
      const auto* s = reinterpret_cast<const int16_t*>(stream);
      for (int i = 0; i < length / 2; ++i, ++samples_) {
        const int v = std::abs(static_cast<int>(s[i]));
        peak_ = std::max<int>(peak_, v);
        if (v <= 2000) continue;
        if (first_ < 0) first_ = samples_ / 2;
        last_ = samples_ / 2;
      }
    });
  }
  ~Capture() { audio_.SetOutputTap(nullptr); }
  int Peak() const { return peak_; }
  double SoundingSeconds() const {
    return first_ < 0 ? 0 : double(last_ - first_ + 1) / kOutputRate;
  }

 private:
  sdl::Mixer& audio_;
  std::atomic<int64_t> samples_ = 0, first_ = -1, last_ = -1;
  std::atomic<int> peak_ = 0;
};

// A square wave of +-amplitude, 100 samples a period.
std::vector<int16_t> Square(int samples, int16_t amplitude) {
  std::vector<int16_t> wave(static_cast<size_t>(samples));
  for (int i = 0; i < samples; ++i) wave[i] = (i / 50) % 2 ? amplitude : -amplitude;
  return wave;
}

// Waits (bounded) until `done` holds; false if it never did.
template <typename F>
bool WaitFor(F done) {
  for (int i = 0; i < 4000 && !done(); ++i) SDL_Delay(5);
  return done();
}

class AudioTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Faster than real time, into nothing; each test is its own process.
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
    setenv("SDL_DISKAUDIODELAY", "2", 1);
    platform_ = MakePlatform(folder_.path().string());
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

TEST_F(AudioTest, EffectsPlayAtTenThousandSamplesASecondAndVolumeScalesThem) {
  double seconds[2];
  int peaks[2];
  for (int i = 0; i < 2; ++i) {
    Capture capture(platform_->audio());
    // Volume in hundredths of a decibel: -6 dB is about half the amplitude.
    PlayEffect(22050, Square(22050, 16000), i == 0 ? 0 : -600);
    seconds[i] = capture.SoundingSeconds();
    peaks[i] = capture.Peak();
  }
  // One second as stored at 22050 samples a second lasts 2.205 s at 10000.
  EXPECT_NEAR(seconds[0], 2.205, 0.02);
  // At full volume an effect plays at the output's level, below full scale
  // (the resampled square overshoots its amplitude a little).
  EXPECT_GT(peaks[0], 12000 * sdl::Mixer::kHeadroom);
  EXPECT_LT(peaks[0], 16000 * 1.3 * sdl::Mixer::kHeadroom);
  EXPECT_NEAR(double(peaks[1]) / peaks[0], std::pow(10.0, -600 / 2000.0), 0.03);
}

class RecordingSink : public NotificationSink {
 public:
  void DirectXEvent8_DXCallback(int32_t eventid) override { events.push_back(eventid); }
  void Form_Unload(int16_t) override {}
  std::vector<int32_t> events;
};

TEST_F(AudioTest, ATuneSoundsAndItsEndReachesTheGameAtAYield) {
  // Half a second: one note from tick 0 to 480 at 120 beats a minute, 480
  // ticks a quarter.
  WriteFile(folder_.File("tune.mid"),
            MidiFile(0, 480, {{0x00, 0xC0, 0x00, 0x00, 0x90, 60, 110, 0x83, 0x60, 0x80, 60, 0}}));
  Music& music = platform_->music();
  music.InitAudio(63, 7, 128);
  const std::string missing = FailureOf([&] { music.LoadSegment(folder_.File("x.mid")); });
  EXPECT_NE(missing.find(folder_.File("x.mid")), std::string::npos) << missing;
  music.SetNotificationHandle(9);
  const SegmentRef tune = music.LoadSegment(folder_.path().string() + "\\tune.mid");
  EXPECT_NEAR(dynamic_cast<sdl::SdlSegment&>(*tune).seconds(), 0.5, 1e-9);
  Capture capture(platform_->audio());
  RecordingSink sink;
  music.PlaySegmentEx(tune, kSegfDefault, 0);
  uint64_t endedAt = 0;
  ASSERT_TRUE(WaitFor([&] {
    platform_->window().Yield(sink);
    if (!sink.events.empty() && endedAt == 0) endedAt = platform_->audio().FramesMixed();
    return !sink.events.empty();
  }));
  EXPECT_EQ(sink.events, std::vector<int32_t>{9});
  EXPECT_FALSE(music.IsPlaying(tune));
  EXPECT_GT(capture.Peak(), 1000) << "the tune was silent";
  // Ended once its note had rung out, well before the synthesizer's own
  // seconds-long tail (measured in mixed samples from the tune's first one,
  // with slack for the poll).
  const int64_t start = platform_->sdlMusic().StartFrame();
  ASSERT_GE(start, 0);
  const double seconds = double(endedAt - static_cast<uint64_t>(start)) / kOutputRate;
  EXPECT_GE(seconds, 0.5 + sdl::SdlMusic::kReleaseSeconds - 0.05);
  EXPECT_LT(seconds, 1.5);
  platform_->window().Yield(sink);
  EXPECT_EQ(sink.events.size(), 1u) << "a second notification for the same end";
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
  WriteFile(folder.File("tune.mid"),
            MidiFile(0, 480, {{0x00, 0xC0, 0x00, 0x00, 0x90, 60, 110, 0x83, 0x60, 0x80, 60, 0}}));
  auto platform =
      std::make_unique<sdl::SdlPlatform>(SdlPlatformOptions{.programFolder = folder.path().string(),
                                                            .dataFolder = folder.path().string(),
                                                            .pacePresents = false,
                                                            .sound = false});
  Music& music = platform->music();
  EXPECT_EQ(FailureOf([&] { music.InitAudio(63, 7, 128); }), "");
  const SegmentRef tune = music.LoadSegment(folder.File("tune.mid"));
  music.PlaySegmentEx(tune, kSegfDefault, 0);
  EXPECT_FALSE(music.IsPlaying(tune));
  NoSink sink;
  for (int n = 0; n < 50; ++n) {
    ASSERT_EQ(FailureOf([&] { platform->window().Yield(sink); }), "") << "yield " << n;
    SDL_Delay(2);
  }
  EXPECT_EQ(platform->sdlMusic().StartFrame(), -1);
}

}  // namespace
}  // namespace sb::sdltest
