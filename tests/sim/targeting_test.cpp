// Target choice: step mode, scan mode and the frolic pilots.
#include <gtest/gtest.h>

#include <set>

#include "support/battle_fixture.h"

namespace sb {
namespace {

using test::Arena;

// Entries 0 to 50 filled: even entries Human "Strike", odd entries Drone
// "Aqua", all far from the origin unless a test moves them.
struct Crowd : Arena {
  Crowd() {
    for (int i = 0; i <= 50; ++i) {
      Spawn(i % 2 == 0 ? "Strike" : "Aqua", 5000.0f + 100 * i, 5000);
    }
  }
};

TEST(StepMode, KeepsALivingEnemyAndWalksOnePastAnythingElse) {
  Crowd c;
  Craft& me = Crafts[4];  // Human
  me.Target = 7;          // a Drone, far away
  c.form->NextTarget(4, 0.25f);
  EXPECT_EQ(me.Target, 7);
  Crafts[7].Armour = 0;  // exactly 0 still counts
  c.form->NextTarget(4, 0.25f);
  EXPECT_EQ(me.Target, 7);
  Crafts[7].Armour = -0.5f;
  c.form->NextTarget(4, 0.25f);
  EXPECT_EQ(me.Target, 8);  // a friend: moves on next time
  c.form->NextTarget(4, 0.25f);
  EXPECT_EQ(me.Target, 9);
  me.Target = 4;  // itself
  c.form->NextTarget(4, 1.0f);
  EXPECT_EQ(me.Target, 5);
  me.Target = 50;  // a friend at the end wraps to 0
  c.form->NextTarget(4, 1.0f);
  EXPECT_EQ(me.Target, 0);
}

TEST(ScanMode, TakesTheHighestNumberedLivingEnemyWithinTwiceTheRange) {
  Crowd c;
  Craft& me = Crafts[10];  // Human, WeaponRange 20: box of 40
  me.X = 0;
  me.Y = 0;
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

TEST(Frolic, KeepsAFriendNearlyAlwaysAndRedrawsAnythingElse) {
  Crowd c;
  c.form->Random.Seed(99);
  std::vector<double> draws;
  c.form->Random.SetLog(&draws);
  Craft& me = Crafts[2];  // Human
  int redraws = 0;
  for (int n = 0; n < 100000; ++n) {
    me.Target = 6;  // a friend
    draws.clear();
    c.form->NextFrolic(2);
    ASSERT_FALSE(draws.empty());
    if (static_cast<int>(draws[0] * 1000 + 1) == 100) {
      ++redraws;
      ASSERT_EQ(draws.size(), 2u);
      ASSERT_EQ(me.Target, static_cast<int>(draws[1] * 51));
    } else {
      ASSERT_EQ(draws.size(), 1u) << "a kept friend costs one draw";
      ASSERT_EQ(me.Target, 6);
    }
  }
  EXPECT_GT(redraws, 60);  // one chance in 1000 per call
  EXPECT_LT(redraws, 140);

  // Itself or an enemy: a new random target 0 to 50 every time, uniform.
  std::set<int> seen;
  for (int n = 0; n < 5000; ++n) {
    me.Target = n % 2 == 0 ? 2 : 3;
    draws.clear();
    c.form->NextFrolic(2);
    ASSERT_EQ(draws.size(), 2u);
    ASSERT_EQ(me.Target, static_cast<int>(draws[1] * 51));
    seen.insert(me.Target);
  }
  EXPECT_EQ(seen.size(), 51u);
  c.form->Random.SetLog(nullptr);
}

}  // namespace
}  // namespace sb
