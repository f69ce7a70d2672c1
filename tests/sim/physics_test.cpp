// The physics step: shots from firing to reuse, damage through shields,
// friends and overlaps, motion, wrap, boost, the player's keys, sounds and
// music, recharge, and the run-time errors it must raise or avoid.
#include <gtest/gtest.h>

#include <cmath>
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
  // Slot 10 is the one under test: free at the start, while the other slots
  // are kept busy, so FreeShotSlot answers 10 only when slot 10 is free.
  c.Shots[10].Life = -1000;
  auto keepOthersBusy = [&] {
    for (int k = 0; k <= 9; ++k) c.Shots[k].Life = 0;
  };
  keepOthersBusy();
  ASSERT_EQ(a.form->FreeShotSlot(me), 10);

  a.Hold(kKeySpace);
  a.Step();
  a.Hold(kKeySpace, false);
  EXPECT_EQ(c.Energy, 100 - 20 + 1);
  EXPECT_FALSE(c.Firing);

  int moves = 1;
  float lastY = c.Shots[10].Y;
  EXPECT_FLOAT_EQ(lastY, 90);
  for (int step = 2; step <= 41; ++step) {
    if (step == 21) {  // set the craft moving along +X: spent shots ride with it
      c.Speed = 1;
      c.Course = kPi / 2;
    }
    keepOthersBusy();
    a.Step();
    const Particle& shot = c.Shots[10];
    if (shot.Y != lastY) ++moves;
    lastY = shot.Y;
    if (step == 19) {
      EXPECT_FLOAT_EQ(shot.Y, 100 - 190);
    }
    if (step == 20) {
      EXPECT_EQ(shot.Life, 0) << "held still";
    }
    if (step >= 21) {
      EXPECT_EQ(shot.X, c.X) << step;
      EXPECT_EQ(shot.Y, c.Y) << step;
    }
    // Offered again only once Life is below -20: after step 41.
    keepOthersBusy();
    EXPECT_EQ(a.form->FreeShotSlot(me), step >= 41 ? 10 : 0) << "after step " << step;
  }
  EXPECT_EQ(moves, 20);  // 19 flights, then the one jump onto the moving craft
  EXPECT_GT(c.X, 0);
}

TEST(Shots, FreeShotSlotTakesTheHighestSpentEntryElseEntryZero) {
  Arena a;
  const int16_t me = a.Spawn("Ant", 0, 0);  // WeaponRange 100
  Craft& c = Crafts[me];
  EXPECT_EQ(a.form->FreeShotSlot(me), 0);
  c.Shots[3].Life = -100;  // not below -WeaponRange
  EXPECT_EQ(a.form->FreeShotSlot(me), 0);
  c.Shots[3].Life = -100.5f;
  c.Shots[7].Life = -101;
  EXPECT_EQ(a.form->FreeShotSlot(me), 7);
  EXPECT_THROW(a.form->FreeShotSlot(201), GameError);
}

TEST(Shots, TurretCraftFireAlongTheTurretOthersAlongTheHeading) {
  Arena a;
  const int16_t player = a.Spawn("Strike", 0, 0);
  const int16_t turret = a.Spawn("Mertlyn", 1000, 1000);
  for (int16_t i : {player, turret}) {
    Crafts[i].Energy = 100;
    Crafts[i].Heading = kPi / 2;  // facing +X
    Crafts[i].TurretAngle = kPi;  // turret facing +Y
  }
  Crafts[turret].Firing = true;
  a.Hold(kKeySpace);
  a.Step();
  EXPECT_NEAR(Crafts[player].ShotVel[0].VX, 10, 1e-5);
  EXPECT_NEAR(Crafts[player].ShotVel[0].VY, 0, 1e-5);
  EXPECT_NEAR(Crafts[turret].ShotVel[0].VX, 0, 1e-5);
  EXPECT_NEAR(Crafts[turret].ShotVel[0].VY, 10, 1e-5);
  EXPECT_FLOAT_EQ(Crafts[turret].Shots[0].Y, 1010);
}

TEST(Shots, NoShotWithoutEnergyAndAShotCostOfFortyWaitsFortyOneSteps) {
  Arena a;
  a.Spawn("Strike", 9000, 9000);
  const int16_t saga = a.Spawn("Saga", 0, 0);  // ShotCost 40
  Craft& c = Crafts[saga];
  c.Firing = true;
  int firstShot = 0;
  for (int step = 1; step <= 60 && firstShot == 0; ++step) {
    a.Step();
    for (int k = 0; k <= 10; ++k) {
      if (c.Shots[k].Life > 0) firstShot = step;
    }
  }
  EXPECT_EQ(firstShot, 41);
  EXPECT_EQ(c.Energy, 1);
}

// Entry 0 far away; a Litu shooter of power 10 in entry 1; the victim in 2.
struct Duel : Arena {
  Duel() {
    Spawn("Strike", 9000, 9000);
    shooter = Spawn("Saga", -9000, -9000);
    victim = Spawn("Aqua", 0, 0);
    Crafts[victim].Armour = 100;
  }
  void HitOnce(int shots = 1) {
    for (int k = 0; k < shots; ++k) PlaceShot(shooter, k, 0, 0, 5);
    Step();
  }
  int16_t shooter = 0, victim = 0;
};

TEST(Damage, ShieldTakesHitsUntilNegativeThenTheHullTakesThemUntilRecharged) {
  Duel d;
  Craft& v = Crafts[d.victim];
  // Shield 10 and power 10: the first hit leaves exactly 0, which absorbs
  // the second hit of the same step for nothing.
  d.HitOnce(2);
  EXPECT_EQ(v.Armour, 100);
  EXPECT_FLOAT_EQ(v.Shield, 0.01f);  // after the step's recharge
  EXPECT_GT(v.ShieldHitTimer, 100);
  EXPECT_EQ(v.ArmourHitTimer, -1);
  EXPECT_EQ(v.Target, d.shooter);
  EXPECT_EQ(Crafts[d.shooter].Shots[0].Life, -1);
  EXPECT_EQ(Crafts[d.shooter].Shots[1].Life, -1);

  d.HitOnce();  // 0.01 - 10
  EXPECT_EQ(v.Armour, 100);
  int recharges = 1;
  d.HitOnce();  // a negative shield passes the hit to the hull
  ++recharges;
  EXPECT_EQ(v.Armour, 90);
  EXPECT_GT(v.ArmourHitTimer, 100);
  while (v.Shield < 0) {
    d.Step();
    ++recharges;
    ASSERT_LT(recharges, 2000);
  }
  EXPECT_EQ(recharges, 999);
  d.HitOnce();  // positive again: the shield takes it
  EXPECT_EQ(v.Armour, 90);
  EXPECT_LT(v.Shield, 0);
}

TEST(Damage, AShieldOfExactlyZeroAbsorbsEveryHit) {
  Duel d;
  Craft& v = Crafts[d.victim];
  v.MaxShield = 0;
  v.Shield = 0;
  for (int n = 0; n < 5; ++n) d.HitOnce(3);
  EXPECT_EQ(v.Armour, 100);
  EXPECT_EQ(v.Shield, 0);
  EXPECT_EQ(v.ShieldHitTimer, -1);
  EXPECT_EQ(v.ArmourHitTimer, -1);
  EXPECT_EQ(v.Target, d.shooter);  // it still turns on the shooter
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

  // Two enemies overlapping the same point are both hit by one shot.
  const int16_t second = a.Spawn("Fox", 4, -20);
  PlaceShot(shooter, 1, 2, -20, 5);
  a.Step();
  EXPECT_FLOAT_EQ(Crafts[enemy].Shield, 8.02f);
  EXPECT_FLOAT_EQ(Crafts[second].Shield, 9.01f);
  EXPECT_EQ(Crafts[second].Target, shooter);
}

TEST(Damage, DestroyedCraftStopShotsRechargeEnergyButNotShieldsAndAHitNeverRetargetsThePlayer) {
  Arena a;
  const int16_t player = a.Spawn("Strike", 0, 0);
  const int16_t shooter = a.Spawn("Aqua", -9000, -9000);
  const int16_t wreck = a.Spawn("Leays", 500, 500);
  Craft& w = Crafts[wreck];
  w.Armour = 0;
  w.Shield = -1;
  w.Thrusting = true;
  w.Firing = true;
  a.Step();
  EXPECT_FALSE(w.Thrusting);
  EXPECT_FALSE(w.Firing);
  EXPECT_EQ(w.Shield, -1);
  EXPECT_EQ(w.Energy, 1);
  PlaceShot(shooter, 0, 500, 500, 5);
  a.Step();
  EXPECT_EQ(w.Armour, -1);  // still hit
  EXPECT_EQ(Crafts[shooter].Shots[0].Life, -1);

  Crafts[player].Target = 7;
  PlaceShot(shooter, 1, 0, 0, 5);
  a.Step();
  EXPECT_FLOAT_EQ(Crafts[player].Shield, 9.01f);
  EXPECT_EQ(Crafts[player].Target, 7);
}

TEST(Motion, ThrustIsCappedCoastingKeepsSpeedAndTheWorldWraps) {
  Arena a;
  const int16_t me = a.Spawn("Strike", 0, 0);  // MaxSpeed 2.5, Acceleration 0.25
  Craft& c = Crafts[me];
  a.Hold(kKeyW);
  for (int n = 0; n < 30; ++n) {
    a.Step();
    ASSERT_LE(static_cast<float>(c.Speed), c.MaxSpeed);
  }
  EXPECT_FLOAT_EQ(static_cast<float>(c.Speed), 2.5f);
  EXPECT_TRUE(c.Thrusting);
  a.Hold(kKeyW, false);
  const float y = c.Y;
  a.Step(4);
  EXPECT_FALSE(c.Thrusting);
  EXPECT_NEAR(c.Y, y - 10, 1e-3);  // heading 0 moves towards -Y
  for (int k = 0; k <= 10; ++k) EXPECT_EQ(c.Trail[k].Y, c.Y);
  EXPECT_EQ(c.TrailNext, 0);

  c.X = -9999.5f;
  c.Y = 9999.5f;
  c.Speed = 1;
  c.Course = -kPi / 2;  // towards -X
  a.Step();
  EXPECT_EQ(c.X, 10000);
  c.Course = kPi;  // towards +Y
  a.Step();
  EXPECT_EQ(c.Y, -10000);
  c.X = 9999.5f;
  c.Course = kPi / 2;
  a.Step();
  EXPECT_EQ(c.X, -10000);
}

TEST(Motion, BoostNeedsNoEngineKeyButSomeAcceleration) {
  Arena a;
  const int16_t player = a.Spawn("Strike", 0, 0);
  Craft& p = Crafts[player];
  a.Hold(kKeyLShift);
  a.Step();
  EXPECT_TRUE(p.Thrusting);
  EXPECT_NEAR(p.Y, -5.25, 1e-4);  // 2 x MaxSpeed, plus one step of thrust
  EXPECT_EQ(p.Speed, 2.5);        // cut back after the move
  p.Armour = 0;                   // even a destroyed craft boosts
  const float y = p.Y;
  a.Step();
  EXPECT_LT(p.Y, y - 5);

  // The station has no acceleration and cannot boost.
  ResetCrafts();
  a.form->CraftCount = 0;
  a.Spawn("SpaceStation", 0, 0);
  a.Step(3);
  EXPECT_EQ(Crafts[0].Y, 0);
  EXPECT_FALSE(Crafts[0].Thrusting);
}

TEST(Motion, StopCraftReversesSpeedOncePerStep) {
  Arena a;
  const int16_t me = a.Spawn("Strike", 0, 0);
  Crafts[me].Speed = 2;
  a.form->STopCraft(me);
  a.form->STopCraft(me);
  EXPECT_EQ(Crafts[me].Speed, -20);
  EXPECT_TRUE(Crafts[me].Stopped);
  a.Step();
  EXPECT_FALSE(Crafts[me].Stopped);
  EXPECT_FLOAT_EQ(Crafts[me].Y, 20);  // moved backwards, a negative speed is not capped
  a.form->STopCraft(me);
  EXPECT_EQ(Crafts[me].Speed, 200);
}

TEST(PlayerKeys, TurnTurretTargetDistanceAndCamera) {
  Arena a;
  const int16_t player = a.Spawn("Strike", 0, 0);  // TurnRate 2.5
  const int16_t other = a.Spawn("Aqua", 300, 400);
  Craft& p = Crafts[player];
  p.Target = other;
  a.Hold(kKeyD);
  a.Hold(kKeyRight);
  a.Step();
  EXPECT_DOUBLE_EQ(p.Heading, 2.5f * kPi / 180 * 2);  // 5 degrees
  EXPECT_NEAR(p.TurretAngle, 3 * kPi / 180, 1e-12);
  EXPECT_FLOAT_EQ(a.form->TargetDistance, 500);
  EXPECT_EQ(a.form->CameraUp.y, 1);
  EXPECT_EQ(a.form->CameraUp.x, 0);
  a.Hold(kKeyD, false);
  a.Hold(kKeyRight, false);
  a.Hold(kKeyA);
  a.Hold(kKeyLeft);
  a.Step(2);
  EXPECT_NEAR(p.Heading, -5 * kPi / 180, 1e-12);
  EXPECT_NEAR(p.TurretAngle, -3 * kPi / 180, 1e-12);

  p.Armour = 0;  // a destroyed player neither turns nor fires, the turret still moves
  a.Hold(kKeySpace);
  a.Step();
  EXPECT_NEAR(p.Heading, -5 * kPi / 180, 1e-12);
  EXPECT_NEAR(p.TurretAngle, -6 * kPi / 180, 1e-12);
  EXPECT_FALSE(p.Firing);
}

TEST(PlayerKeys, TargetKeysActOnceEveryThreeStepsAndShareTheirDelay) {
  Arena a;
  const int16_t player = a.Spawn("Strike", 0, 0);
  Craft& p = Crafts[player];
  p.Target = 10;
  a.Hold(kKeyPeriod);
  std::vector<int> targets;
  for (int n = 0; n < 7; ++n) {
    a.Step();
    targets.push_back(p.Target);
  }
  EXPECT_EQ(targets, (std::vector<int>{11, 11, 11, 12, 12, 12, 13}));
  a.Hold(kKeyPeriod, false);
  a.Hold(kKeyComma);  // blocked by the period key's delay for two more steps
  a.Step(2);
  EXPECT_EQ(p.Target, 13);
  a.Step();
  EXPECT_EQ(p.Target, 12);

  // Period stops at 50, comma at 0.
  a.Hold(kKeyComma, false);
  a.Hold(kKeyPeriod);
  p.Target = 50;
  a.Step(6);
  EXPECT_EQ(p.Target, 50);
  a.Hold(kKeyPeriod, false);
  a.Hold(kKeyComma);
  p.Target = 0;
  a.Step(6);
  EXPECT_EQ(p.Target, 0);
}

TEST(PlayerKeys, NStepsPastFriendsAndCPicksTheHighestNumberedAttacker) {
  Arena a;
  const int16_t player = a.Spawn("Strike", 0, 0);
  const int16_t friendly = a.Spawn("Guard", 50, 50);
  const int16_t enemy = a.Spawn("Aqua", 60, 60);
  const int16_t another = a.Spawn("Fox", 70, 70);
  Craft& p = Crafts[player];
  p.Target = friendly;
  a.Hold(kKeyN);
  a.Step();
  EXPECT_EQ(p.Target, enemy);
  a.Step(5);  // a valid enemy is kept
  EXPECT_EQ(p.Target, enemy);
  a.Hold(kKeyN, false);

  a.Hold(kKeyC);
  for (int16_t i = 1; i <= 50; ++i) Crafts[i].Target = 5;
  a.Step();
  EXPECT_EQ(p.Target, enemy) << "nobody is after the player: unchanged";
  Crafts[friendly].Target = 0;
  Crafts[another].Target = 0;
  a.Step();
  EXPECT_EQ(p.Target, another);
  Crafts[another].Target = 1;
  p.Target = 0;  // the player after itself counts as an attacker
  a.Step();
  EXPECT_EQ(p.Target, friendly);
}

TEST(PlayerSoundsAndMusic, SoundsFollowThePreviousStepAndTheDeathTuneStartsOnce) {
  Arena a;
  const int16_t player = a.Spawn("Strike", 0, 0);
  Craft& p = Crafts[player];
  auto& platform = a.platform;
  auto soundsOfNextStep = [&] {
    const size_t from = platform.calls.size();
    a.Step();
    std::vector<std::string> sounds;
    for (const auto& c : platform.CallsSince(from)) {
      if (c.op.rfind("Sound.", 0) == 0 || c.op.rfind("Music.", 0) == 0) {
        sounds.push_back(c.op + " " + c.s);
      }
    }
    return sounds;
  };
  EXPECT_EQ(soundsOfNextStep(), std::vector<std::string>{"Sound.Stop fly.wav"});
  a.Hold(kKeyW);
  a.Hold(kKeySpace);  // no energy: the shot cannot leave, so Firing stays
  soundsOfNextStep();
  p.ShieldHitTimer = 103;
  p.ArmourHitTimer = 103;
  EXPECT_EQ(soundsOfNextStep(),
            (std::vector<std::string>{"Sound.Play fly.wav", "Sound.Play shieldhit.wav",
                                      "Sound.Play hphit.wav", "Sound.Play fire.wav"}));
  for (const auto* c : platform.CallsNamed("Sound.Play")) EXPECT_EQ(c->n[0], 0);

  p.ShieldHitTimer = 0;
  p.ArmourHitTimer = 0;
  p.Armour = 0.5f;  // below 1 is enough
  EXPECT_EQ(
      soundsOfNextStep(),
      (std::vector<std::string>{"Music.StopEx Einswei.mid", "Music.PlaySegmentEx Frozenbuffalo.mid",
                                "Sound.Play fly.wav", "Sound.Play fire.wav"}));
  const auto stop = platform.CallsNamed("Music.StopEx");
  ASSERT_EQ(stop.size(), 1u);
  EXPECT_EQ(stop[0]->n, (std::vector<double>{0, 0x4000}));
  EXPECT_EQ(platform.CallsNamed("Music.PlaySegmentEx")[0]->n, (std::vector<double>{0x4000, 0}));
  EXPECT_TRUE(a.form->DeathMusicStarted);
  p.Armour = -5;
  a.Step(3);
  EXPECT_EQ(platform.CallsNamed("Music.PlaySegmentEx").size(), 1u);
  EXPECT_EQ(platform.CallsNamed("Music.StopEx").size(), 1u);
}

// The count-downs rest at -1 instead of running down without end.
TEST(Mends, HitTimersAndTheTargetKeyDelayStopFallingBelowZero) {
  Arena a;
  const int16_t me = a.Spawn("Strike", 0, 0);
  Craft& c = Crafts[me];
  c.ShieldHitTimer = 103;
  a.Step(104);
  EXPECT_EQ(c.ShieldHitTimer, -1);
  EXPECT_EQ(c.ArmourHitTimer, -1);
  // More steps than a 16-bit count-down could take without the floor.
  a.Step(40000);
  EXPECT_EQ(c.ShieldHitTimer, -1);
  EXPECT_EQ(c.ArmourHitTimer, -1);
  EXPECT_EQ(a.form->KeyRepeatDelay, -1);
  c.Target = 3;
  a.Hold(kKeyPeriod);
  a.Step();  // the key still acts at once
  EXPECT_EQ(c.Target, 4);
  EXPECT_EQ(a.form->KeyRepeatDelay, 2);
}

TEST(RunTimeErrors, FloatFaultsIndexesAndOverflowEndTheStep) {
  {
    Arena a;
    a.Spawn("Strike", 9000, 9000);
    const int16_t me = a.Spawn("Aqua", 0, 0);
    Crafts[me].Thrusting = true;
    Crafts[me].Heading = std::numeric_limits<double>::infinity();  // sin(inf) is invalid
    const auto end = test::RunCatching([&] { a.Step(); });
    EXPECT_EQ(end.kind, test::RunEnd::Error);
    EXPECT_NE(end.line.find("floating-point error in Physics"), std::string::npos) << end.line;
  }
  {
    Arena a;
    const int16_t me = a.Spawn("Strike", 0, 0);
    Crafts[me].Target = 51 + 150;  // outside the battle table
    const auto end = test::RunCatching([&] { a.Step(); });
    EXPECT_NE(end.line.find("index out of range"), std::string::npos) << end.line;
  }
  {
    Arena a;
    a.Spawn("Strike", 9000, 9000);
    const int16_t me = a.Spawn("Aqua", 0, 0);
    Crafts[me].Energy = 32767;
    Crafts[me].MaxEnergy = 32767;
    Crafts[me].ShotCost = -1;  // firing would raise the energy past 16 bits
    Crafts[me].Firing = true;
    const auto end = test::RunCatching([&] { a.Step(); });
    EXPECT_NE(end.line.find("overflow"), std::string::npos) << end.line;
  }
}

}  // namespace
}  // namespace sb
