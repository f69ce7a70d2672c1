// The computer pilots' edges that recorded battles do not reach: the fire
// decision's box and target choice in scan mode. Bearing, steering and the
// frolic pilots change every recorded battle (replay hash, demos).
#include <gtest/gtest.h>

#include "support/battle_scene.h"

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

TEST(FireDecision, FiresOnlyStrictlyInsideTheTargetsBox) {
  Hunt h;
  Craft& c = Crafts[h.hunter];
  // The box is 5 x WeaponRange = 100 on each side. Nothing here clears
  // Firing: the physics step does when a shot leaves.
  h.Place(0, -100);
  h.form->AI();
  h.form->AI();  // the hull now points within a radian of the bearing
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

}  // namespace
}  // namespace sb
