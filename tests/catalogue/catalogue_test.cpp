// The design catalogue: the stored figures of every design, and the limits
// of registration.
#include <gtest/gtest.h>

#include "support/test_support.h"

namespace sb {
namespace {

struct Stored {
  const char* name;
  const char* picture;
  float z, width, turnRate, acceleration, maxSpeed, armour;
  int16_t maxShield, race, weaponRange, weaponPower;
  const char* role;
  int16_t shotCost;
  bool turret;
};

// What each entry holds after start-up: the design figures as registered,
// with turn, acceleration and speed halved and range and shot cost doubled.
const Stored kExpected[] = {
    {"Strike", "player.bmp", 1, 8, 2.5f, 0.25f, 2.5f, 10, 10, 1, 20, 1, "Fighter", 20, false},
    {"Strike", "player.bmp", 1, 8, 2.5f, 0.25f, 2.5f, 10, 10, 1, 20, 1, "Fighter", 20, false},
    {"Pod", "spaceman.bmp", 1, 8, 2.5f, 0.25f, 0.5f, 5, 5, 0, 10, 1, "Escape pod", 20, false},
    {"Aqua", "aqua.bmp", 1, 8, 2.5f, 0.25f, 2.5f, 10, 10, 3, 20, 1, "Fighter", 20, false},
    {"Mertlyn", "mertlyn.bmp", 1, 8, 2, 0.1f / 2, 2, 20, 20, 1, 20, 1, "Troop Transport", 20, true},
    {"LunaStrike", "Luna_player.bmp", 1, 8, 2.5f, 0.3f / 2, 2, 20, 20, 1, 20, 2, "Heavy Fighter",
     20, false},
    {"DarkMertlyn", "Dark_mertlyn.bmp", 1, 8, 1.5f, 0.1f / 2, 1.5f, 20, 20, 4, 20, 1,
     "Captured Troop Transport", 20, true},
    {"Swipe", "swipe.bmp", 1, 8, 1.5f, 0.25f, 5, 5, 5, 1, 20, 1, "Scout", 20, false},
    {"Stagg", "stagg.bmp", 1, 8, 2.5f, 0.25f, 4.5f, 7, 7, 3, 20, 1, "Light Fighter", 20, false},
    {"Dode", "dode.bmp", 1, 8, 3, 0.5f, 2.5f, 5, 5, 3, 20, 1, "Scout", 20, false},
    {"Zerab", "zerab.bmp", 1, 8, 2, 0.3f / 2, 3, 20, 20, 3, 20, 2, "Heavy Fighter", 20, false},
    {"Fox", "fox.bmp", 1, 8, 2.5f, 0.25f, 2.5f, 10, 10, 3, 20, 1, "Fighter", 20, false},
    {"Guard", "guard.bmp", 1, 8, 1, 0.25f, 3, 10, 10, 1, 20, 1, "Police", 20, false},
    {"Veebee", "veebee.bmp", 1, 8, 5, 0.7f / 2, 2.5f, 10, 10, 2, 20, 1, "Scout", 20, false},
    {"Rustark", "rustark.bmp", 1, 8, 2.5f, 0.25f, 2, 10, 10, 1, 20, 1, "Old Craft", 20, false},
    {"Frork", "Frork.bmp", 1, 8, 2.5f, 0.25f, 2.5f, 10, 10, 4, 20, 1, "Heavy Fighter", 20, false},
    {"Jar", "jar.bmp", 1, 8, 2.5f, 0.4f / 2, 3, 10, 10, 5, 20, 1, "Scout", 20, false},
    {"Zoob", "zoob.bmp", 1, 8, 2.5f, 0.5f, 3, 10, 10, 5, 20, 1, "Fighter", 20, false},
    {"EyeBorg", "eyeborg.bmp", 1, 8, 2.5f, 0.25f, 2.5f, 10, 10, 4, 20, 1, "Fighter", 20, false},
    {"Leays", "leays.bmp", 1, 8, 2.5f, 0.25f, 2.5f, 10, 10, 2, 20, 1, "Fighter", 20, false},
    {"Saga", "saga.bmp", 1, 8, 2.5f, 0.25f, 2.5f, 10, 10, 5, 20, 10, "Bomber", 40, false},
    {"MRXix", "MR6.bmp", 1, 16, 1.5f, 0.1f, 2, 10, 10, 5, 20, 1, "Transport", 20, true},
    {"Passa", "passa.bmp", 1, 8, 2.5f, 0.25f, 2.5f, 10, 10, 1, 20, 1, "Recreational Craft", 20,
     false},
    {"Ant", "ant.bmp", 1, 8, 2.5f, 0.25f, 2.5f, 10, 10, 2, 100, 10, "Bomber", 40, false},
    {"Flyby", "flyby.bmp", 1, 8, 2.5f, 0.25f, 2.5f, 10, 10, 2, 20, 1, "Light Fighter", 20, false},
    {"Haze", "haze.bmp", 1, 8, 2.5f, 0.25f, 2.5f, 10, 10, 1, 20, 1, "Modded Craft", 20, false},
    {"VatdeKrap", "vatdekrap.bmp", 1, 16, 2.5f, 0.1f / 2, 1.5f, 10, 10, 4, 20, 1, "Cruiser", 20,
     true},
    {"Cerrvent", "cerrvent.bmp", 1, 8, 2.5f, 0.25f, 2.5f, 10, 10, 1, 20, 1, "Experimental Craft",
     20, false},
    {"DarkCruiser", "darkcruise.bmp", 1, 32, 0.5f, 0.1f, 1, 100, 100, 4, 20, 5, "Heavy Cruiser", 20,
     true},
    {"SpaceStation", "space-station.bmp", -1, 64, 0, 0, 0.5f, 1000, 1000, 1, 20, 1, "Base", 20,
     true},
};

TEST(Catalogue, EveryDesignIsStoredWithItsFigures) {
  test::Game game;
  Form1& f = *game.form;
  f.DesignSTUFF();
  ASSERT_EQ(f.DesignCount, 30);
  for (int i = 0; i < 30; ++i) {
    const Stored& e = kExpected[i];
    const Craft& d = f.Designs[i];
    SCOPED_TRACE(std::string("entry ") + std::to_string(i) + " " + e.name);
    EXPECT_EQ(d.Name, e.name);
    EXPECT_EQ(d.TextureFile, e.picture);
    EXPECT_EQ(d.Z, e.z);
    EXPECT_EQ(d.Width, e.width);
    EXPECT_EQ(d.Height, e.width);
    EXPECT_EQ(d.TurnRate, e.turnRate);
    EXPECT_EQ(d.Acceleration, e.acceleration);
    EXPECT_EQ(d.MaxSpeed, e.maxSpeed);
    EXPECT_EQ(d.MaxArmour, e.armour);
    EXPECT_EQ(d.MaxShield, e.maxShield);
    EXPECT_EQ(d.Race, e.race);
    EXPECT_EQ(d.WeaponRange, e.weaponRange);
    EXPECT_EQ(d.WeaponPower, e.weaponPower);
    EXPECT_EQ(d.Role, e.role);
    EXPECT_EQ(d.MaxEnergy, 100);
    EXPECT_EQ(d.ShotCost, e.shotCost);
    EXPECT_EQ(d.Turret, e.turret);
    EXPECT_EQ(d.LastShot, 10);
    EXPECT_EQ(d.Heading, 0.0);
    // Battle-only fields stay empty in the catalogue.
    EXPECT_EQ(d.Armour, 0.0f);
    EXPECT_EQ(d.Shield, 0.0f);
    EXPECT_EQ(d.Energy, 0);
    EXPECT_FALSE(d.Texture);
  }
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
  EXPECT_NE(end.line.find("index out of range in AddDesign"), std::string::npos) << end.line;
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
