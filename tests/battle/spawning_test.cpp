// Spawning a design into the battle table.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace sb
