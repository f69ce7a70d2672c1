// Spawning designs into the battle table and the battle's roster.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

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

TEST(SpawnCraft, CopiesTheDesignAndLoadsItsOwnTexture) {
  Catalogue g;
  g.form->SpawnCraft("DarkCruiser", -12.5f, 40);
  g.form->SpawnCraft("DarkCruiser", 0, 0);
  ASSERT_EQ(g.form->CraftCount, 2);
  const Craft& c = Crafts[0];
  const Craft& d = g.form->Designs[28];
  EXPECT_EQ(c.Name, "DarkCruiser");
  EXPECT_EQ(c.X, -12.5f);
  EXPECT_EQ(c.Y, 40);
  EXPECT_EQ(c.Z, d.Z);
  EXPECT_EQ(c.Width, 32);
  EXPECT_EQ(c.Height, 32);
  EXPECT_EQ(c.MaxSpeed, d.MaxSpeed);
  EXPECT_EQ(c.TurnRate, d.TurnRate);
  EXPECT_EQ(c.Acceleration, d.Acceleration);
  EXPECT_EQ(c.Armour, 100);
  EXPECT_EQ(c.MaxArmour, 100);
  EXPECT_EQ(c.Shield, 100);
  EXPECT_EQ(c.MaxShield, 100);
  EXPECT_EQ(c.Race, kRaceDragaar);
  EXPECT_EQ(c.WeaponPower, 5);
  EXPECT_EQ(c.WeaponRange, 20);
  EXPECT_EQ(c.Role, "Heavy Cruiser");
  EXPECT_EQ(c.LastShot, 10);
  EXPECT_EQ(c.MaxEnergy, 100);
  EXPECT_EQ(c.ShotCost, 20);
  EXPECT_TRUE(c.Turret);
  // Everything else keeps its empty value.
  EXPECT_EQ(c.TextureFile, "");
  EXPECT_EQ(c.Heading, 0);
  EXPECT_EQ(c.Speed, 0);
  EXPECT_EQ(c.Energy, 0);
  EXPECT_EQ(c.Target, 0);
  EXPECT_FALSE(c.Combat);
  EXPECT_EQ(c.ShieldHitTimer, 0);
  EXPECT_EQ(c.Shots[10].Life, 0);
  // Two spawns of one design own two textures.
  ASSERT_TRUE(c.Texture && Crafts[1].Texture);
  EXPECT_NE(c.Texture, Crafts[1].Texture);
  EXPECT_EQ(c.Texture->Path(), "/headless\\Textures\\darkcruise.bmp");
}

TEST(SpawnCraft, UnknownNamesSpawnNothingAndAFullTableFailsBeforeWriting) {
  Catalogue g;
  const size_t loads = g.platform.CallsNamed("LoadTexture").size();
  g.form->SpawnCraft("strike", 0, 0);  // names are case-sensitive
  g.form->SpawnCraft("Strike ", 0, 0);
  EXPECT_EQ(g.form->CraftCount, 0);
  EXPECT_EQ(Crafts[0].Name, "");

  g.form->CraftCount = 201;
  const auto end = test::RunCatching([&] { g.form->SpawnCraft("Strike", 1, 1); });
  EXPECT_NE(end.line.find("index out of range in SpawnCraft"), std::string::npos) << end.line;
  EXPECT_EQ(g.form->CraftCount, 201);
  EXPECT_EQ(g.platform.CallsNamed("LoadTexture").size(), loads) << "nothing loaded or written";
}

TEST(SpawnCraft, AMissingPictureIsAFailedPlatformCall) {
  Catalogue g;
  g.platform.failingFiles.insert("aqua.bmp");
  const auto end = test::RunCatching([&] { g.form->SpawnCraft("Aqua", 0, 0); });
  EXPECT_NE(end.line.find("failed platform call"), std::string::npos) << end.line;
  EXPECT_EQ(g.form->CraftCount, 0);
}

TEST(Roster, PlayerStationAndFortyNineRandomCraftInTheirPlaces) {
  for (uint64_t seed = 1; seed <= 12; ++seed) {
    for (int16_t design : {1, 2, 29}) {  // Strike, Pod, SpaceStation
      harness::BattleRun run(seed, design);
      const Form1& f = *run.form;
      SCOPED_TRACE("seed " + std::to_string(seed) + ", design " + std::to_string(design));
      ASSERT_EQ(f.CraftCount, 51);
      const Craft& player = Crafts[0];
      EXPECT_EQ(player.Name, f.Designs[design].Name);
      const bool human = player.Race == kRaceHuman;
      EXPECT_EQ(player.X, human ? 0 : 10000);
      EXPECT_EQ(player.Y, human ? 100 : 10000);
      EXPECT_EQ(Crafts[1].Name, "SpaceStation");
      EXPECT_EQ(Crafts[1].X, 0);
      EXPECT_EQ(Crafts[1].Y, 0);
      EXPECT_FALSE(Crafts[0].Combat);
      EXPECT_FALSE(Crafts[1].Combat);
      for (int i = 2; i <= 50; ++i) {
        const Craft& c = Crafts[i];
        EXPECT_TRUE(c.Combat) << i;
        EXPECT_NE(c.Name, "") << i;
        const float limit = c.Race == kRaceHuman ? 1000 : 10000;
        EXPECT_EQ(c.X, std::floor(c.X)) << i;
        EXPECT_EQ(c.Y, std::floor(c.Y)) << i;
        EXPECT_LE(std::fabs(c.X), limit) << i;
        EXPECT_LE(std::fabs(c.Y), limit) << i;
        EXPECT_EQ(c.Armour, c.MaxArmour);
        EXPECT_EQ(c.Shield, c.MaxShield);
        EXPECT_EQ(c.Energy, 0);
        EXPECT_EQ(c.Heading, 0);
      }
      EXPECT_EQ(harness::CheckInvariants(f), "");  // entries 51 to 200 stay empty
    }
  }
}

TEST(Roster, TheFleetFollowsThreeDrawsPerCraftAndCoversTheCatalogueButEntryZero) {
  // The draws of one fleet, replayed from the same seed: design, then x, then y.
  std::set<std::string> names, designs;
  {
    harness::BattleRun run(77);
    for (int k = 1; k <= 29; ++k) designs.insert(run.form->Designs[k].Name);
    RandomSource replay;
    replay.Seed(77);
    for (int i = 2; i <= 50; ++i) {
      const int k = static_cast<int>(std::floor(replay.Next() * 29 + 1));
      const double u2 = replay.Next(), u3 = replay.Next();
      const Craft& d = run.form->Designs[k];
      const double span = d.Race == kRaceHuman ? 2001 : 20001;
      const double offset = d.Race == kRaceHuman ? 1000 : 10000;
      EXPECT_EQ(Crafts[i].Name, d.Name) << i;
      EXPECT_EQ(Crafts[i].X, static_cast<float>(std::floor(u2 * span - offset))) << i;
      EXPECT_EQ(Crafts[i].Y, static_cast<float>(std::floor(u3 * span - offset))) << i;
    }
  }

  // Over many fleets every design 1 to 29 turns up, the station and Pod
  // included; entry 0 is never drawn, but its twin "Strike" is.
  for (uint64_t seed = 100; seed < 140; ++seed) {
    harness::BattleRun fleet(seed);
    for (int i = 2; i <= 50; ++i) names.insert(Crafts[i].Name);
  }
  EXPECT_EQ(names, designs);
}

TEST(Roster, TheGameSeedsFromTheClock) {
  auto fleetWithClock = [](uint64_t clockSeed) {
    Catalogue g;
    g.platform.clockSeed = clockSeed;
    harness::SpawnPlayer(*g.form, 1);
    g.form->BUILDSTUFF();
    std::string names;
    for (int i = 2; i <= 50; ++i) names += Crafts[i].Name + std::to_string(Crafts[i].X) + ";";
    return names;
  };
  const std::string a = fleetWithClock(1), b = fleetWithClock(2);
  EXPECT_NE(a, b);
  EXPECT_EQ(a, fleetWithClock(1));
}

}  // namespace
}  // namespace sb
