// The physics step: shots from firing to reuse, damage through shields,
// friends and overlaps, motion, wrap, boost, the player's keys, sounds and
// music, recharge, and the run-time errors it must raise.
#include <gtest/gtest.h>

#include <limits>

#include "support/battle_fixture.h"

namespace sb {
namespace {

using test::Arena;
using namespace test;  // key codes

// Puts shot k of `shooter` at (x, y), flying (vx, vy) per step for `life` steps.
void PlaceShot(int16_t shooter, int k, float x, float y, float life, float vx = 0, float vy = 0) {
  Crafts[shooter].Shots[k].X = x;
  Crafts[shooter].Shots[k].Y = y;
  Crafts[shooter].Shots[k].Life = life;
  Crafts[shooter].ShotVel[k] = ShotVelocity{vx, vy};
}

TEST(Shots, RangeTenFliesNineteenStepsHoldsOnceRidesAndIsOfferedAgainAfterItsRange) {
  Arena a;
  const int16_t me = a.Spawn("Strike", 0, 100);  // WeaponRange 20
  Craft& c = Crafts[me];
  c.Energy = 100;
  // Slot 10 is free while the others are kept busy, so FreeShotSlot answers
  // 10 only when slot 10 is free.
  c.Shots[10].Life = -1000;
  auto keepOthersBusy = [&] {
    for (int k = 0; k <= 9; ++k) c.Shots[k].Life = 0;
  };
  keepOthersBusy();
  ASSERT_EQ(a.form->FreeShotSlot(me), 10);

  a.Hold(keys::kSpace);
  a.Step();
  a.Hold(keys::kSpace, false);
  EXPECT_EQ(c.Energy, 100 - 20 + 1);
  EXPECT_FALSE(c.Firing);
  int moves = 1;
  float lastY = c.Shots[10].Y;
  EXPECT_FLOAT_EQ(lastY, 90);
  for (int step = 2; step <= 41; ++step) {
    if (step == 21) {  // the craft moves along +X: spent shots ride with it
      c.Speed = 1;
      c.Course = kPi / 2;
    }
    keepOthersBusy();
    a.Step();
    const Particle& shot = c.Shots[10];
    if (shot.Y != lastY) ++moves;
    lastY = shot.Y;
    EXPECT_TRUE(step != 19 || shot.Y == 100 - 190) << shot.Y;
    EXPECT_TRUE(step != 20 || shot.Life == 0) << "held still";
    EXPECT_TRUE(step < 21 || (shot.X == c.X && shot.Y == c.Y)) << step;
    // Offered again only once Life is below -20: after step 41.
    keepOthersBusy();
    EXPECT_EQ(a.form->FreeShotSlot(me), step >= 41 ? 10 : 0) << "after step " << step;
  }
  EXPECT_EQ(moves, 20);  // 19 flights, then the one jump onto the moving craft
}

TEST(Damage, AZeroShieldAbsorbsAHitANegativeOneLetsItThroughToTheHull) {
  Arena a;
  a.Spawn("Strike", 9000, 9000);
  const int16_t shooter = a.Spawn("Saga", -9000, -9000);  // power 10
  Craft& v = Crafts[a.Spawn("Aqua", 0, 0)];
  v.Armour = 100;
  auto hit = [&](int shots) {
    for (int k = 0; k < shots; ++k) PlaceShot(shooter, k, 0, 0, 5);
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

  v.Shield = 0;  // exactly 0 again: any number of hits cost nothing
  v.MaxShield = 0;
  for (int n = 0; n < 3; ++n) hit(3);
  EXPECT_EQ(v.Armour, 90);
  EXPECT_EQ(v.Shield, 0);
}

TEST(Damage, FriendlyShotsPassThroughAndOneShotHitsEveryEnemyItOverlaps) {
  Arena a;
  a.Spawn("Strike", 9000, 9000);
  const int16_t shooter = a.Spawn("Strike", -9000, -9000);
  const int16_t friendly = a.Spawn("Guard", 0, 0);
  const int16_t enemy = a.Spawn("Aqua", 0, -20);
  PlaceShot(shooter, 0, 0, 10, 5, 0, -10);
  a.Step();  // at (0, 0), inside the friend only
  EXPECT_EQ(Crafts[shooter].Shots[0].Life, 4);
  EXPECT_EQ(Crafts[friendly].Shield, 10);
  EXPECT_EQ(Crafts[friendly].Target, 0);
  a.Step(2);  // at (0, -20): the enemy
  EXPECT_EQ(Crafts[shooter].Shots[0].Life, -1);
  EXPECT_FLOAT_EQ(Crafts[enemy].Shield, 9.01f);

  const int16_t second = a.Spawn("Fox", 4, -20);
  PlaceShot(shooter, 1, 2, -20, 5);
  a.Step();
  EXPECT_FLOAT_EQ(Crafts[enemy].Shield, 8.02f);
  EXPECT_FLOAT_EQ(Crafts[second].Shield, 9.01f);
  EXPECT_EQ(Crafts[second].Target, shooter);
}

TEST(Damage, DestroyedCraftStopAndRechargeEnergyButNotShields) {
  Arena a;
  a.Spawn("Strike", 0, 0);
  Craft& w = Crafts[a.Spawn("Leays", 500, 500)];
  w.Armour = 0;
  w.Shield = -1;
  w.Thrusting = w.Firing = true;
  a.Step();
  EXPECT_FALSE(w.Thrusting || w.Firing);
  EXPECT_EQ(w.Shield, -1);
  EXPECT_EQ(w.Energy, 1);
}

TEST(Motion, BoostNeedsNoEngineKeyThrustIsCappedAndTheWorldWraps) {
  Arena a;
  Craft& c = Crafts[a.Spawn("Strike", 0, 0)];  // MaxSpeed 2.5
  a.Hold(keys::kLShift);
  a.Step();
  EXPECT_TRUE(c.Thrusting);
  EXPECT_NEAR(c.Y, -5.25, 1e-4);  // 2 x MaxSpeed, plus one step of thrust
  a.Hold(keys::kLShift, false);
  a.Hold(keys::kW);
  a.Step(30);
  EXPECT_FLOAT_EQ(static_cast<float>(c.Speed), 2.5f);
  a.Hold(keys::kW, false);

  c.X = -9999.5f;
  c.Y = 9999.5f;
  c.Speed = 1;
  c.Course = -kPi / 2;  // towards -X
  a.Step();
  EXPECT_EQ(c.X, 10000);
  c.Course = kPi;  // towards +Y
  a.Step();
  EXPECT_EQ(c.Y, -10000);
}

TEST(PlayerKeys, ADestroyedPlayerNeitherTurnsNorFiresButTurnsItsTurret) {
  Arena a;
  Craft& p = Crafts[a.Spawn("Strike", 0, 0)];
  p.Energy = 100;
  p.Armour = 0;
  a.Hold(keys::kD);
  a.Hold(keys::kRight);
  a.Hold(keys::kSpace);
  a.Step();
  EXPECT_EQ(p.Heading, 0);
  EXPECT_NEAR(p.TurretAngle, 3 * kPi / 180, 1e-12);
  EXPECT_FALSE(p.Firing);
}

TEST(PlayerKeys, TargetKeysActOnceEveryThreeStepsAndShareTheirDelay) {
  Arena a;
  Craft& p = Crafts[a.Spawn("Strike", 0, 0)];
  p.Target = 10;
  a.Hold(keys::kPeriod);
  std::vector<int> targets;
  for (int n = 0; n < 7; ++n) {
    a.Step();
    targets.push_back(p.Target);
  }
  EXPECT_EQ(targets, (std::vector<int>{11, 11, 11, 12, 12, 12, 13}));
  a.Hold(keys::kPeriod, false);
  a.Hold(keys::kComma);  // blocked by the period key's delay for two more steps
  a.Step(2);
  EXPECT_EQ(p.Target, 13);
  a.Step();
  EXPECT_EQ(p.Target, 12);
}

TEST(PlayerKeys, NStepsPastFriendsAndCPicksTheHighestNumberedAttacker) {
  Arena a;
  const int16_t player = a.Spawn("Strike", 0, 0);
  const int16_t friendly = a.Spawn("Guard", 50, 50);
  const int16_t enemy = a.Spawn("Aqua", 60, 60);
  const int16_t another = a.Spawn("Fox", 70, 70);
  Craft& p = Crafts[player];
  p.Target = friendly;
  a.Hold(keys::kN);
  a.Step(4);  // one step on, then a valid enemy is kept
  EXPECT_EQ(p.Target, enemy);
  a.Hold(keys::kN, false);

  a.Hold(keys::kC);
  for (int16_t i = 1; i <= 50; ++i) Crafts[i].Target = 5;
  a.Step();
  EXPECT_EQ(p.Target, enemy) << "nobody is after the player: unchanged";
  Crafts[friendly].Target = 0;
  Crafts[another].Target = 0;
  a.Step();
  EXPECT_EQ(p.Target, another);
}

TEST(PlayerSoundsAndMusic, TheDeathTuneStartsOnce) {
  Arena a;
  Crafts[a.Spawn("Strike", 0, 0)].Armour = 0.5f;  // below 1 is enough
  a.Step(4);
  const auto tunes = a.platform.CallsNamed("Music.PlaySegmentEx");
  ASSERT_EQ(tunes.size(), 1u);
  EXPECT_EQ(tunes[0]->s, "Frozenbuffalo.mid");
  EXPECT_EQ(a.platform.CallsNamed("Music.StopEx").size(), 1u);
}

// The count-downs sound once, then rest at -1 instead of running down
// without end.
TEST(Mends, HitTimersAndTheTargetKeyDelayStopFallingBelowZero) {
  Arena a;
  Craft& c = Crafts[a.Spawn("Strike", 0, 0)];
  c.ShieldHitTimer = c.ArmourHitTimer = 103;
  a.Step();
  const auto plays = a.platform.CallsNamed("Sound.Play");
  ASSERT_EQ(plays.size(), 2u);
  EXPECT_EQ(plays[0]->s + " " + plays[1]->s, "shieldhit.wav hphit.wav");
  a.Step(103);
  EXPECT_EQ(c.ShieldHitTimer, -1);
  // More steps than a 16-bit count-down could take without the floor.
  a.Step(40000);
  EXPECT_EQ(c.ShieldHitTimer, -1);
  EXPECT_EQ(c.ArmourHitTimer, -1);
  EXPECT_EQ(a.form->KeyRepeatDelay, -1);
  c.Target = 3;
  a.Hold(keys::kPeriod);
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
