// The computer pilots: bearing, steering, the fire decision and who is
// piloted at all.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace sb
