// Target choice: scan mode and the frolic pilots.
#include <gtest/gtest.h>

#include <vector>

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
