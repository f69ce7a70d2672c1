// The design catalogue: the stored figures of every design, and the limits
// of registration.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

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
  std::vector<std::string> turrets, costly, deep;
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
    if (d.Turret) turrets.push_back(d.Name);
    if (d.ShotCost != 20) costly.push_back(d.Name + " " + std::to_string(d.ShotCost));
    if (d.Z != 1.0f || d.Width == 64) deep.push_back(d.Name);
    for (int j = std::max(i + 1, 2); j < 30; ++j) {  // entries 0 and 1 alone repeat
      EXPECT_NE(d.Name, f.Designs[j].Name) << j;
    }
  }
  EXPECT_EQ(f.Designs[0].Name, f.Designs[1].Name);
  EXPECT_EQ(turrets, (std::vector<std::string>{"Mertlyn", "DarkMertlyn", "MRXix", "VatdeKrap",
                                               "DarkCruiser", "SpaceStation"}));
  EXPECT_EQ(costly, (std::vector<std::string>{"Saga 40", "Ant 40"}));
  EXPECT_EQ(deep, std::vector<std::string>{"SpaceStation"});
  for (int i = 30; i <= 40; ++i) {
    EXPECT_TRUE(f.Designs[i].Name.empty() && f.Designs[i].MaxArmour == 0) << i;
  }
}

// Registration fails before writing anything: a range that doubles past 16
// bits, and a design past entry 40.
TEST(Catalogue, AFullCatalogueOrAnOverlongRangeFailsBeforeWriting) {
  test::Game game;
  Form1& f = *game.form;
  const auto add = [&](const std::string& name, int16_t range) {
    return test::RunCatching([&] {
      f.AddDesign(name, "x.bmp", 1, 8, 8, 5, 0.5f, 5, 10, 1, range, 1, "Fighter", 100, 10, false);
    });
  };
  test::RunEnd end = add("Long", 16384);
  EXPECT_EQ(end.kind, test::RunEnd::Error);
  EXPECT_EQ(end.error, ErrorKind::Overflow) << end.line;
  EXPECT_TRUE(f.DesignCount == 0 && f.Designs[0].Name.empty());

  for (int i = 0; i <= 40; ++i)
    ASSERT_EQ(add("D" + std::to_string(i), 10).kind, test::RunEnd::Returned);
  end = add("Extra", 10);
  EXPECT_EQ(end.kind, test::RunEnd::Error);
  EXPECT_EQ(end.error, ErrorKind::IndexOutOfRange) << end.line;
  EXPECT_TRUE(f.DesignCount == 41 && f.Designs[40].Name == "D40");
}

}  // namespace
}  // namespace sb
