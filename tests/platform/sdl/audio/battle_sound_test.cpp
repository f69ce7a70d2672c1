// The battle's sound on the real mixer (disk driver, faster than real time):
// the mix's headroom, timed in mixed frames.
#include <gtest/gtest.h>

#include <iostream>

#include "core/form1.h"
#include "core/key_codes.h"
#include "sdl_test_support.h"

namespace sb::sdltest {
namespace {

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
};

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
