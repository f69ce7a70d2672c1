// Spawning designs into the battle table and the battle's roster.
#include <gtest/gtest.h>

#include <cmath>

#include "battle/battle_harness.h"
#include "support/test_support.h"

namespace sb {
namespace {

using test::Game;

struct Catalogue : Game {
  Catalogue() {
    form->Intialize();
    form->DesignSTUFF();
  }
};

TEST(SpawnCraft, CopiesTheDesignFullyArmedButAtRestAndLoadsItsOwnTexture) {
  Catalogue g;
  g.form->SpawnCraft("DarkCruiser", -12.5f, 40);
  g.form->SpawnCraft("DarkCruiser", 0, 0);
  ASSERT_EQ(g.form->CraftCount, 2);
  const Craft& c = Crafts[0];
  const Craft& d = g.form->Designs[28];
  EXPECT_TRUE(c.Name == d.Name && c.X == -12.5f && c.Y == 40 && c.Z == d.Z);
  EXPECT_TRUE(c.TurnRate == d.TurnRate && c.Race == d.Race && c.Turret && c.LastShot == 10);
  EXPECT_TRUE(c.Armour == 100 && c.Shield == 100 && c.Energy == 0 && !c.Combat);
  EXPECT_NE(c.Texture, Crafts[1].Texture);
  EXPECT_EQ(c.Texture->Path(), "/headless\\Textures\\darkcruise.bmp");
}

TEST(Roster, PlayerStationAndFortyNineRandomCraftAtWholeNumbersInRange) {
  for (uint64_t seed = 1; seed <= 3; ++seed) {
    for (int16_t design : {1, 2, 29}) {  // Strike, Pod, SpaceStation
      harness::BattleRun run(seed, design);
      const Form1& f = *run.form;
      SCOPED_TRACE("seed " + std::to_string(seed) + ", design " + std::to_string(design));
      ASSERT_EQ(f.CraftCount, 51);
      EXPECT_EQ(Crafts[0].Name, f.Designs[design].Name);
      EXPECT_EQ(Crafts[0].Y, Crafts[0].Race == kRaceHuman ? 100 : 10000);
      EXPECT_EQ(Crafts[1].Name, "SpaceStation");
      for (int i = 2; i <= 50; ++i) {
        const Craft& c = Crafts[i];
        const float limit = c.Race == kRaceHuman ? 1000 : 10000;
        EXPECT_TRUE(c.Combat && c.X == std::floor(c.X) && c.Y == std::floor(c.Y) &&
                    std::fabs(c.X) <= limit && std::fabs(c.Y) <= limit)
            << i << " " << c.X << "," << c.Y;
      }
      EXPECT_EQ(harness::CheckInvariants(f), "");  // entries 51 to 200 stay empty
    }
  }
}

}  // namespace
}  // namespace sb
