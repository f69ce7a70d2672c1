// Sound effects and music on the real mixer. The disk driver writes to
// /dev/null faster than real time; a tap on the mixer's output captures what
// was played. Durations are counted in mixed samples, not by the clock.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <mutex>

#include "sdl_test_support.h"

namespace sb::sdltest {
namespace {

constexpr int kOutputRate = 44100;

// Interleaved stereo 16-bit samples captured from the mixer.
class Capture {
 public:
  explicit Capture(sdl::Audio& audio) : audio_(audio) {
    audio_.SetOutputTap([this](const Uint8* stream, int length) {
      std::lock_guard<std::mutex> lock(mutex_);
      const auto* s = reinterpret_cast<const int16_t*>(stream);
      if (samples_.size() < 60u * kOutputRate * 2)
        samples_.insert(samples_.end(), s, s + length / 2);
    });
  }
  ~Capture() { audio_.SetOutputTap(nullptr); }
  std::vector<int16_t> Samples() {
    std::lock_guard<std::mutex> lock(mutex_);
    return samples_;
  }
  // Frames from the first to the last frame louder than `level`.
  int64_t SoundingFrames(int level) {
    const std::vector<int16_t> s = Samples();
    int64_t first = -1, last = -1;
    for (size_t i = 0; i < s.size(); ++i) {
      if (std::abs(s[i]) > level) {
        if (first < 0) first = static_cast<int64_t>(i / 2);
        last = static_cast<int64_t>(i / 2);
      }
    }
    return first < 0 ? 0 : last - first + 1;
  }
  int Peak() {
    int peak = 0;
    for (int16_t v : Samples()) peak = std::max(peak, std::abs(static_cast<int>(v)));
    return peak;
  }

 private:
  sdl::Audio& audio_;
  std::mutex mutex_;
  std::vector<int16_t> samples_;
};

// A square wave of +-amplitude, 100 samples a period.
std::vector<int16_t> Square(int samples, int16_t amplitude) {
  std::vector<int16_t> wave(static_cast<size_t>(samples));
  for (int i = 0; i < samples; ++i) wave[i] = (i / 50) % 2 ? amplitude : -amplitude;
  return wave;
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

  // Waits (bounded) until `done` holds; false if it never did.
  template <typename F>
  bool WaitFor(F done) {
    for (int i = 0; i < 4000; ++i) {
      if (done()) return true;
      SDL_Delay(5);
    }
    return false;
  }

  SoundRef LoadEffect(const std::string& name, int rate, const std::vector<int16_t>& wave) {
    WriteWav(folder_.File(name), rate, wave);
    SoundRef sound =
        platform_->sound().CreateSoundBufferFromFile(folder_.path().string() + "\\" + name);
    sound->SetFrequency(10000);
    sound->SetPan(0);
    return sound;
  }

  bool Playing(const SoundRef& sound) {
    return Mix_Playing(dynamic_cast<sdl::SdlSoundBuffer&>(*sound).channel()) != 0;
  }

  ScratchFolder folder_;
  std::unique_ptr<sdl::SdlPlatform> platform_;
};

TEST_F(AudioTest, EffectsPlayAtTenThousandSamplesASecondWhateverTheFileSays) {
  platform_->sound().SetCooperativeLevel(1);
  // One second as stored at 22050 samples a second lasts 2.205 s at 10000.
  const SoundRef sound = LoadEffect("fire.wav", 22050, Square(22050, 12000));
  Capture capture(platform_->audio());
  sound->Play(0);
  ASSERT_TRUE(WaitFor([&] { return !Playing(sound); }));
  EXPECT_NEAR(capture.SoundingFrames(2000) / double(kOutputRate), 2.205, 0.02);
}

TEST_F(AudioTest, VolumeInHundredthsOfADecibelScalesTheOutput) {
  platform_->sound().SetCooperativeLevel(1);
  const SoundRef sound = LoadEffect("fly.wav", 8000, Square(1600, 16000));
  int peaks[2];
  const int32_t volumes[2] = {0, -600};  // -6 dB: about half the amplitude
  for (int i = 0; i < 2; ++i) {
    sound->SetVolume(volumes[i]);
    Capture capture(platform_->audio());
    sound->Play(0);
    ASSERT_TRUE(WaitFor([&] { return !Playing(sound); }));
    peaks[i] = capture.Peak();
  }
  EXPECT_GT(peaks[0], 12000);
  EXPECT_NEAR(double(peaks[1]) / peaks[0], std::pow(10.0, -600 / 2000.0), 0.03);
  // Beyond the device's range is a failed call.
  EXPECT_NE(FailureOf([&] { sound->SetVolume(100); }), "");
  EXPECT_NE(FailureOf([&] { sound->SetVolume(-10001); }), "");
  // Frequency 0 is the file's own rate; beyond the device's range fails.
  sound->SetFrequency(0);
  EXPECT_EQ(dynamic_cast<sdl::SdlSoundBuffer&>(*sound).frequency(), 8000);
  EXPECT_NE(FailureOf([&] { sound->SetFrequency(50); }), "");
  EXPECT_NE(FailureOf([&] { sound->SetFrequency(300000); }), "");
}

TEST_F(AudioTest, PlayingAPlayingBufferLetsItGoOnAndStopPausesIt) {
  platform_->sound().SetCooperativeLevel(1);
  const SoundRef sound = LoadEffect("fly.wav", 10000, Square(10000, 12000));  // one second
  Capture capture(platform_->audio());
  sound->Play(0);
  const uint64_t start = platform_->audio().FramesMixed();
  ASSERT_TRUE(WaitFor([&] { return platform_->audio().FramesMixed() > start + kOutputRate / 4; }));
  sound->Play(0);  // as the physics step does every pass while thrusting
  sound->Stop();
  const uint64_t stopped = platform_->audio().FramesMixed();
  ASSERT_TRUE(
      WaitFor([&] { return platform_->audio().FramesMixed() > stopped + kOutputRate / 4; }));
  sound->Play(0);  // resumes where it stopped
  ASSERT_TRUE(WaitFor([&] { return !Playing(sound); }));
  // One second of sound in all, with a silent gap of at least a quarter second.
  const std::vector<int16_t> s = capture.Samples();
  int64_t loud = 0;
  for (size_t i = 0; i < s.size(); i += 2) loud += std::abs(s[i]) > 2000;
  EXPECT_NEAR(loud / double(kOutputRate), 1.0, 0.03);
  EXPECT_GT(capture.SoundingFrames(2000) / double(kOutputRate), 1.2);
  // Played to its end, it starts again from the beginning.
  Capture again(platform_->audio());
  sound->Play(0);
  ASSERT_TRUE(WaitFor([&] { return !Playing(sound); }));
  EXPECT_NEAR(again.SoundingFrames(2000) / double(kOutputRate), 1.0, 0.02);
}

TEST_F(AudioTest, MissingSoundAndMusicFilesAreFailedCallsNamingThePath) {
  const std::string missing = folder_.path().string() + "\\sfx\\fly.wav";
  const std::string sound =
      FailureOf([&] { platform_->sound().CreateSoundBufferFromFile(missing); });
  EXPECT_NE(sound.find(folder_.path().string() + "/sfx/fly.wav"), std::string::npos) << sound;
  const std::string music =
      FailureOf([&] { platform_->music().LoadSegment(folder_.path().string() + "\\Einswei.mid"); });
  EXPECT_NE(music.find(folder_.path().string() + "/Einswei.mid"), std::string::npos) << music;
  // A file that is there but is not music.
  WriteWav(folder_.File("noise.mid"), 10000, Square(100, 100));
  EXPECT_NE(FailureOf([&] { platform_->music().LoadSegment(folder_.File("noise.mid")); }), "");
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
  music.SetMasterVolume(0);
  music.SetMasterTempo(1.0f);
  music.SetMasterAutoDownload(true);
  music.AddNotificationType(5);
  music.SetNotificationHandle(9);
  const SegmentRef tune = music.LoadSegment(folder_.path().string() + "\\tune.mid");
  EXPECT_NEAR(dynamic_cast<sdl::SdlSegment&>(*tune).seconds(), 0.5, 1e-9);

  Capture capture(platform_->audio());
  RecordingSink sink;
  music.PlaySegmentEx(tune, kSegfDefault, 0);
  const uint64_t start = platform_->audio().FramesMixed();
  EXPECT_TRUE(music.IsPlaying(tune));
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
  // seconds-long tail (measured in mixed samples, with slack for the poll).
  const double seconds = double(endedAt - start) / kOutputRate;
  EXPECT_GE(seconds, 0.5 + sdl::SdlMusic::kReleaseSeconds - 0.05);
  EXPECT_LT(seconds, 1.5);
  // No second notification for the same end.
  platform_->window().Yield(sink);
  EXPECT_EQ(sink.events.size(), 1u);
}

TEST_F(AudioTest, StoppingATuneEndsItAndIsNotified) {
  WriteFile(folder_.File("long.mid"),
            MidiFile(0, 96, {{0x00, 0x90, 60, 100, 0x83, 0x00, 0x80, 60, 0}}));  // 2 s
  Music& music = platform_->music();
  music.InitAudio(63, 7, 128);
  music.SetNotificationHandle(4);
  const SegmentRef battle = music.LoadSegment(folder_.File("long.mid"));
  const SegmentRef death = music.LoadSegment(folder_.File("long.mid"));
  music.PlaySegmentEx(battle, kSegfDefault, 0);
  EXPECT_TRUE(music.IsPlaying(battle));
  EXPECT_FALSE(music.IsPlaying(death));
  music.StopEx(death, 0, kSegfDefault);  // not playing: nothing happens
  EXPECT_TRUE(music.IsPlaying(battle));
  music.StopEx(battle, 0, kSegfDefault);
  EXPECT_FALSE(music.IsPlaying(battle));
  RecordingSink sink;
  platform_->window().Yield(sink);
  EXPECT_EQ(sink.events, std::vector<int32_t>{4});
  // The death tune replaces whatever plays.
  music.PlaySegmentEx(battle, kSegfDefault, 0);
  music.PlaySegmentEx(death, kSegfDefault, 0);
  EXPECT_FALSE(music.IsPlaying(battle));
  EXPECT_TRUE(music.IsPlaying(death));
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
  // A missing file is still fatal.
  EXPECT_NE(FailureOf([&] { platform->sound().CreateSoundBufferFromFile(folder.File("no.wav")); }),
            "");
}

}  // namespace
}  // namespace sb::sdltest
