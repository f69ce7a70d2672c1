// The tunes as the Windows build plays them: rendered ahead of time by the
// synthesizer, played as sample data on the real mixer (disk driver).
#include "platform/sdl/audio/rendered_tunes.h"

#include <gtest/gtest.h>

#include "platform/sdl/audio/tune_render.h"
#include "sdl_test_support.h"

namespace sb::sdltest {
namespace {

constexpr int kRate = 44100;

// A stereo ramp the test can recognise sample by sample.
std::vector<int16_t> Ramp(int frames) {
  std::vector<int16_t> s(static_cast<size_t>(frames) * 2);
  for (int i = 0; i < frames; ++i) {
    s[2 * i] = static_cast<int16_t>((i * 7) % 20000 - 10000);
    s[2 * i + 1] = static_cast<int16_t>(-((i * 3) % 16000));
  }
  return s;
}

class RenderedTunes : public ::testing::Test {
 protected:
  void SetUp() override {
    UseDiskAudio("0");
    audio_.Open();
  }
  std::string Write(const std::string& name, const std::vector<int16_t>& samples,
                    int rate = kRate) {
    WriteFile(folder_.File(name), sdl::StereoWaveFile(samples, rate));
    return folder_.File(name);
  }

  ScratchFolder folder_;
  sdl::Mixer audio_{""};
};

TEST_F(RenderedTunes, PlayExactlyOnceFromTheTopAndEndOnTheirLastFrame) {
  const std::vector<int16_t> ramp = Ramp(30000);
  Write("tune.wav", ramp);
  sdl::RenderedTunePlayer player(audio_);
  const sdl::LoadedTune tune = player.Load(folder_.File("tune.mid"));
  EXPECT_NEAR(tune.seconds, 30000.0 / kRate, 1e-9);
  OutputTap recording(audio_);
  for (int round = 0; round < 2; ++round) {
    player.Play(tune.data, "tune");
    ASSERT_TRUE(WaitFor([&] { return !player.Sounding(); }));
    const int64_t start = player.StartFrame();
    ASSERT_GE(start, 0);
    // Sample for sample, then silence: no gain, no resampling, no tail.
    EXPECT_EQ(recording.Taken().From(start, ramp.size()), ramp) << "round " << round;
    const std::vector<int16_t> after = recording.Taken().From(start + 30000, 2048);
    EXPECT_EQ(after, std::vector<int16_t>(2048, 0)) << "round " << round;
  }
}

TEST_F(RenderedTunes, StopSilencesAtOnceAndTheGainScalesTheSamples) {
  Write("tune.wav", std::vector<int16_t>(kRate * 20 * 2, 8000));
  sdl::RenderedTunePlayer player(audio_);
  const sdl::LoadedTune tune = player.Load(folder_.File("tune.mid"));
  OutputTap recording(audio_);
  player.SetGain(sdl::RenderedTunePlayer::kFullGain / 4);
  player.Play(tune.data, "tune");
  ASSERT_TRUE(WaitFor([&] {
    return player.StartFrame() >= 0 && audio_.FramesMixed() > uint64_t(player.StartFrame()) + 8;
  }));
  EXPECT_EQ(recording.Taken().From(player.StartFrame(), 8), std::vector<int16_t>(8, 2000));
  player.Stop();
  EXPECT_FALSE(player.Sounding());
  const uint64_t stopped = audio_.FramesMixed();
  ASSERT_TRUE(WaitFor([&] { return audio_.FramesMixed() > stopped + 8192; }));
  EXPECT_EQ(recording.Taken().From(int64_t(stopped) + 4096, 4096), std::vector<int16_t>(4096, 0));
}

TEST_F(RenderedTunes, AMissingOrForeignFileIsAFailedCallNamingIt) {
  sdl::RenderedTunePlayer player(audio_);
  const std::string missing = FailureOf([&] { player.Load(folder_.File("gone.mid")); });
  EXPECT_NE(missing.find(folder_.File("gone.wav")), std::string::npos) << missing;
  Write("slow.wav", Ramp(100), 22050);
  const std::string slow = FailureOf([&] { player.Load(folder_.File("slow.mid")); });
  EXPECT_NE(slow.find("not 16-bit stereo at 44100 Hz"), std::string::npos) << slow;
  WriteWav(folder_.File("mono.wav"), kRate, std::vector<int16_t>(100, 1));
  const std::string mono = FailureOf([&] { player.Load(folder_.File("mono.mid")); });
  EXPECT_NE(mono.find(folder_.File("mono.wav")), std::string::npos) << mono;
  WriteFile(folder_.File("junk.wav"), {'R', 'I', 'F', 'F', 1, 2, 3});
  EXPECT_NE(FailureOf([&] { player.Load(folder_.File("junk.mid")); }), "");
}

}  // namespace
}  // namespace sb::sdltest
