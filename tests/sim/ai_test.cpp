// The computer pilots: bearing, steering, the fire decision, and target
// choice in scan mode and by the frolic pilots.
#include <gtest/gtest.h>

#include <vector>

#include "support/battle_fixture.h"

namespace sb {
namespace {

using test::Arena;

// A combat craft "Strike" (entry 2) after a Drone (entry 3); the player and
// the station stay far away.
struct Hunt : Arena {
  Hunt() {
    Spawn("Strike", 9000, -9000);
    Spawn("SpaceStation", -9000, 9000);
    hunter = Spawn("Strike", 0, 0);
    prey = Spawn("Aqua", 0, -50);
    Crafts[hunter].Combat = true;
    Crafts[hunter].Target = prey;
    Crafts[prey].Target = prey;  // nothing in range of its own pilot
  }
  void Place(float x, float y) {
    Crafts[prey].X = x;
    Crafts[prey].Y = y;
  }
  int16_t hunter = 0, prey = 0;
};

TEST(Bearing, PointsAtTheTargetJumpsAcrossTheMinusXLineAndIgnoresALevelTarget) {
  Hunt h;
  Craft& c = Crafts[h.hunter];
  // Ahead and to +X, behind and to -X, then either side of the -X line:
  // nearly a full turn apart.
  const float cases[][3] = {{50, -50, kPi / 4},
                            {-50, 50, 5 * kPi / 4},
                            {-50, -1e-3f, -kPi / 2},
                            {-50, 1e-3f, 3 * kPi / 2}};
  for (const auto& k : cases) {
    h.Place(k[0], k[1]);
    h.form->AI();
    EXPECT_NEAR(c.DesiredHeading, k[2], 1e-4) << k[0] << ", " << k[1];
  }
  const float before = c.DesiredHeading;
  h.Place(500, c.Y);
  h.form->AI();
  EXPECT_EQ(c.DesiredHeading, before);
}

TEST(Steering, CombatPilotsTurnAtTheirRateAndTheTurretByHalfARadian) {
  Hunt h;
  Craft& c = Crafts[h.hunter];
  h.Place(50, 0.001f);  // bearing nearly pi/2
  h.form->AI();
  EXPECT_DOUBLE_EQ(c.Heading, 2.5f / 20.0f);  // TurnRate / 20
  EXPECT_EQ(c.TurretAngle, 0.5);
  for (int n = 0; n < 4; ++n) h.form->AI();  // 2.0 would overshoot: stepped back
  EXPECT_EQ(c.TurretAngle, 1.5);
}

TEST(FireDecision, FiresOnlyInsideTheBoxAndWithinARadianOfLastStepsBearing) {
  Hunt h;
  Craft& c = Crafts[h.hunter];
  c.DesiredHeading = 2;  // a stale bearing: the decision uses last step's
  h.form->AI();
  EXPECT_FALSE(c.Firing);
  h.form->AI();
  EXPECT_TRUE(c.Firing);

  // The box is 5 x WeaponRange = 100 on each side, strictly. Nothing here
  // clears Firing: the physics step does when a shot leaves.
  c.Firing = false;
  h.Place(0, -100);
  h.form->AI();
  EXPECT_FALSE(c.Firing);
  h.Place(0, -99.5f);
  h.form->AI();
  EXPECT_TRUE(c.Firing);
}

// Entries 0 to 50 filled: even entries Human "Strike", odd entries Drone
// "Aqua", all far from the origin unless a test moves them.
struct Crowd : Arena {
  Crowd() {
    for (int i = 0; i <= 50; ++i) {
      Spawn(i % 2 == 0 ? "Strike" : "Aqua", 5000.0f + 100 * i, 5000);
    }
  }
};

TEST(ScanMode, TakesTheHighestNumberedLivingEnemyWithinTwiceTheRange) {
  Crowd c;
  Craft& me = Crafts[10];  // Human, WeaponRange 20: box of 40
  me.X = me.Y = 0;
  me.Target = 3;
  c.form->NextTarget(10, 0);
  EXPECT_EQ(me.Target, 3) << "nothing near: unchanged";

  auto place = [](int i, float x, float y) {
    Crafts[i].X = x;
    Crafts[i].Y = y;
  };
  place(11, 39.5f, 0);
  place(13, 0, -39);
  place(15, 40, 0);   // on the edge: strictly outside
  place(12, 10, 10);  // a friend
  place(17, -5, 5);   // destroyed
  Crafts[17].Armour = 0;
  c.form->NextTarget(10, 0);
  EXPECT_EQ(me.Target, 13);
  place(13, 9000, 9000);
  c.form->NextTarget(10, 0);
  EXPECT_EQ(me.Target, 11);
}

TEST(Frolic, KeepsAFriendNearlyAlwaysAndRedrawsAnyOtherTargetEvenly) {
  Crowd c;
  c.form->Random.Seed(99);
  Craft& me = Crafts[2];  // Human
  int changed = 0;
  for (int n = 0; n < 100000; ++n) {
    me.Target = 6;  // a friend
    c.form->NextFrolic(2);
    changed += me.Target != 6;
  }
  // One chance in 1000 per call (a redraw lands on the friend 1 time in 51).
  EXPECT_GT(changed, 50);
  EXPECT_LT(changed, 150);

  std::vector<int> counts(51, 0);
  for (int n = 0; n < 51000; ++n) {
    me.Target = n % 2 == 0 ? 2 : 3;  // itself, or an enemy
    c.form->NextFrolic(2);
    ASSERT_GE(me.Target, 0);
    ASSERT_LE(me.Target, 50);
    ++counts[me.Target];
  }
  // Every entry 0 to 50 equally likely: about 1000 each.
  for (int t = 0; t <= 50; ++t) {
    EXPECT_GT(counts[t], 850) << t;
    EXPECT_LT(counts[t], 1150) << t;
  }
}

}  // namespace
}  // namespace sb
