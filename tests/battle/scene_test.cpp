// Scene construction: craft squares, stars and planets, drawn from the
// random sequence in a fixed order (then one draw per first target).
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
  explicit LoggedBattle(uint64_t seed) : run(seed, 1, true, &draws) {}
  std::vector<double> draws;
  harness::BattleRun run;
};

TEST(Scene, CraftSquaresFitTheirDesigns) {
  LoggedBattle b(3);
  for (int i = 0; i <= 50; ++i) {
    const Craft& c = Crafts[i];
    EXPECT_TRUE(c.Quad[0].X == -c.Width && c.Quad[0].Y == -c.Height && c.Quad[0].U == 0) << i;
    EXPECT_TRUE(c.Quad[2].X == c.Width && c.Quad[2].V == 1 && c.Quad[3].Diffuse == 0x00FFFFFFu);
  }
  EXPECT_EQ(harness::CheckInvariants(*b.run.form), "");  // entries 51 to 200 untouched
}

TEST(Scene, StarsAndPlanetsUseTheDrawsInOrderAtWholeNumbers) {
  LoggedBattle b(11);
  const Form1& f = *b.run.form;
  const std::vector<double>& u = b.draws;
  ASSERT_EQ(u.size(), static_cast<size_t>(kFleetDraws + kStarDraws + kPlanetDraws + 51));
  auto whole = [](double draw, int span, int offset) { return std::floor(draw * span - offset); };

  for (int s = 0; s <= 20000; ++s) {
    const LitVertex* q = f.Stars[s].Quad;
    const size_t at = kFleetDraws + 3 * s;
    ASSERT_EQ(q[0].X, whole(u[at], 20000, 10000) - 2) << s;
    ASSERT_EQ(q[2].Y, whole(u[at + 1], 20000, 10000) + 2) << s;
    ASSERT_EQ(q[1].Z, whole(u[at + 2], 102, 100)) << s;
  }

  const char* pictures[] = {"zoltar.bmp", "planetmoo.bmp", "planetcow.bmp", "planetmasacre.bmp"};
  std::set<const Texture*> textures;
  for (int p = 0; p <= 200; ++p) {
    const LitVertex* q = f.Planets[p].Quad;
    const size_t at = kFleetDraws + kStarDraws + 4 * p;
    ASSERT_EQ(q[0].X, whole(u[at], 20000, 10000) - 20) << p;
    ASSERT_EQ(q[2].Y, whole(u[at + 1], 20000, 10000) + 20) << p;
    ASSERT_EQ(q[3].Z, whole(u[at + 2], 1002, 1000)) << p;
    ASSERT_TRUE(f.Planets[p].Texture);
    EXPECT_EQ(FileNameOf(f.Planets[p].Texture->Path()), pictures[int(u[at + 3] * 4)]) << p;
    textures.insert(f.Planets[p].Texture.get());
  }
  EXPECT_EQ(textures.size(), 201u) << "every planet owns its texture";
}

}  // namespace
}  // namespace sb
