// The design catalogue: the stored figures of every design, and the limits
// of registration.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace sb {
namespace {

struct StartedCatalogue : ::testing::Test {
  void SetUp() override { f.DesignSTUFF(); }
  test::Game game;
  Form1& f = *game.form;
};

// What the descriptions leave out (they show the other figures): the
// picture, the size, and a registered fraction halved in float.
TEST_F(StartedCatalogue, StoresPicturesSizesAndHalvedFractionsExactly) {
  ASSERT_EQ(f.DesignCount, 30);
  EXPECT_EQ(f.Designs[1].TextureFile, "player.bmp");
  EXPECT_EQ(f.Designs[28].Name, "DarkCruiser");
  EXPECT_EQ(f.Designs[28].Width, 32.0f);
  EXPECT_EQ(f.Designs[4].Acceleration, 0.1f / 2);
}

// What holds for every row, and which rows stand out.
TEST_F(StartedCatalogue, EveryRowKeepsTheCatalogueInvariants) {
  std::vector<std::string> turrets, costly, deep;
  for (int i = 0; i < 30; ++i) {
    const Craft& d = f.Designs[i];
    SCOPED_TRACE("entry " + std::to_string(i) + " " + d.Name);
    EXPECT_FALSE(d.Name.empty());
    EXPECT_EQ(d.TextureFile.substr(d.TextureFile.size() - 4), ".bmp");
    EXPECT_EQ(d.Width, d.Height);
    EXPECT_EQ(d.MaxShield, static_cast<int16_t>(d.MaxArmour));
    EXPECT_GE(d.Race, kRaceNone);
    EXPECT_LE(d.Race, kRaceLitu);
    EXPECT_EQ(d.Race == kRaceNone, d.Name == "Pod");
    EXPECT_EQ(d.MaxEnergy, 100);
    EXPECT_EQ(d.LastShot, 10);
    EXPECT_EQ(d.Heading, 0.0);
    EXPECT_EQ(d.WeaponRange % 2, 0);
    // Battle-only fields stay empty in the catalogue.
    EXPECT_EQ(d.Armour, 0.0f);
    EXPECT_EQ(d.Shield, 0.0f);
    EXPECT_EQ(d.Energy, 0);
    EXPECT_FALSE(d.Texture);
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
    EXPECT_TRUE(f.Designs[i].Name.empty()) << i;
    EXPECT_EQ(f.Designs[i].MaxArmour, 0.0f) << i;
  }
}

TEST(Catalogue, AFullCatalogueFailsBeforeWriting) {
  test::Game game;
  Form1& f = *game.form;
  for (int i = 0; i <= 40; ++i) {
    f.AddDesign("D" + std::to_string(i), "x.bmp", 1, 8, 8, 5, 0.5f, 5, 10, 1, 10, 1, "Fighter", 100,
                10, false);
  }
  EXPECT_EQ(f.DesignCount, 41);
  const test::RunEnd end = test::RunCatching([&] {
    f.AddDesign("Extra", "x.bmp", 1, 8, 8, 5, 0.5f, 5, 10, 1, 10, 1, "Fighter", 100, 10, false);
  });
  EXPECT_EQ(end.kind, test::RunEnd::Error);
  EXPECT_EQ(end.error, ErrorKind::IndexOutOfRange) << end.line;
  EXPECT_EQ(end.where, "AddDesign");
  EXPECT_EQ(f.DesignCount, 41);
  EXPECT_EQ(f.Designs[40].Name, "D40");
}

TEST(Catalogue, ARangeThatDoublesPastSixteenBitsIsAnOverflowAndWritesNothing) {
  test::Game game;
  Form1& f = *game.form;
  const test::RunEnd end = test::RunCatching([&] {
    f.AddDesign("Long", "x.bmp", 1, 8, 8, 5, 0.5f, 5, 10, 1, 16384, 1, "Fighter", 100, 10, false);
  });
  EXPECT_EQ(end.kind, test::RunEnd::Error);
  EXPECT_NE(end.line.find("overflow"), std::string::npos) << end.line;
  EXPECT_EQ(f.DesignCount, 0);
  EXPECT_TRUE(f.Designs[0].Name.empty());
}

}  // namespace
}  // namespace sb
