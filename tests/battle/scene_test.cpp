// Scene construction: craft squares, race colours, stars, planets and first
// targets, drawn from the random sequence in a fixed order.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "battle/battle_harness.h"

namespace sb {
namespace {

constexpr int kFleetDraws = 49 * 3;
constexpr int kStarDraws = 20001 * 3;
constexpr int kPlanetDraws = 201 * 4;

// A battle set up with every random draw logged.
struct LoggedBattle {
  explicit LoggedBattle(uint64_t seed, int16_t design = 1) : run(seed, design, true, &draws) {}
  std::vector<double> draws;
  harness::BattleRun run;
};

void ExpectSquare(const LitVertex (&q)[4], float left, float top, float right, float bottom,
                  float z) {
  const float xs[4] = {left, right, right, left}, ys[4] = {top, top, bottom, bottom};
  const float us[4] = {0, 1, 1, 0}, vs[4] = {0, 0, 1, 1};
  for (int n = 0; n < 4; ++n) {
    EXPECT_EQ(q[n].X, xs[n]) << "corner " << n;
    EXPECT_EQ(q[n].Y, ys[n]) << "corner " << n;
    EXPECT_EQ(q[n].Z, z) << "corner " << n;
    EXPECT_EQ(q[n].Diffuse, 0x00FFFFFFu) << "corner " << n;
    EXPECT_EQ(q[n].Specular, 0u) << "corner " << n;
    EXPECT_EQ(q[n].U, us[n]) << "corner " << n;
    EXPECT_EQ(q[n].V, vs[n]) << "corner " << n;
  }
}

TEST(Scene, CraftSquaresAndRaceColours) {
  LoggedBattle b(3);
  ExpectSquare(Crafts[0].Quad, -8, -8, 8, 8, 0);      // Strike
  ExpectSquare(Crafts[1].Quad, -64, -64, 64, 64, 0);  // the station
  for (int i = 2; i <= 50; ++i) {
    const Craft& c = Crafts[i];
    ExpectSquare(c.Quad, -c.Width, -c.Height, c.Width, c.Height, 0);
  }

  // Every race's colour, and none for a Pod: re-colour one entry per race.
  const uint32_t expected[] = {0, 0xFFFF9000, 0xFF0FFF0F, 0xFF2F2F2F, 0xFFFF0F0F, 0x8FFFFFFF};
  for (int16_t race = 0; race <= 5; ++race) {
    Craft& c = Crafts[2 + race];
    c.Race = race;
    for (int k = 0; k <= 40; ++k) c.Trail[k].Colour = 0;
    for (int k = 0; k <= 10; ++k) c.Shots[k].Colour = 0;
  }
  b.run.form->Buildit();
  for (int16_t race = 0; race <= 5; ++race) {
    const Craft& c = Crafts[2 + race];
    for (int k = 0; k <= 10; ++k) {
      EXPECT_EQ(c.Trail[k].Colour, expected[race]) << "race " << race;
      EXPECT_EQ(c.Shots[k].Colour, expected[race]) << "race " << race;
    }
    for (int k = 11; k <= 40; ++k) EXPECT_EQ(c.Trail[k].Colour, 0u);
  }
  EXPECT_EQ(harness::CheckInvariants(*b.run.form), "");  // entries 51 to 200 untouched
}

TEST(Scene, StarsPlanetsAndTargetsUseTheDrawsInOrder) {
  LoggedBattle b(11);
  const Form1& f = *b.run.form;
  const std::vector<double>& u = b.draws;
  ASSERT_EQ(u.size(), static_cast<size_t>(kFleetDraws + kStarDraws + kPlanetDraws + 51));

  for (int s = 0; s <= 20000; ++s) {
    const size_t at = kFleetDraws + 3 * s;
    const float a = std::floor(u[at] * 20000 - 10000), bb = std::floor(u[at + 1] * 20000 - 10000);
    const float c = std::floor(u[at + 2] * 102 - 100);
    ASSERT_EQ(f.Stars[s].Quad[0].X, a - 2) << s;
    ASSERT_EQ(f.Stars[s].Quad[2].Y, bb + 2) << s;
    ASSERT_EQ(f.Stars[s].Quad[1].Z, c) << s;
  }
  ExpectSquare(f.Stars[20000].Quad, f.Stars[20000].Quad[0].X, f.Stars[20000].Quad[0].Y,
               f.Stars[20000].Quad[0].X + 4, f.Stars[20000].Quad[0].Y + 4,
               f.Stars[20000].Quad[0].Z);

  const char* pictures[] = {"zoltar.bmp", "planetmoo.bmp", "planetcow.bmp", "planetmasacre.bmp"};
  std::set<const Texture*> textures;
  std::set<std::string> names;
  for (int p = 0; p <= 200; ++p) {
    const size_t at = kFleetDraws + kStarDraws + 4 * p;
    const float a = std::floor(u[at] * 20000 - 10000), bb = std::floor(u[at + 1] * 20000 - 10000);
    const float c = std::floor(u[at + 2] * 1002 - 1000);
    ExpectSquare(f.Planets[p].Quad, a - 20, bb - 20, a + 20, bb + 20, c);
    const int k = static_cast<int>(std::floor(u[at + 3] * 4 + 1));
    ASSERT_TRUE(f.Planets[p].Texture);
    EXPECT_EQ(FileNameOf(f.Planets[p].Texture->Path()), pictures[k - 1]) << p;
    textures.insert(f.Planets[p].Texture.get());
    names.insert(FileNameOf(f.Planets[p].Texture->Path()));
  }
  EXPECT_EQ(textures.size(), 201u) << "every planet owns its texture";
  EXPECT_EQ(names.size(), 4u);

  for (int i = 0; i <= 50; ++i) {
    const double draw = u[kFleetDraws + kStarDraws + kPlanetDraws + i];
    EXPECT_EQ(Crafts[i].Target, static_cast<int>(draw * 51)) << i;
  }
  // Start-up's 15 shared pictures, then the player, the 50 of the roster and
  // the 201 planets, each loaded on its own.
  const auto loads = b.run.platform.CallsNamed("LoadTexture");
  EXPECT_EQ(loads.size(), 15u + 1 + 50 + 201);
  EXPECT_EQ(loads.back()->s, FileNameOf(f.Planets[200].Texture->Path()));
}

TEST(Scene, BackgroundCoordinatesAreWholeNumbersInRange) {
  LoggedBattle b(42);
  const Form1& f = *b.run.form;
  float minStarZ = 0, maxStarZ = -1000, minPlanetZ = 0;
  for (int s = 0; s <= 20000; ++s) {
    const LitVertex& v = f.Stars[s].Quad[0];
    ASSERT_EQ(v.X, std::floor(v.X));
    ASSERT_GE(v.X + 2, -10000);
    ASSERT_LE(v.X + 2, 9999);
    ASSERT_GE(v.Y + 2, -10000);
    ASSERT_LE(v.Y + 2, 9999);
    minStarZ = std::min(minStarZ, v.Z);
    maxStarZ = std::max(maxStarZ, v.Z);
  }
  EXPECT_EQ(minStarZ, -100);
  EXPECT_EQ(maxStarZ, 1);
  for (int p = 0; p <= 200; ++p) {
    const LitVertex& v = f.Planets[p].Quad[0];
    ASSERT_EQ(v.Y, std::floor(v.Y));
    ASSERT_GE(v.Z, -1000);
    ASSERT_LE(v.Z, 1);
    minPlanetZ = std::min(minPlanetZ, v.Z);
  }
  EXPECT_LT(minPlanetZ, -900);
}

}  // namespace
}  // namespace sb
