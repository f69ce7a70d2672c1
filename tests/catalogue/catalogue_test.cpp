// The design catalogue: the rules every stored design keeps.
#include <gtest/gtest.h>

#include <string>

#include "support/test_support.h"

namespace sb {
namespace {

// What holds for every row, which rows stand out, and what the descriptions
// leave out: the picture, the size, and a registered fraction halved in float.
TEST(Catalogue, EveryRowKeepsTheCatalogueInvariants) {
  test::Game game;
  Form1& f = *game.form;
  f.DesignSTUFF();
  ASSERT_EQ(f.DesignCount, 30);
  EXPECT_EQ(f.Designs[1].TextureFile, "player.bmp");
  EXPECT_TRUE(f.Designs[28].Name == "DarkCruiser" && f.Designs[28].Width == 32);
  EXPECT_EQ(f.Designs[4].Acceleration, 0.1f / 2);
  for (int i = 0; i < 30; ++i) {
    const Craft& d = f.Designs[i];
    SCOPED_TRACE("entry " + std::to_string(i) + " " + d.Name);
    EXPECT_TRUE(!d.Name.empty() && d.TextureFile.ends_with(".bmp") && d.Width == d.Height);
    EXPECT_EQ(d.MaxShield, static_cast<int16_t>(d.MaxArmour));
    EXPECT_TRUE(d.Race >= kRaceNone && d.Race <= kRaceLitu);
    EXPECT_EQ(d.Race == kRaceNone, d.Name == "Pod");
    EXPECT_TRUE(d.MaxEnergy == 100 && d.LastShot == 10 && d.Heading == 0.0);
    EXPECT_EQ(d.WeaponRange % 2, 0);
    // Battle-only fields stay empty in the catalogue.
    EXPECT_TRUE(d.Armour == 0 && d.Shield == 0 && d.Energy == 0 && !d.Texture);
  }
}

}  // namespace
}  // namespace sb
