// The battle's sound on the real mixer, rendered by the disk driver as fast
// as it can: the battle tune's start and restart, and the headroom of the
// mix. Everything is timed on the rendered sound's own timeline (mixed
// sample frames), never by the clock.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <mutex>

#include "core/form1.h"
#include "core/key_codes.h"
#include "sdl_test_support.h"

namespace sb::sdltest {
namespace {

constexpr int kWindowFrames = 441;  // 10 ms at 44100 Hz

// The loudness of the mixed output, frame by frame from the mixer's first
// frame, summed over 10 ms windows from any frame.
class Envelope {
 public:
  explicit Envelope(sdl::Mixer& audio) : audio_(audio) {
    audio_.SetOutputTap([this](const Uint8* stream, int length) {
      const auto* s = reinterpret_cast<const int16_t*>(stream);
      const int frames = length / 4;
      std::lock_guard<std::mutex> lock(mutex_);
      int64_t frame = static_cast<int64_t>(audio_.FramesMixed()) - frames;
      if (frame < 0) return;
      values_.resize(static_cast<size_t>(frame + frames), 0);
      for (int i = 0; i < frames; ++i, ++frame)
        values_[static_cast<size_t>(frame)] = std::abs(s[2 * i]) + std::abs(s[2 * i + 1]);
    });
  }
  ~Envelope() { audio_.SetOutputTap(nullptr); }

  // `count` windows from `frame` on.
  std::vector<double> From(uint64_t frame, int count) {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<double> out(static_cast<size_t>(count), 0.0);
    for (size_t i = 0; i < out.size() * kWindowFrames; ++i) {
      if (frame + i < values_.size()) out[i / kWindowFrames] += values_[frame + i];
    }
    return out;
  }

 private:
  sdl::Mixer& audio_;
  std::mutex mutex_;
  std::vector<int> values_;
};

double Correlation(const std::vector<double>& a, const std::vector<double>& b) {
  const size_t n = std::min(a.size(), b.size());
  double ma = 0, mb = 0;
  for (size_t i = 0; i < n; ++i) ma += a[i], mb += b[i];
  ma /= n, mb /= n;
  double ab = 0, aa = 0, bb = 0;
  for (size_t i = 0; i < n; ++i) {
    ab += (a[i] - ma) * (b[i] - mb);
    aa += (a[i] - ma) * (a[i] - ma);
    bb += (b[i] - mb) * (b[i] - mb);
  }
  return aa > 0 && bb > 0 ? ab / std::sqrt(aa * bb) : 0;
}

class BattleSound : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
    setenv("SDL_DISKAUDIODELAY", "0", 1);
    ResetCrafts();
    platform_ = MakePlatform(SB_TEST_DATA_DIR);
    form_ = std::make_unique<Form1>(*platform_);
    form_->Intialize();
    form_->DesignSTUFF();
    form_->SelectionActive = true;
    form_->SelectedDesign = 1;
    form_->CheckWhichCraft();
    form_->buildDisp();
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);  // window start-up events
  }
  void TearDown() override {
    form_.reset();
    ResetCrafts();
  }

  // The Start button: the player's craft, then battle set-up.
  void Start() {
    form_->SpawnCraft("Strike", 0, 100);
    form_->BattleActive = true;
    form_->SelectionActive = false;
    form_->FixedSeed = 7;
    form_->BattleSetUp();
  }

  uint64_t Frames() { return platform_->audio().FramesMixed(); }

  // The mixed frame at which the tune just played began to sound, yielding
  // as the game's loops do (a tune played while the sound font is still
  // being read starts at a yield).
  uint64_t TuneStart() {
    for (int i = 0; i < 10000 && platform_->sdlMusic().StartFrame() < 0; ++i) {
      platform_->window().Yield(*form_);
      SDL_Delay(1);
    }
    EXPECT_GE(platform_->sdlMusic().StartFrame(), 0) << "the tune never sounded";
    return static_cast<uint64_t>(std::max<int64_t>(platform_->sdlMusic().StartFrame(), 0));
  }

  // Yields like the selection loop until `seconds` more sound was mixed.
  void YieldFor(double seconds) {
    const uint64_t until = Frames() + static_cast<uint64_t>(seconds * 44100);
    for (int i = 0; i < 200000 && Frames() < until; ++i) {
      platform_->window().Yield(*form_);
      SDL_Delay(1);
    }
    ASSERT_GE(Frames(), until) << "the mixer stopped";
  }

  std::unique_ptr<sdl::SdlPlatform> platform_;
  std::unique_ptr<Form1> form_;
};

TEST_F(BattleSound, BattleSetUpStartsTheTuneAgainFromTheTop) {
  Envelope envelope(platform_->audio());
  // A key on the selection screen: its notification starts the tune.
  SDL_Event key{};
  key.type = SDL_KEYDOWN;
  key.key.state = SDL_PRESSED;
  key.key.keysym.scancode = SDL_SCANCODE_A;
  key.key.keysym.sym = SDLK_a;
  key.key.windowID = SDL_GetWindowID(platform_->video().window());
  ASSERT_EQ(SDL_PushEvent(&key), 1) << SDL_GetError();
  platform_->window().Yield(*form_);
  ASSERT_TRUE(platform_->music().IsPlaying(form_->BattleMusic));
  const uint64_t opening = TuneStart();
  YieldFor(8);

  Start();
  const uint64_t restart = TuneStart();
  YieldFor(5);

  // Four seconds after Start against the tune's first four seconds, allowing
  // the sound to lag or lead by up to half a second.
  const std::vector<double> reference = envelope.From(opening, 400);
  double best = -1;
  int bestLag = 0;
  for (int lag = -50; lag <= 50; ++lag) {
    const auto from = static_cast<uint64_t>(static_cast<int64_t>(restart) + lag * kWindowFrames);
    const double r = Correlation(reference, envelope.From(from, 400));
    if (r > best) best = r, bestLag = lag;
  }
  double loud = 0;
  for (double v : reference) loud += v / reference.size() / (2 * kWindowFrames);
  std::cout << "opening's mean level " << loud << "; envelope correlation after Start: " << best
            << " at " << bestLag * 10 << " ms\n";
  EXPECT_GT(best, 0.9) << "the tune did not start from its beginning (best lag " << bestLag * 10
                       << " ms)";
}

// Counts the mixed samples at full scale (either end of the 16-bit range).
class ClipCounter {
 public:
  explicit ClipCounter(sdl::Mixer& audio) : audio_(audio) {
    audio_.SetOutputTap([this](const Uint8* stream, int length) {
      const auto* s = reinterpret_cast<const int16_t*>(stream);
      int peak = peak_;
      for (int i = 0; i < length / 2; ++i) {
        const int v = std::abs(static_cast<int>(s[i]));
        clipped_ += v >= 32767;
        peak = std::max(peak, v);
      }
      peak_ = peak;
    });
  }
  ~ClipCounter() { audio_.SetOutputTap(nullptr); }
  int64_t clipped() const { return clipped_; }
  int peak() const { return peak_; }

 private:
  sdl::Mixer& audio_;
  std::atomic<int64_t> clipped_ = 0;
  std::atomic<int> peak_ = 0;
};

// Whether a scripted minute wants a key held or a hit taken at `second`.
bool In(double second, std::initializer_list<std::pair<double, double>> spans) {
  for (const auto& [from, to] : spans)
    if (second >= from && second < to) return true;
  return false;
}

TEST_F(BattleSound, AMinuteOfFiringBoostingAndHitsOverTheMusicNeverReachesFullScale) {
  Start();
  Crafts[0].Armour = 1e6f;  // the player outlives every hit
  ClipCounter clips(platform_->audio());
  const uint64_t start = Frames();
  // One pass per sixtieth of a second of mixed sound, as the paced game.
  for (int pass = 0; pass < 60 * 60; ++pass) {
    const double t = pass / 60.0;
    const uint64_t due = start + static_cast<uint64_t>(pass) * 735;
    for (int i = 0; i < 100000 && Frames() < due; ++i) SDL_Delay(0);
    form_->KeyDown[keys::kSpace] = In(t, {{0, 20}, {25, 45}, {50, 60}});
    form_->KeyDown[keys::kLShift] = In(t, {{5, 15}, {30, 40}, {52, 58}});
    form_->KeyDown[keys::kW] = In(t, {{15, 25}, {44, 50}});
    // A shield hit twice a second, an armour hit every 0.7 s, both at times.
    if (In(t, {{8, 32}, {46, 60}}) && pass % 30 == 0) Crafts[0].ShieldHitTimer = 103;
    if (In(t, {{20, 56}}) && pass % 42 == 0) Crafts[0].ArmourHitTimer = 103;
    form_->Physics();
    platform_->window().Yield(*form_);
  }
  std::cout << "full-scale samples in a minute: " << clips.clipped() << ", peak " << clips.peak()
            << "\n";
  EXPECT_EQ(clips.clipped(), 0) << "peak " << clips.peak();
  EXPECT_GT(clips.peak(), 8000) << "the battle was nearly silent";
}

}  // namespace
}  // namespace sb::sdltest
