// The physics step where a battle's replay hash and the recorded demos do
// not reach: a shield of exactly 0, the player's sounds and music, the
// mended count-downs, and the run-time errors it must raise. Shots, motion, wrap, boost, the
// player's keys and recharge change every recorded battle, so those catch faults there.
#include <gtest/gtest.h>

#include <limits>

#include "core/key_codes.h"
#include "support/battle_scene.h"

namespace sb {
namespace {

using test::Arena;

TEST(Damage, AZeroShieldAbsorbsAHitANegativeOneLetsItThroughToTheHull) {
  Arena a;
  a.Spawn("Strike", 9000, 9000);
  const int16_t shooter = a.Spawn("Saga", -9000, -9000);  // power 10
  Craft& v = Crafts[a.Spawn("Aqua", 0, 0)];
  v.Armour = 100;
  auto hit = [&](int shots) {
    for (int k = 0; k < shots; ++k) {  // still, at the victim's centre
      Crafts[shooter].Shots[k] = Particle{.Life = 5};
      Crafts[shooter].ShotVel[k] = ShotVelocity{};
    }
    a.Step();
  };
  // Shield 10 and power 10: the first hit leaves exactly 0, which absorbs
  // the second hit of the same step for nothing.
  hit(2);
  EXPECT_EQ(v.Armour, 100);
  EXPECT_FLOAT_EQ(v.Shield, 0.01f);  // after the step's recharge
  EXPECT_GT(v.ShieldHitTimer, 100);
  EXPECT_EQ(v.ArmourHitTimer, -1);
  EXPECT_EQ(v.Target, shooter);

  hit(1);  // 0.01 - 10
  EXPECT_EQ(v.Armour, 100);
  hit(1);  // a negative shield passes the hit to the hull
  EXPECT_EQ(v.Armour, 90);
  EXPECT_GT(v.ArmourHitTimer, 100);
}

TEST(PlayerSoundsAndMusic, HitSoundsPlayWhileTheTimersAreFreshAndTheDeathTuneStartsOnce) {
  Arena a;
  Craft& c = Crafts[a.Spawn("Strike", 0, 0)];
  c.ShieldHitTimer = c.ArmourHitTimer = 103;
  a.Step();
  const auto plays = a.platform.CallsNamed("Sound.Play");
  ASSERT_EQ(plays.size(), 2u);
  EXPECT_EQ(plays[0]->s + " " + plays[1]->s, "shieldhit.wav hphit.wav");

  c.Armour = 0.5f;  // below 1 is enough
  a.Step(4);
  const auto tunes = a.platform.CallsNamed("Music.PlaySegmentEx");
  ASSERT_EQ(tunes.size(), 1u);
  EXPECT_EQ(tunes[0]->s, "Frozenbuffalo.mid");
  EXPECT_EQ(a.platform.CallsNamed("Music.StopEx").size(), 1u);
}

// The mended count-downs: hit timers and the target-key delay rest at -1
// instead of running down into a 16-bit overflow, and the keys still act.
TEST(Mends, HitTimersAndTheTargetKeyDelayStopFallingBelowZero) {
  Arena a;
  Craft& c = Crafts[a.Spawn("Strike", 0, 0)];
  c.ShieldHitTimer = c.ArmourHitTimer = 103;
  a.Step(40000);  // more than a 16-bit count-down could take without the floor
  EXPECT_EQ(c.ShieldHitTimer, -1);
  EXPECT_EQ(c.ArmourHitTimer, -1);
  EXPECT_EQ(a.form->KeyRepeatDelay, -1);
  c.Target = 3;
  a.form->KeyDown[keys::kPeriod] = true;
  a.Step();  // the key still acts at once
  EXPECT_EQ(c.Target, 4);
}

TEST(RunTimeErrors, AFloatFaultEndsTheStep) {
  Arena a;
  a.Spawn("Strike", 9000, 9000);
  a.Spawn("Aqua", 0, 0);
  Crafts[1].Thrusting = true;
  Crafts[1].Heading = std::numeric_limits<double>::infinity();  // sin(inf) is invalid
  const auto end = test::RunCatching([&] { a.Step(); });
  EXPECT_EQ(end.error, ErrorKind::FloatingPoint) << end.line;
  EXPECT_EQ(end.where, "Physics");
}

}  // namespace
}  // namespace sb
