// The battle's sound on the real mixer (disk driver, faster than real time):
// the battle tune's restart and the mix's headroom, timed in mixed frames.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <iostream>

#include "core/form1.h"
#include "core/key_codes.h"
#include "sdl_test_support.h"

namespace sb::sdltest {
namespace {

constexpr int kWindowFrames = 441;  // 10 ms at 44100 Hz

// The loudness of the mixed output in `count` 10 ms windows from the mixer's
// frame `frame` on.
std::vector<double> Envelope(const OutputTap::Sound& sound, uint64_t frame, int count) {
  const std::vector<int16_t> s = sound.From(static_cast<int64_t>(frame), 2 * count * kWindowFrames);
  std::vector<double> out(static_cast<size_t>(count), 0.0);
  for (size_t i = 0; i < s.size(); ++i) out[i / (2 * kWindowFrames)] += std::abs(s[i]);
  return out;
}

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

class BattleSound : public GameTest {
 protected:
  void SetUp() override {
    UseDiskAudio("0");
    GameTest::SetUp();
    form_->StartUp();
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);  // window start-up events
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
};

TEST_F(BattleSound, BattleSetUpStartsTheTuneAgainFromTheTop) {
  OutputTap tap(platform_->audio());
  // A key on the selection screen: its notification starts the tune.
  PushKey(*platform_, SDL_SCANCODE_A, true);
  platform_->window().Yield(*form_);
  ASSERT_TRUE(platform_->music().IsPlaying(form_->BattleMusic));
  const uint64_t opening = TuneStart();
  YieldFor(8);

  StartBattle(*form_, 7);
  const uint64_t restart = TuneStart();
  YieldFor(5);
  const OutputTap::Sound sound = tap.Taken();

  // Four seconds after Start against the tune's first four seconds, allowing
  // the sound to lag or lead by up to half a second.
  const std::vector<double> reference = Envelope(sound, opening, 400);
  double best = -1;
  int bestLag = 0;
  for (int lag = -50; lag <= 50; ++lag) {
    const auto from = static_cast<uint64_t>(static_cast<int64_t>(restart) + lag * kWindowFrames);
    const double r = Correlation(reference, Envelope(sound, from, 400));
    if (r > best) best = r, bestLag = lag;
  }
  double loud = 0;
  for (double v : reference) loud += v / reference.size() / (2 * kWindowFrames);
  std::cout << "opening's mean level " << loud << "; envelope correlation after Start: " << best
            << " at " << bestLag * 10 << " ms\n";
  EXPECT_GT(best, 0.9) << "the tune did not start from its beginning (best lag " << bestLag * 10
                       << " ms)";
}

// Whether a scripted minute wants a key held or a hit taken at `second`.
bool In(double second, std::initializer_list<std::pair<double, double>> spans) {
  for (const auto& [from, to] : spans)
    if (second >= from && second < to) return true;
  return false;
}

TEST_F(BattleSound, AMinuteOfFiringBoostingAndHitsOverTheMusicNeverReachesFullScale) {
  StartBattle(*form_, 7);
  Crafts[0].Armour = 1e6f;  // the player outlives every hit
  OutputTap tap(platform_->audio());
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
  const int peak = Peak(tap.Taken().samples);
  std::cout << "peak of a minute: " << peak << "\n";
  EXPECT_LT(peak, 32767) << "full scale reached";
  EXPECT_GT(peak, 8000) << "the battle was nearly silent";
}

}  // namespace
}  // namespace sb::sdltest
