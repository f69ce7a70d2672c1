// Target choice: scan mode and the frolic pilots.
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

TEST(Frolic, KeepsAFriendNearlyAlwaysAndRedrawsAnythingElse) {
  Crowd c;
  c.form->Random.Seed(99);
  std::vector<double> draws;
  c.form->Random.SetLog(&draws);
  Craft& me = Crafts[2];  // Human
  int redraws = 0;
  std::set<int> seen;
  for (int n = 0; n < 100000; ++n) {
    const bool friendly = n % 10 != 0;
    me.Target = friendly ? 6 : (n % 20 == 0 ? 2 : 3);  // a friend, else itself or an enemy
    draws.clear();
    c.form->NextFrolic(2);
    const bool redrawn = !friendly || static_cast<int>(draws[0] * 1000 + 1) == 100;
    ASSERT_EQ(draws.size(), redrawn ? 2u : 1u);
    ASSERT_EQ(me.Target, redrawn ? static_cast<int>(draws[1] * 51) : 6);
    if (friendly) redraws += redrawn;
    if (!friendly) seen.insert(me.Target);
  }
  EXPECT_GT(redraws, 50);  // one chance in 1000 per call
  EXPECT_LT(redraws, 130);
  EXPECT_EQ(seen.size(), 51u);
  c.form->Random.SetLog(nullptr);
}

}  // namespace
}  // namespace sb
