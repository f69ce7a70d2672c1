// The computer pilots: bearing, steering, the fire decision and who is
// piloted at all.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/battle_fixture.h"

namespace sb {
namespace {

using test::Arena;
using test::kPi;

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
    Crafts[prey].Target = prey;  // nothing in range of its own pilot, see below
  }
  int16_t hunter = 0, prey = 0;
};

TEST(Bearing, PointsAtTheTargetAndJumpsAcrossTheLineTowardsMinusX) {
  Hunt h;
  Craft& c = Crafts[h.hunter];
  Craft& t = Crafts[h.prey];
  struct Case {
    float tx, ty;
    double expected;
  };
  const Case cases[] = {
      {0, -50, 0},                // straight ahead (-Y)
      {50, -50, kPi / 4},         // ahead and to +X
      {50, 50, 3 * kPi / 4},      // behind and to +X
      {-50, 50, 5 * kPi / 4},     // behind and to -X
      {-50, -50, -kPi / 4},       // ahead and to -X
      {-50, -1e-3f, -kPi / 2},    // just ahead of the -X line ...
      {-50, 1e-3f, 3 * kPi / 2},  // ... and just behind it: nearly a full turn apart
  };
  for (const Case& k : cases) {
    t.X = k.tx;
    t.Y = k.ty;
    h.form->AI();
    EXPECT_NEAR(c.DesiredHeading, k.expected, 1e-4) << k.tx << ", " << k.ty;
  }
  // A target level with the craft leaves the bearing as it was.
  const float before = c.DesiredHeading;
  t.X = 500;
  t.Y = c.Y;
  h.form->AI();
  EXPECT_EQ(c.DesiredHeading, before);
}

TEST(Steering, CombatAndFrolicPilotsTurnAtTheirRatesAndTheTurretByHalfARadian) {
  Hunt h;
  Craft& c = Crafts[h.hunter];
  Crafts[h.prey].X = 50;
  Crafts[h.prey].Y = 0.001f;  // bearing nearly pi/2
  h.form->AI();
  EXPECT_DOUBLE_EQ(c.Heading, 2.5f / 20.0f);  // TurnRate / 20
  EXPECT_EQ(c.TurretAngle, 0.5);
  h.form->AI();
  h.form->AI();
  h.form->AI();
  EXPECT_EQ(c.TurretAngle, 1.5);
  h.form->AI();  // 2.0 would overshoot: stepped straight back
  EXPECT_EQ(c.TurretAngle, 1.5);

  // The same craft as a frolic pilot turns by TurnRate / 100.
  c.Combat = false;
  c.Heading = 0;
  Crafts[h.hunter].Target = h.prey;
  Crafts[h.prey].Race = Crafts[h.hunter].Race;  // a friend: kept as target
  h.form->AI();
  EXPECT_DOUBLE_EQ(c.Heading, 2.5f / 100.0f);
  EXPECT_TRUE(c.Thrusting);
}

TEST(FireDecision, FiresOnlyInsideTheBoxAndWithinARadianOfLastStepsBearing) {
  Hunt h;
  Craft& c = Crafts[h.hunter];
  c.DesiredHeading = 2;  // a stale bearing: the decision uses last step's
  h.form->AI();
  EXPECT_FALSE(c.Firing);
  EXPECT_EQ(c.DesiredHeading, 0);  // straight ahead
  h.form->AI();
  EXPECT_TRUE(c.Firing);

  // Nothing here clears Firing: the physics step does when a shot leaves.
  c.Heading = 1.0;
  Crafts[h.prey].X = 0;
  h.form->AI();
  EXPECT_TRUE(c.Firing);

  // A radian or more off holds fire.
  c.Firing = false;
  c.Heading = 1.0;
  c.DesiredHeading = 0;
  h.form->AI();
  EXPECT_FALSE(c.Firing);

  // The box is 5 x WeaponRange = 100 on each side, strictly.
  c.Heading = 0;
  c.DesiredHeading = 0;
  Crafts[h.prey].Y = -100;
  h.form->AI();
  EXPECT_FALSE(c.Firing);
  Crafts[h.prey].Y = -99.5f;
  h.form->AI();
  EXPECT_TRUE(c.Firing);
}

TEST(FireDecision, EntryOneNeverFiresWhateverItsPilot) {
  Arena a;
  a.Spawn("Strike", 9000, -9000);
  const int16_t one = a.Spawn("Aqua", 0, 0);
  const int16_t prey = a.Spawn("Strike", 0, -50);
  Crafts[one].Combat = true;
  Crafts[one].Target = prey;
  for (int n = 0; n < 5; ++n) a.form->AI();
  EXPECT_FALSE(Crafts[one].Firing);
  EXPECT_TRUE(Crafts[one].Thrusting);
}

TEST(Piloting, TheStationDriftsNeverTurnsNeverFiresAndWrecksAreLeftAlone) {
  Arena a;
  a.Spawn("Strike", 9000, -9000);
  const int16_t station = a.Spawn("SpaceStation", 0, 0);
  const int16_t wreck = a.Spawn("Aqua", 100, 100);
  const int16_t idle = a.Spawn("Fox", 200, 200);
  Crafts[station].Target = wreck;
  Crafts[wreck].Combat = true;
  Crafts[wreck].Armour = 0;
  Crafts[idle].Combat = true;
  Crafts[idle].MaxSpeed = 0;
  for (int n = 0; n < 50; ++n) {
    a.form->AI();
    a.form->Physics();
  }
  const Craft& s = Crafts[station];
  EXPECT_EQ(s.Heading, 0);
  EXPECT_EQ(s.X, 0);
  EXPECT_EQ(s.Y, 0);
  EXPECT_FALSE(s.Firing);
  for (int16_t i : {wreck, idle}) {
    EXPECT_FALSE(Crafts[i].Thrusting) << i;
    EXPECT_EQ(Crafts[i].DesiredHeading, 0) << i;
    EXPECT_EQ(Crafts[i].Target, 0) << i;
  }
}

TEST(Piloting, AFloatFaultInThePilotsIsARunTimeError) {
  Hunt h;
  Crafts[h.hunter].X = std::numeric_limits<float>::infinity();
  Crafts[h.prey].X = std::numeric_limits<float>::infinity();  // inf - inf
  const auto end = test::RunCatching([&] { h.form->AI(); });
  EXPECT_NE(end.line.find("floating-point error in AI"), std::string::npos) << end.line;
}

}  // namespace
}  // namespace sb
